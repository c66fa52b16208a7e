#pragma once

#include <QColor>
#include <QDialog>

#include "platform/dialogs.h"

class QFontDialog;
class QHBoxLayout;
class QToolButton;

namespace quillory {

// Qt's font chooser with a colour choice beside it, since Qt's own chooser
// offers none. Touches nothing but its own widgets.
class QtFontChooser : public QDialog {
  Q_OBJECT

 public:
  QtFontChooser(const FontChoice& start, FontChooserExtras extras,
                QWidget* parent = nullptr);

  // What the user chose; meaningful after the chooser was accepted.
  FontChoice Chosen() const;

 private:
  // The colour label and button; only made when the colour is offered, so
  // nothing of them is left over without it.
  QHBoxLayout* MakeColourRow();
  void ShowColour();
  void PickColour();

  FontChoice start_;
  QFontDialog* fonts_ = nullptr;
  QToolButton* colour_button_ = nullptr;  // null without the colour row
  QColor colour_;
};

}  // namespace quillory
