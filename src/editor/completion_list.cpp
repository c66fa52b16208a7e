#include "editor/completion_list.h"

#include <algorithm>

#include "base/file_bytes.h"
#include "base/text_util.h"

namespace quillory {
namespace {

constexpr std::string_view kPhpOpener = "?php";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the leading number of `kind` (blanks, a sign, digits with at most
// one point) is exactly 2, as "2", " 2", "+02" or "2.0" are.
bool HasEndTagKind(std::string_view kind) {
  size_t i = 0;
  while (i < kind.size() && kind[i] == ' ') ++i;
  if (i < kind.size() && kind[i] == '+') ++i;
  while (i < kind.size() && kind[i] == '0') ++i;
  if (i == kind.size() || kind[i] != '2') return false;
  ++i;
  if (i < kind.size() && IsDigit(kind[i])) return false;
  if (i < kind.size() && kind[i] == '.') {
    for (++i; i < kind.size() && IsDigit(kind[i]); ++i) {
      if (kind[i] != '0') return false;
    }
  }
  return true;
}

void AddEntries(std::string_view line, std::vector<std::string>& entries) {
  if (line.empty()) return;
  const size_t bar = line.find('|');
  const std::string_view name = line.substr(0, bar);
  entries.push_back(name == kPhpOpener ? std::string(name)
                                       : std::string(name) + ">");
  // A line without a kind is taken as an element with an end tag.
  const bool end_tag =
      bar == std::string_view::npos ||
      HasEndTagKind(line.substr(bar + 1, line.find('|', bar + 1) - bar - 1));
  if (end_tag) entries.push_back(std::string("/").append(name).append(">"));
}

}  // namespace

std::vector<std::string> ParseCompletionList(std::string_view bytes) {
  std::vector<std::string> entries;
  for (const std::string& line : SplitLines(bytes)) AddEntries(line, entries);
  return entries;
}

std::vector<std::string> LoadCompletionList(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return {};
  return ParseCompletionList(*bytes);
}

std::optional<size_t> FindCompletionByPrefix(
    const std::vector<std::string>& entries, std::string_view prefix) {
  if (prefix.empty()) return std::nullopt;
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string_view entry = entries[i];
    if (entry.size() >= prefix.size() &&
        EqualsIgnoringCase(entry.substr(0, prefix.size()), prefix)) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<size_t> StepCompletion(std::optional<size_t> selected,
                                     size_t entry_count, ListStep step) {
  if (entry_count == 0) return std::nullopt;
  const size_t last = entry_count - 1;
  if (step == ListStep::kDown) {
    return !selected || *selected >= last ? 0 : *selected + 1;
  }
  return !selected || *selected == 0 || *selected > last ? last : *selected - 1;
}

bool CompletionBroken(std::string_view text, int64_t start, int64_t caret) {
  if (caret < start) return true;
  const int64_t size = static_cast<int64_t>(text.size());
  const std::string_view typed =
      start >= size ? std::string_view()
                    : text.substr(start, std::min(caret, size) - start);
  if (typed.find_first_of("><;)(,\t ") != std::string_view::npos) return true;
  if (typed.find("\r\n") != std::string_view::npos) return true;
  return start < 1 || start > size || text[start - 1] != '<';
}

}  // namespace quillory
