#include "editor/lone_line_ends.h"

namespace quillory {

bool HasLoneLineEnd(std::string_view bytes, Extent extent) {
  const bool whole = extent == Extent::kWhole;
  const size_t size = bytes.size();
  for (size_t at = 0; at < size; ++at) {
    if (bytes[at] == '\r') {
      if (at + 1 == size) return whole;
      if (bytes[at + 1] != '\n') return true;
      ++at;  // the pair's LF
    } else if (bytes[at] == '\n' && (at > 0 || whole)) {
      return true;
    }
  }
  return false;
}

}  // namespace quillory
