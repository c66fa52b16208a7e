#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillory {

enum class RichAlign : uint8_t { kLeft = 0, kRight = 1, kCentre = 2 };

// What one character of the rich-text editor carries; the alignment is its
// paragraph's.
struct RichFormat {
  uint32_t colour = 0;  // 0x00BBGGRR
  double size = 8;      // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  RichAlign align = RichAlign::kLeft;

  bool operator==(const RichFormat&) const = default;
};

struct RichChar {
  char32_t code;
  RichFormat format;
};

// The editor's text, a line break as its two characters CR and LF. `caret`
// is the format typing would give, read when the text is empty.
struct RichText {
  std::vector<RichChar> chars;
  RichFormat caret;
};

// The HTML that the rich-text editor inserts, UTF-8: inline tags opened
// where a format changes and those still open closed at the end, latest
// first; colour and size changes wait for a character that is not a blank.
std::string RichTextToHtml(const RichText& text);

}  // namespace quillory
