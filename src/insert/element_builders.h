#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "insert/dialog_rows.h"
#include "insert/element_forms.h"

namespace quillory {

// The markup of a form control or the image: row 0 is the tag as typed, each
// later row with a value an attribute (a row without a name gives its value
// alone). Values go in as typed, quotes included.
std::string BuildGenericElement(const DialogRows& rows, Container container);

// The table of the table dialog's rows. Empty when its rows, each counted
// with its cells, or its columns alone exceed kMaxTableCells: no page needs
// that many and no memory holds the biggest counts a user can type.
std::optional<std::string> BuildTable(const DialogRows& rows);
inline constexpr int64_t kMaxTableCells = 1'000'000;

// The anchor of the link dialog's rows.
std::string BuildLink(const DialogRows& rows);

}  // namespace quillory
