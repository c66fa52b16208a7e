#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillory {

// Byte classes and scans the style sheet and script lexers share. Bytes
// from 128 up are letters, as in the identifiers of both languages.

constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

namespace script_text_detail {

constexpr bool IsNameByteByRule(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '_' || c == '$' || c >= 128;
}

// NOTE: most bytes of a script are bytes of names, each asked about; one
// look-up in a table costs less than the five comparisons of the rule.
// Bit 0: a script's name byte; bit 1: a style sheet's.
constexpr std::array<uint8_t, 256> kNameBytes = [] {
  std::array<uint8_t, 256> table{};
  for (int c = 0; c < 256; ++c) {
    const bool name = IsNameByteByRule(static_cast<unsigned char>(c));
    table[c] =
        static_cast<uint8_t>((name ? 1 : 0) | (name || c == '-' ? 2 : 0));
  }
  return table;
}();

}  // namespace script_text_detail

// Bytes of a script's names: letters, digits, "_" and "$".
constexpr bool IsNameByte(char c) {
  return (script_text_detail::kNameBytes[static_cast<unsigned char>(c)] & 1) !=
         0;
}

// A style sheet's names take "-" as well.
constexpr bool IsCssNameByte(char c) {
  return (script_text_detail::kNameBytes[static_cast<unsigned char>(c)] & 2) !=
         0;
}

// The first index at or after `from` whose byte `is` does not accept. A
// template, so that the test is made inline on every byte of a name.
template <bool (*is)(char)>
size_t SpanEnd(std::string_view line, size_t from) {
  while (from < line.size() && is(line[from])) ++from;
  return from;
}

// Whether a number starts at `at`: a digit, or "." before a digit.
inline bool StartsNumber(std::string_view line, size_t at) {
  return IsDigit(line[at]) ||
         (line[at] == '.' && at + 1 < line.size() && IsDigit(line[at + 1]));
}

// The end of the digits, "." and exponent of a number starting at `at`.
inline size_t NumberEnd(std::string_view line, size_t at) {
  while (at < line.size() && (IsDigit(line[at]) || line[at] == '.')) ++at;
  if (at + 1 < line.size() && (line[at] == 'e' || line[at] == 'E') &&
      (IsDigit(line[at + 1]) ||
       ((line[at + 1] == '-' || line[at + 1] == '+') && at + 2 < line.size() &&
        IsDigit(line[at + 2])))) {
    at += 2;
    while (at < line.size() && IsDigit(line[at])) ++at;
  }
  return at;
}

struct QuotedEnd {
  size_t end = 0;          // after the closing quote, or the line's size
  bool continues = false;  // a backslash at the line's end carries it on
};

// Where a string closed by `quote` ends, searched from `from`; a backslash
// escapes the byte after it.
inline QuotedEnd FindQuoteEnd(std::string_view line, size_t from, char quote) {
  for (size_t at = from; at < line.size(); ++at) {
    if (line[at] == quote) return {at + 1, false};
    if (line[at] == '\\' && ++at == line.size()) return {at, true};
  }
  return {line.size(), false};
}

}  // namespace quillory
