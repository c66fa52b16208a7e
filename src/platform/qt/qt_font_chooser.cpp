#include "platform/qt/qt_font_chooser.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillory {
namespace {

// Longest face name the chooser hands back, as the font description holds.
constexpr int kMaxFaceLength = 79;

QColor FromBgr(uint32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

uint32_t ToBgr(const QColor& colour) {
  return static_cast<uint32_t>(colour.red()) |
         static_cast<uint32_t>(colour.green()) << 8 |
         static_cast<uint32_t>(colour.blue()) << 16;
}

QFont FontOf(const FontChoice& choice) {
  QFont font(QString::fromStdString(choice.face));
  font.setPointSize(choice.size);
  font.setBold(choice.bold);
  font.setItalic(choice.italic);
  font.setUnderline(choice.underline);
  font.setStrikeOut(choice.strikethrough);
  return font;
}

// The font dialog's fields and lists tell no name of their own; the field
// and the list of each column take the label above it (whose buddy is one
// of the two). The sample field is none of them.
void NameFontColumns(QFontDialog& fonts) {
  QList<QWidget*> fields;
  for (QLineEdit* field : fonts.findChildren<QLineEdit*>()) {
    if (field->objectName() != "qt_fontDialog_sampleEdit") fields << field;
  }
  const QList<QListView*> lists = fonts.findChildren<QListView*>();
  qsizetype column = 0;
  for (const QLabel* label : fonts.findChildren<QLabel*>()) {
    const QWidget* buddy = label->buddy();
    if (!qobject_cast<const QLineEdit*>(buddy) &&
        !qobject_cast<const QListView*>(buddy)) {
      continue;
    }
    const QString name = label->text().remove('&');
    if (column < fields.size()) fields[column]->setAccessibleName(name);
    if (column < lists.size()) lists[column]->setAccessibleName(name);
    ++column;
  }
}

}  // namespace

QtFontChooser::QtFontChooser(const FontChoice& start, FontChooserExtras extras,
                             QWidget* parent)
    : QDialog(parent), start_(start), colour_(FromBgr(start.colour)) {
  setObjectName("FontChooser");
  // The toolkit's own texts, which follow the interface language.
  setWindowTitle(QCoreApplication::translate("QFontDialog", "Select Font"));
  fonts_ = new QFontDialog(FontOf(start), this);
  fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  fonts_->setWindowFlags(Qt::Widget);
  fonts_->setSizeGripEnabled(false);
  NameFontColumns(*fonts_);
  // Esc and Enter reach the inner dialog first, which would only hide
  // itself and leave this one open and empty.
  connect(fonts_, &QDialog::finished, this, &QDialog::done);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fonts_);
  if (extras == FontChooserExtras::kColourAndEffects) {
    layout->addLayout(MakeColourRow());
  }
  layout->addWidget(buttons);
}

QHBoxLayout* QtFontChooser::MakeColourRow() {
  auto* row = new QHBoxLayout;
  auto* label = new QLabel(
      QCoreApplication::translate("QColorDialog", "Select Color"), this);
  row->addWidget(label);
  colour_button_ = new QToolButton(this);
  colour_button_->setObjectName("FontColour");
  colour_button_->setAccessibleName(label->text());
  row->addWidget(colour_button_);
  row->addStretch();
  connect(colour_button_, &QToolButton::clicked, this,
          &QtFontChooser::PickColour);
  ShowColour();
  return row;
}

FontChoice QtFontChooser::Chosen() const {
  const QFont font = fonts_->currentFont();
  FontChoice chosen;
  chosen.face =
      QFontInfo(font).family().left(kMaxFaceLength).toUtf8().toStdString();
  // Whole points, cut down as a size in tenths divided by ten would be.
  chosen.size = static_cast<int32_t>(font.pointSizeF() * 10) / 10;
  chosen.colour = ToBgr(colour_);
  chosen.bold = font.bold();
  chosen.italic = font.italic();
  chosen.underline = font.underline();
  chosen.strikethrough = font.strikeOut();
  // Qt fonts carry no character set; the remembered one stays.
  chosen.charset = start_.charset;
  return chosen;
}

void QtFontChooser::ShowColour() {
  QPixmap swatch(32, 14);
  swatch.fill(colour_);
  colour_button_->setIcon(QIcon(swatch));
  colour_button_->setIconSize(swatch.size());
  colour_button_->setToolTip(colour_.name());
}

void QtFontChooser::PickColour() {
  const QColor picked = QColorDialog::getColor(colour_, this);
  if (!picked.isValid()) return;
  colour_ = picked;
  ShowColour();
}

}  // namespace quillory
