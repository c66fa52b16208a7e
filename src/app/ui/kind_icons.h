#pragma once

#include <QIcon>

#include "app/document_kind.h"

namespace quillory {

// The tab picture of a document kind; a null icon for kOther.
QIcon IconForKind(DocumentKind kind);

}  // namespace quillory
