#pragma once

#include <string>

#include "designer/design_model.h"

namespace quillory {

// The text "Insert To Code" puts into the document: a body start tag with
// the canvas colour, then every present element as absolutely positioned
// HTML, by index and, within an index, in kind order. Names and values go
// in exactly as stored, unquoted and unescaped.
std::string InsertToCodeText(const DesignModel& model);

}  // namespace quillory
