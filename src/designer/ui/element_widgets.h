#pragma once

#include <QString>

#include "designer/design_model.h"

class QColor;
class QWidget;

namespace quillory {

// The live widgets that show designer elements, on the canvas and in the
// toolbox. They only show; the model is changed by the window.

// A widget of `kind` captioned `caption`; a list shows `sample` twice (an
// empty sample shows no entries).
QWidget* MakeKindWidget(ElementKind kind, const QString& caption,
                        const QString& sample, QWidget* parent);
// Shows the element's text (its value, a link's name) and, for a check box
// or radio button, its state.
void ShowElementState(QWidget& widget, ElementKind kind,
                      const DesignElement& element);
// Loads the picture `path` into an image widget at the picture's own size;
// false, with the widget unchanged, when it cannot be loaded.
bool LoadPicture(QWidget& widget, const QString& path);
void SetBackground(QWidget& widget, const QColor& colour);

}  // namespace quillory
