#include "designer/colour_text.h"

#include <charconv>
#include <cstdio>

#include "insert/font_wrap.h"

namespace quillory {

std::string HtmlColourText(uint32_t colour) {
  return "#" + HtmlColour(colour & 0xFFFFFF);
}

std::string PanelColourText(uint32_t colour) {
  std::string text = HtmlColourText(colour);
  while (text.size() > 1 && text[1] == '0') text.erase(1, 1);
  return text;
}

std::optional<std::string> DecimalColourText(std::string_view text) {
  if (text.empty() || text[0] == '#') return std::nullopt;
  uint64_t number = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  char hex[24];
  std::snprintf(hex, sizeof hex, "#%llX",
                static_cast<unsigned long long>(number));
  return hex;
}

std::optional<uint32_t> ParseColourText(std::string_view text) {
  if (text.size() < 2 || text.size() > 7 || text[0] != '#') return std::nullopt;
  uint32_t rgb = 0;
  const char* first = text.data() + 1;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, rgb, 16);
  if (error != std::errc() || end != last) return std::nullopt;
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16);
}

}  // namespace quillory
