#include "base/text_encoding.h"

#include <array>
#include <cstdint>
#include <utility>

namespace quillory {
namespace {

// Code points of bytes 0x80 to 0x9F in Windows-1252.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Length of the sequence starting at `i`, or 0 when it is malformed.
size_t SequenceLength(std::string_view bytes, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(bytes[k]); };
  const uint8_t lead = byte(i);
  if (lead < 0x80) return 1;
  size_t length;
  uint8_t low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (size_t k = 2; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// The code point of the well-formed sequence of `length` bytes at `i`.
char32_t DecodeAt(std::string_view bytes, size_t i, size_t length) {
  const auto lead = static_cast<uint8_t>(bytes[i]);
  if (length == 1) return lead;
  char32_t code = lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    code = (code << 6) | (static_cast<uint8_t>(bytes[i + k]) & 0x3F);
  }
  return code;
}

// The Windows-1252 byte of `code`, if the code page has one.
std::optional<char> Windows1252Byte(char32_t code) {
  for (size_t k = 0; k < kHighControls.size(); ++k) {
    if (kHighControls[k] == code) return static_cast<char>(0x80 + k);
  }
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
    return static_cast<char>(code);
  }
  return std::nullopt;
}

}  // namespace

void AppendUtf8(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    // Plain ASCII is by far the common case; skip it eight bytes at a time.
    while (i + 8 <= bytes.size()) {
      uint64_t word;
      __builtin_memcpy(&word, bytes.data() + i, 8);
      if (word & 0x8080808080808080ULL) break;
      i += 8;
    }
    if (i >= bytes.size()) break;
    const size_t length = SequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto byte = static_cast<uint8_t>(c);
    const char32_t code = (byte >= 0x80 && byte <= 0x9F)
                              ? kHighControls[byte - 0x80]
                              : static_cast<char32_t>(byte);
    AppendUtf8(code, out);
  }
  return out;
}

EncodedText Utf8ToWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const size_t length = SequenceLength(utf8, i);
    const char32_t code = length ? DecodeAt(utf8, i, length) : U'\uFFFD';
    const std::optional<char> byte = Windows1252Byte(code);
    if (!byte) return {{}, code};
    out += *byte;
    i += length;
  }
  return {std::move(out), std::nullopt};
}

}  // namespace quillory
