#pragma once

#include <array>

namespace quillory {

// Bytes that make up a word when keywords are matched: ASCII letters and
// digits, the underscore, and 192-255, the accented letters of the
// single-byte code page.
inline constexpr std::array<bool, 256> kWordBytes = [] {
  std::array<bool, 256> table{};
  for (int b = 'a'; b <= 'z'; ++b) table[b] = true;
  for (int b = 'A'; b <= 'Z'; ++b) table[b] = true;
  for (int b = '0'; b <= '9'; ++b) table[b] = true;
  table['_'] = true;
  for (int b = 192; b <= 255; ++b) table[b] = true;
  return table;
}();

constexpr bool IsWordByte(char byte) {
  return kWordBytes[static_cast<unsigned char>(byte)];
}

}  // namespace quillory
