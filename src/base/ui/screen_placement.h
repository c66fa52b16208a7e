#pragma once

#include <QRect>
#include <QSize>

namespace quillory {

// Where a window of `size` opens: no larger than `available` (the screen
// less its panels) leaves room for, centred on `owner`, then moved wholly
// inside. Room is kept round it for the frame a window manager adds, whose
// size is unknown until the window is mapped.
QRect PlaceOnOwner(QSize size, const QRect& owner, const QRect& available);

}  // namespace quillory
