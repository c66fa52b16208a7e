#include "editor/colouring_range.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "editor/text_source.h"

namespace quillory {
namespace {

// Bytes at 0-based offsets begin..begin+bytes.size()-1 of a text `length`
// bytes long. A search that runs off a cut end cannot tell its answer.
struct Stretch {
  std::string_view bytes;
  int64_t begin = 0;
  int64_t length = 0;

  int64_t end() const { return begin + static_cast<int64_t>(bytes.size()); }
};

// 1-based position of the CR of the last CR LF whose LF lies at or before
// `limit`; 0 when the text has none. `limit` lies within the stretch.
std::optional<int64_t> LastLineBreakWithin(Stretch stretch, int64_t limit) {
  const char* bytes = stretch.bytes.data();
  int64_t end = std::min(limit, stretch.end()) - stretch.begin;  // [0, end)
  while (end >= 2) {
    const void* lf = memrchr(bytes + 1, '\n', end - 1);
    if (lf == nullptr) break;
    const int64_t at = static_cast<const char*>(lf) - bytes;
    if (bytes[at - 1] == '\r') return stretch.begin + at;
    end = at;
  }
  if (stretch.begin == 0) return 0;
  return std::nullopt;
}

// 1-based position of the CR of the first CR LF starting at or after
// `from`; 0 when the text has none. `from` lies within the stretch.
std::optional<int64_t> FirstLineBreakFrom(Stretch stretch, int64_t from) {
  const int64_t start = std::max<int64_t>(from, 1) - 1 - stretch.begin;
  const size_t found = stretch.bytes.find("\r\n", start);
  if (found != std::string_view::npos) {
    return stretch.begin + static_cast<int64_t>(found) + 1;
  }
  if (stretch.end() == stretch.length) return 0;
  return std::nullopt;
}

// The range, or nothing when the stretch is too short to tell.
std::optional<TextRange> ResolveWithin(Stretch stretch, int64_t sel_start,
                                       int64_t first, int64_t last) {
  const int64_t length = stretch.length;
  if (length == 0) return TextRange{1, 0};
  if (first == kFromCaret) {
    const std::optional<int64_t> found =
        sel_start < 2 ? 1 : LastLineBreakWithin(stretch, sel_start);
    if (!found) return std::nullopt;
    first = *found;
  }
  if (last == kFromCaret) {
    const std::optional<int64_t> found =
        sel_start > length ? 0 : FirstLineBreakFrom(stretch, sel_start);
    if (!found) return std::nullopt;
    last = *found == 0 ? length : *found;
  }
  return TextRange{std::max<int64_t>(first, 1), std::min(last, length)};
}

}  // namespace

TextRange ResolveColouringRange(std::string_view text, int64_t sel_start,
                                int64_t first, int64_t last) {
  const Stretch whole{text, 0, static_cast<int64_t>(text.size())};
  return *ResolveWithin(whole, sel_start, first, last);
}

TextRange ResolveColouringRange(TextSource& source, int64_t sel_start,
                                int64_t first, int64_t last) {
  const int64_t length = source.Length();
  if (length == 0 || (first != kFromCaret && last != kFromCaret)) {
    return *ResolveWithin({{}, 0, length}, sel_start, first, last);
  }
  // Around the caret, wider each time a line break lies beyond the stretch;
  // the whole text always settles it.
  const int64_t centre = std::clamp<int64_t>(sel_start, 1, length);
  for (int64_t reach = 512;; reach *= 2) {
    const TextRange piece{std::max<int64_t>(centre - reach, 1),
                          std::min(centre + reach, length)};
    const Stretch stretch{source.Bytes(piece), piece.first - 1, length};
    if (std::optional<TextRange> range =
            ResolveWithin(stretch, sel_start, first, last)) {
      return *range;
    }
  }
}

}  // namespace quillory
