#pragma once

#include <QIcon>

#include <string>

#include "base/document_kind.h"

namespace quillory {

// The tab picture of a document kind; a null icon for kOther.
QIcon IconForKind(DocumentKind kind);

// The tab picture of a file: its kind's, from the extension of the file
// name, or for kind kOther the desktop theme's picture of the file's type
// (null when the theme has none).
QIcon IconForFile(const std::string& path);

}  // namespace quillory
