#include "designer/ui/element_widgets.h"

#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace quillory {
namespace {

QLabel* MakeLink(const QString& caption, QWidget* parent) {
  auto* link = new QLabel(caption, parent);
  link->setStyleSheet("color: blue; text-decoration: underline;");
  return link;
}

// Radios on one canvas are separate elements, each with its own state.
QRadioButton* MakeRadio(const QString& caption, QWidget* parent) {
  auto* radio = new QRadioButton(caption, parent);
  radio->setAutoExclusive(false);
  return radio;
}

QWidget* MakeList(const QString& sample, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  if (!sample.isEmpty()) list->addItems({sample, sample});
  return list;
}

QLabel* MakeImage(const QString& caption, QWidget* parent) {
  auto* image = new QLabel(caption, parent);
  image->setFrameShape(QFrame::Box);
  image->setAutoFillBackground(true);
  return image;
}

QString Text(const std::string& bytes) { return QString::fromStdString(bytes); }

}  // namespace

QWidget* MakeKindWidget(ElementKind kind, const QString& caption,
                        const QString& sample, QWidget* parent) {
  switch (kind) {
    case ElementKind::kLabel:
      return new QLabel(caption, parent);
    case ElementKind::kText:
      return new QLineEdit(caption, parent);
    case ElementKind::kButton:
      return new QPushButton(caption, parent);
    case ElementKind::kCheck:
      return new QCheckBox(caption, parent);
    case ElementKind::kRadio:
      return MakeRadio(caption, parent);
    case ElementKind::kList:
      return MakeList(sample, parent);
    case ElementKind::kImage:
      return MakeImage(caption, parent);
    case ElementKind::kLink:
      return MakeLink(caption, parent);
  }
  return nullptr;
}

void ShowElementState(QWidget& widget, ElementKind kind,
                      const DesignElement& element) {
  switch (kind) {
    case ElementKind::kLabel:
      static_cast<QLabel&>(widget).setText(Text(element.value));
      break;
    case ElementKind::kText:
      static_cast<QLineEdit&>(widget).setText(Text(element.value));
      break;
    case ElementKind::kButton:
    case ElementKind::kCheck:
    case ElementKind::kRadio:
      static_cast<QAbstractButton&>(widget).setText(Text(element.value));
      static_cast<QAbstractButton&>(widget).setChecked(element.checked);
      break;
    case ElementKind::kLink:
      static_cast<QLabel&>(widget).setText(Text(element.name));
      break;
    case ElementKind::kList:
    case ElementKind::kImage:
      break;
  }
}

// NOTE: the reader's allocation limit refuses pictures too large to hold,
// so a huge file fails like a broken one.
bool LoadPicture(QWidget& widget, const QString& path) {
  QImageReader reader(path);
  const QImage image = reader.read();
  if (image.isNull()) return false;
  auto& label = static_cast<QLabel&>(widget);
  label.setPixmap(QPixmap::fromImage(image));
  label.resize(image.size());
  return true;
}

void SetBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Button, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace quillory
