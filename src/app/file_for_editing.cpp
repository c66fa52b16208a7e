#include "app/file_for_editing.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "app/file_commands.h"
#include "base/regular_file.h"
#include "base/text_encoding.h"

namespace quillory {
namespace {

constexpr size_t kPieceBytes = 1 << 20;

// The longest line as FileSurvey::longest_line counts it, fed piece by
// piece.
class LineMeter {
 public:
  void Add(std::string_view bytes) {
    while (true) {
      const size_t end = bytes.find('\n');
      AddToLine(bytes.substr(0, end));
      if (end == std::string_view::npos) return;
      EndLine();
      bytes.remove_prefix(end + 1);
    }
  }
  size_t Longest() {
    EndLine();
    return longest_;
  }

 private:
  void AddToLine(std::string_view part) {
    line_ += part.size();
    while (true) {
      const size_t cr = part.find('\r');
      piece_ += std::min(cr, part.size());
      if (cr == std::string_view::npos) return;
      longest_piece_ = std::max(longest_piece_, piece_);
      piece_ = 0;
      part.remove_prefix(cr + 1);
    }
  }
  void EndLine() {
    longest_ = std::max(longest_, line_ > kSlowLineBytes
                                      ? std::max(longest_piece_, piece_)
                                      : line_);
    line_ = piece_ = longest_piece_ = 0;
  }

  size_t longest_ = 0;
  size_t line_ = 0;
  size_t piece_ = 0;  // since the last CR of the line
  size_t longest_piece_ = 0;
};

// How much of `bytes` ends on a whole UTF-8 sequence: a sequence cut by
// the end of a piece is checked with the next one.
size_t WholeSequences(std::string_view bytes) {
  for (size_t back = 1; back <= std::min<size_t>(3, bytes.size()); ++back) {
    const auto byte = static_cast<uint8_t>(bytes[bytes.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;
    const size_t length = byte >= 0xF0   ? 4
                          : byte >= 0xE0 ? 3
                          : byte >= 0xC0 ? 2
                                         : 1;
    return length > back ? bytes.size() - back : bytes.size();
  }
  return bytes.size();
}

}  // namespace

std::optional<FileSurvey> SurveyFile(const std::string& path) {
  ReadableFile file = OpenRegularFile(path);
  if (!file) return std::nullopt;
  FileSurvey survey;
  LineMeter lines;
  bool has_cr = false;
  int64_t line_feeds = 0;
  // The end of a sequence cut by the previous piece comes first.
  std::vector<char> buffer(kPieceBytes + 3);
  size_t carried = 0;
  size_t count;
  while ((count = std::fread(buffer.data() + carried, 1, kPieceBytes,
                             file.get())) > 0) {
    const std::string_view fresh(buffer.data() + carried, count);
    survey.editing_size += static_cast<int64_t>(count);
    has_cr = has_cr || fresh.find('\r') != std::string_view::npos;
    line_feeds += std::count(fresh.begin(), fresh.end(), '\n');
    lines.Add(fresh);
    const std::string_view all(buffer.data(), carried + count);
    const size_t whole = WholeSequences(all);
    survey.valid_utf8 = survey.valid_utf8 && IsValidUtf8(all.substr(0, whole));
    carried = all.size() - whole;
    std::memmove(buffer.data(), buffer.data() + whole, carried);
  }
  if (std::ferror(file.get())) return std::nullopt;
  survey.valid_utf8 = survey.valid_utf8 && carried == 0;
  survey.longest_line = lines.Longest();
  if (line_feeds > 0 && !has_cr) {
    survey.line_ends = LineEnds::kLfOnly;
    survey.editing_size += line_feeds;
  }
  return survey;
}

bool ReadForEditing(const std::string& path, LineEnds line_ends,
                    const std::function<void(std::string_view)>& take) {
  ReadableFile file = OpenRegularFile(path);
  if (!file) return false;
  std::vector<char> buffer(kPieceBytes);
  std::string held;
  size_t count;
  while ((count = std::fread(buffer.data(), 1, buffer.size(), file.get())) >
         0) {
    const std::string_view piece(buffer.data(), count);
    if (line_ends == LineEnds::kAsStored) {
      take(piece);
      continue;
    }
    held.clear();
    for (std::string_view rest = piece;;) {
      const size_t lf = rest.find('\n');
      held.append(rest.substr(0, lf));
      if (lf == std::string_view::npos) break;
      held += "\r\n";
      rest.remove_prefix(lf + 1);
    }
    take(held);
  }
  return !std::ferror(file.get());
}

}  // namespace quillory
