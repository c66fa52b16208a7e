#pragma once

class QLabel;
class QString;

namespace quillory {

// Shows `path` in `label`, cut in the middle with "..." when it is wider
// than the label.
void ShowPathInLabel(QLabel& label, const QString& path);

}  // namespace quillory
