#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "insert/panel_buttons.h"

namespace quillory {

// What replaces the selection when `button` is pressed with `selected`
// selected (empty for none). Empty for buttons that open a dialog, a window
// or a command first.
std::optional<std::string> SnippetFor(const PanelButton& button,
                                      std::string_view selected);

// The fieldset with the label the user gave (empty when cancelled).
std::string FieldsetText(std::string_view label);

// Goes in after the select dialog, however it was closed.
inline constexpr std::string_view kSelectListEnd =
    "\r\n\t<option></option>\r\n</select>";

}  // namespace quillory
