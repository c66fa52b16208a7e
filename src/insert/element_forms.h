#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "insert/dialog_rows.h"

namespace quillory {

// The groups of elements the element dialog serves.
enum class ElementGroup {
  kForm = 0,         // the form controls of the tag panel
  kImage = 1,        // the image element
  kTableOrLink = 2,  // number 0 the table, number 1 the link
  kTemplate = 3,     // a parameterised entry of a reference file
};

// Whether the generic builder closes the element with an empty line pair and
// a closing tag.
enum class Container { kNo, kYes };

struct RowSpec {
  std::string_view name;
  ValueCell cell = ValueCell::kTextBox;
  std::string_view value = {};
  std::span<const std::string_view> choices = {};
};

// The rows of one element after row 0 ("Element" holding `element`).
struct ElementSpec {
  ElementGroup group;
  int num;
  std::string_view element;
  Container container;
  std::span<const RowSpec> rows;
};

// The element of `group` and `num`; empty for numbers no element has.
std::optional<ElementSpec> FindElementSpec(ElementGroup group, int num);

// Builds the rows of `form` through the dialog's own row operations.
void BuildElementRows(const ElementSpec& form, DialogRows& rows);

}  // namespace quillory
