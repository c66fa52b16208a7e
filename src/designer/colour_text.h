#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillory {

// Canvas colours are 0x00BBGGRR.

// "#RRGGBB", as the HTML text writes it.
std::string HtmlColourText(uint32_t colour);
// The property panel's text: "#RRGGBB" without the zeros that follow "#"
// ("#FF" for pure blue, "#" for black).
std::string PanelColourText(uint32_t colour);

// The text the colour field turns a decimal number into ("255" gives
// "#FF"); empty when the text is empty, starts with "#" or is not a whole
// decimal number.
std::optional<std::string> DecimalColourText(std::string_view text);
// The colour of "#" followed by one to six hexadecimal digits, read as
// RRGGBB once padded with leading zeros; empty for any other text.
std::optional<uint32_t> ParseColourText(std::string_view text);

}  // namespace quillory
