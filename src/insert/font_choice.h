#pragma once

#include <cstdint>
#include <string>

namespace quillory {

// The last font the user confirmed in the font chooser; at start every field
// is empty, zero or false.
struct FontChoice {
  std::string face;
  int32_t size = 0;     // points
  uint32_t colour = 0;  // 0x00BBGGRR
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  int32_t charset = 0;
};

}  // namespace quillory
