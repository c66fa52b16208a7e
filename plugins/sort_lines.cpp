// Sorts the lines the selection touches, or every line when nothing is
// selected, and keeps one of each run of equal lines.

#include <algorithm>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "quillory/plugin.h"

namespace {

constexpr std::string_view kCrLf = "\r\n";

size_t Clamp(int32_t position, size_t size) {
  return position < 0 ? 0 : std::min(static_cast<size_t>(position), size);
}

size_t LineStart(std::string_view text, size_t pos) {
  const size_t line_feed = pos == 0 ? text.npos : text.rfind('\n', pos - 1);
  return line_feed == text.npos ? 0 : line_feed + 1;
}

// Where the line holding byte `pos` ends, before its line end.
size_t LineEnd(std::string_view text, size_t pos) {
  const size_t line_feed = text.find('\n', pos);
  if (line_feed == text.npos) return text.size();
  return line_feed > 0 && text[line_feed - 1] == '\r' ? line_feed - 1
                                                      : line_feed;
}

std::vector<std::string_view> SplitLines(std::string_view block) {
  std::vector<std::string_view> lines;
  for (size_t start = 0;;) {
    const size_t end = block.find(kCrLf, start);
    lines.push_back(block.substr(start, end - start));
    if (end == block.npos) return lines;
    start = end + kCrLf.size();
  }
}

std::string Sorted(std::string_view text, size_t from, size_t to) {
  std::vector<std::string_view> lines =
      SplitLines(text.substr(from, to - from));
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  std::string result(text.substr(0, from));
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) result += kCrLf;
    result += lines[i];
  }
  return result += text.substr(to);
}

const char* Name(const QuilloryPluginObject*) {
  return "Sort lines, drop repeats";
}

// A selection that ends at the start of a line leaves that line out; the
// document's last line end stays last.
int Run(const QuilloryPluginObject*, const QuilloryRunCall* call) {
  try {
    const std::string_view text(call->text, call->text_length);
    const size_t start = Clamp(call->sel_start, text.size());
    const size_t end = Clamp(call->sel_end, text.size());
    size_t from = 0;
    size_t to =
        text.ends_with(kCrLf) ? text.size() - kCrLf.size() : text.size();
    if (end > start) {
      from = LineStart(text, start);
      to = LineEnd(text, end - 1);
    }
    const std::string result = Sorted(text, from, to);
    return call->set_result(call->host, result.data(), result.size());
  } catch (const std::exception& error) {
    call->set_error(call->host, error.what());
    return 0;
  }
}

const QuilloryPluginObject kSortLines{QUILLORY_PLUGIN_ABI_VERSION, &Name, &Run};

}  // namespace

extern "C" const QuilloryPluginObject* QuilloryCreateObject(
    const char* class_name) {
  return std::string_view(class_name) == "SortLines.Data" ? &kSortLines
                                                          : nullptr;
}
