#include "editor/style_stretches.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace quillory {

// Eight bytes at a time: a whole text's styles are tens of megabytes, and
// their stretches run to hundreds of bytes.
size_t StretchEnd(std::string_view bytes, size_t from) {
  const auto value = static_cast<unsigned char>(bytes[from]);
  const uint64_t repeated = value * 0x0101010101010101ULL;
  size_t at = from + 1;
  for (; at + sizeof(uint64_t) <= bytes.size(); at += sizeof(uint64_t)) {
    uint64_t word;
    std::memcpy(&word, bytes.data() + at, sizeof(word));
    if (const uint64_t differs = word ^ repeated; differs != 0) {
      return at + static_cast<size_t>(std::countr_zero(differs)) / 8;
    }
  }
  while (at < bytes.size() && static_cast<unsigned char>(bytes[at]) == value) {
    ++at;
  }
  return at;
}

}  // namespace quillory
