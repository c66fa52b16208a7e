#include "insert/ui/rich_editor.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/ui/named_caption_text.h"
#include "editor/ui/editor.h"
#include "insert/rich_html.h"
#include "insert/ui/coloured_insert.h"
#include "insert/ui/rich_text_reader.h"
#include "platform/dialogs.h"

namespace quillory {
namespace {

constexpr double kPlainSize = 8;
constexpr const char* kSizes[] = {"8",  "9",  "10", "12", "14", "18",
                                  "20", "22", "26", "36", "48", "72"};

struct ToggleSpec {
  RichToggle toggle;
  const char* name;
  const char* caption;
};
constexpr ToggleSpec kToggles[] = {
    {RichToggle::kBold, "Command2", "B"},
    {RichToggle::kItalic, "Command3", "I"},
    {RichToggle::kUnderline, "Command4", "U"},
    {RichToggle::kStrike, "Command7", "S"},
};

// What a screen reader calls each control, by its object name, which with
// "RichEditor." is also its caption's name; the letters and pictures on the
// buttons say little.
constexpr std::pair<const char*, std::string_view> kControlNames[] = {
    {"Command2", "Bold"},          {"Command3", "Italic"},
    {"Command4", "Underline"},     {"Command7", "Strikethrough"},
    {"Command6", "Colour"},        {"Command8_0", "Align left"},
    {"Command8_1", "Align right"}, {"Command8_2", "Centre"},
    {"FSize", "Font size"},        {"Rich", "Text"},
};

// Alignment button k and the paragraph alignment it sets.
constexpr Qt::Alignment kAlignments[] = {Qt::AlignLeft, Qt::AlignRight,
                                         Qt::AlignHCenter};

// Lines of text of alternating length set as alignment k sets them.
QIcon AlignIcon(int k) {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setPen(QPen(Qt::black, 2));
  for (int line = 0; line < 4; ++line) {
    const int length = line % 2 == 0 ? 14 : 8;
    const int left = k == 0 ? 1 : k == 1 ? 15 - length : (16 - length) / 2;
    painter.drawLine(left, 2 + line * 4, left + length - 1, 2 + line * 4);
  }
  return QIcon(picture);
}

enum class KeyCommand : uint8_t { kToggle, kColour, kAlign };
struct KeySpec {
  int key;
  KeyCommand command;
  int argument;  // the toggle or the alignment button
};
constexpr KeySpec kKeys[] = {
    {Qt::Key_B, KeyCommand::kToggle, 0}, {Qt::Key_I, KeyCommand::kToggle, 1},
    {Qt::Key_U, KeyCommand::kToggle, 2}, {Qt::Key_S, KeyCommand::kToggle, 3},
    {Qt::Key_O, KeyCommand::kColour, 0}, {Qt::Key_L, KeyCommand::kAlign, 0},
    {Qt::Key_E, KeyCommand::kAlign, 2},  {Qt::Key_R, KeyCommand::kAlign, 1},
};

bool IsOn(const QTextCharFormat& format, RichToggle toggle) {
  switch (toggle) {
    case RichToggle::kBold:
      return format.fontWeight() >= QFont::Bold;
    case RichToggle::kItalic:
      return format.fontItalic();
    case RichToggle::kUnderline:
      return format.fontUnderline();
    case RichToggle::kStrike:
      return format.fontStrikeOut();
  }
  return false;
}

QTextCharFormat WithToggle(RichToggle toggle, bool on) {
  QTextCharFormat format;
  switch (toggle) {
    case RichToggle::kBold:
      format.setFontWeight(on ? QFont::Bold : QFont::Normal);
      break;
    case RichToggle::kItalic:
      format.setFontItalic(on);
      break;
    case RichToggle::kUnderline:
      format.setFontUnderline(on);
      break;
    case RichToggle::kStrike:
      format.setFontStrikeOut(on);
      break;
  }
  return format;
}

void ShowState(QPushButton* button, bool on) {
  QPalette palette = button->style()->standardPalette();
  if (on) palette.setColor(QPalette::Button, QColor(0, 255, 0));
  button->setPalette(palette);
}

int AlignIndex(Qt::Alignment alignment) {
  if (alignment & Qt::AlignHCenter) return 2;
  if (alignment & Qt::AlignRight) return 1;
  return 0;
}

}  // namespace

RichEditor::RichEditor(const RichEditorHost& host, QWidget* parent)
    : QDialog(parent), host_(host) {
  setObjectName("RichEditor");
  setWindowTitle(NamedCaption(host.captions, "RichEditor", "Text Editor"));
  setModal(true);
  setAttribute(Qt::WA_DeleteOnClose);
  surface_ = new QTextEdit(this);
  surface_->setObjectName("Rich");
  // The widget's font becomes the document's default, the plain format.
  QFont plain = surface_->font();
  plain.setPointSizeF(kPlainSize);
  surface_->setFont(plain);
  QPalette paper = surface_->palette();
  paper.setColor(QPalette::Base, Qt::white);
  paper.setColor(QPalette::Text, Qt::black);
  surface_->setPalette(paper);
  surface_->installEventFilter(this);
  BuildControls();
  NameControls();
  connect(surface_, &QTextEdit::cursorPositionChanged, this,
          &RichEditor::FollowSelection);
  connect(surface_, &QTextEdit::currentCharFormatChanged, this,
          &RichEditor::FollowSelection);
  FollowSelection();
  resize(560, 360);
}

void RichEditor::BuildControls() {
  auto* bar = new QHBoxLayout;
  for (const ToggleSpec& entry : kToggles) {
    auto* button = new QPushButton(entry.caption, this);
    button->setObjectName(entry.name);
    button->setAutoFillBackground(true);
    button->setFixedWidth(32);
    connect(button, &QPushButton::clicked, this,
            [this, toggle = entry.toggle] { Toggle(toggle); });
    toggles_[static_cast<size_t>(entry.toggle)] = button;
    bar->addWidget(button);
  }
  auto* colour = new QPushButton("C", this);
  colour->setObjectName("Command6");
  colour->setToolTip("Ctrl + O");
  colour->setFixedWidth(32);
  connect(colour, &QPushButton::clicked, this, &RichEditor::ChooseColour);
  bar->addWidget(colour);
  for (int k = 0; k < 3; ++k) {
    aligns_[k] = new QPushButton(AlignIcon(k), "", this);
    aligns_[k]->setObjectName(QString("Command8_%1").arg(k));
    aligns_[k]->setFixedWidth(32);
    connect(aligns_[k], &QPushButton::clicked, this, [this, k] { Align(k); });
    bar->addWidget(aligns_[k]);
  }
  size_ = new QComboBox(this);
  size_->setObjectName("FSize");
  size_->setEditable(true);
  for (const char* size : kSizes) size_->addItem(size);
  connect(size_, &QComboBox::currentTextChanged, this, &RichEditor::SetSize);
  bar->addWidget(size_);
  bar->addStretch();
  auto* insert = new QPushButton(
      NamedCaption(host_.captions, "RichEditor.Command5", "Insert"), this);
  insert->setObjectName("Command5");
  connect(insert, &QPushButton::clicked, this, &RichEditor::Insert);
  bar->addWidget(insert);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(surface_);
}

void RichEditor::NameControls() {
  for (const auto& [object_name, english] : kControlNames) {
    const QString name = NamedCaption(
        host_.captions, std::string("RichEditor.") + object_name, english);
    QWidget* control = findChild<QWidget*>(object_name);
    control->setAccessibleName(name);
    if (control == size_) size_->lineEdit()->setAccessibleName(name);
    if (control->toolTip().isEmpty() && control != surface_) {
      control->setToolTip(name);
    }
  }
}

void RichEditor::Toggle(RichToggle toggle) {
  const bool on = !IsOn(surface_->currentCharFormat(), toggle);
  Merge(WithToggle(toggle, on));
  ShowState(toggles_[static_cast<size_t>(toggle)], on);
  surface_->setFocus();
}

void RichEditor::ChooseColour() {
  const std::optional<uint32_t> colour = host_.dialogs.ChooseColour(
      ColourValue(surface_->currentCharFormat().foreground().color()));
  if (!colour) return;
  QTextCharFormat format;
  format.setForeground(ColourOfValue(*colour));
  Merge(format);
}

void RichEditor::Align(int k) {
  surface_->setAlignment(kAlignments[k]);
  ShowAlignment(k);
  surface_->setFocus();
}

void RichEditor::SetSize(const QString& text) {
  bool number = false;
  const double size = text.toDouble(&number);
  if (!number || size <= 0) return;
  QTextCharFormat format;
  format.setFontPointSize(size);
  Merge(format);
}

void RichEditor::FollowSelection() {
  const QTextCharFormat format = surface_->currentCharFormat();
  for (const ToggleSpec& entry : kToggles) {
    ShowState(toggles_[static_cast<size_t>(entry.toggle)],
              IsOn(format, entry.toggle));
  }
  const double size = format.fontPointSize() > 0
                          ? format.fontPointSize()
                          : surface_->document()->defaultFont().pointSizeF();
  const QSignalBlocker quiet(size_);
  size_->setCurrentText(QString::number(size));
  ShowAlignment(AlignIndex(surface_->alignment()));
}

void RichEditor::ShowAlignment(int k) {
  for (int i = 0; i < 3; ++i) aligns_[i]->setEnabled(i != k);
}

// Applies to the selection, or to what is typed next when there is none.
void RichEditor::Merge(const QTextCharFormat& format) {
  surface_->mergeCurrentCharFormat(format);
}

bool RichEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched != surface_ || event->type() != QEvent::KeyPress) {
    return QDialog::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (!(key->modifiers() & Qt::ControlModifier)) return false;
  for (const KeySpec& entry : kKeys) {
    if (entry.key != key->key()) continue;
    switch (entry.command) {
      case KeyCommand::kToggle:
        Toggle(static_cast<RichToggle>(entry.argument));
        break;
      case KeyCommand::kColour:
        ChooseColour();
        break;
      case KeyCommand::kAlign:
        Align(entry.argument);
        break;
    }
    return true;
  }
  return false;
}

void RichEditor::Insert() {
  const std::string html = RichTextToHtml(
      ReadRichText(*surface_->document(), surface_->textCursor()));
  const std::optional<std::string> bytes =
      host_.rich.BytesToInsert(QString::fromStdString(html));
  if (!bytes) return;
  InsertColoured(host_.rich, host_.highlighter, *bytes);
  accept();
}

}  // namespace quillory
