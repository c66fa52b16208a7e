#include "app/file_commands.h"

#include <algorithm>
#include <cstdio>

#include "app/text_util.h"

namespace quillory {

std::string_view FileNameOfPath(std::string_view path) {
  return AfterLast(path, '/');
}

std::string LoadingStatus(const LangTable& lang) {
  return lang.EntryOr(kLoadingText, "");
}

std::string LoadedStatus(const LangTable& lang) {
  return LoadingStatus(lang) + "  " + lang.EntryOr(kColouredText, "") + "100%";
}

SaveRoute SaveRouteFor(const Document& document) {
  return document.file_path.empty() ? SaveRoute::kAskForName
                                    : SaveRoute::kWriteToFile;
}

std::optional<std::string> CloseQuestion(const Document& document,
                                         const LangTable& lang) {
  if (document.saved) return std::nullopt;
  // A language file too short to hold the question must not let a document
  // with changes close silently.
  return lang.EntryOr(kCloseQuestionText,
                      "Save the changes to this document before closing it?");
}

namespace {

size_t LongestPiece(std::string_view text, char separator) {
  size_t longest = 0;
  while (true) {
    const size_t end = text.find(separator);
    longest = std::max(longest, std::min(end, text.size()));
    if (end == std::string_view::npos) return longest;
    text.remove_prefix(end + 1);
  }
}

// Exact for lines longer than kSlowLineBytes, which is all that matters:
// only pieces between LF that are that long are searched for CR, so the
// common file costs one quick pass.
size_t LongestSlowLine(std::string_view bytes) {
  size_t longest = 0;
  while (true) {
    const size_t end = bytes.find('\n');
    const std::string_view line = bytes.substr(0, end);
    longest = std::max(longest, line.size() > kSlowLineBytes
                                    ? LongestPiece(line, '\r')
                                    : line.size());
    if (end == std::string_view::npos) return longest;
    bytes.remove_prefix(end + 1);
  }
}

}  // namespace

std::optional<std::string> LongLineQuestion(std::string_view file_name,
                                            std::string_view bytes) {
  const size_t longest = LongestSlowLine(bytes);
  if (longest <= kSlowLineBytes) return std::nullopt;
  char megabytes[32];
  std::snprintf(megabytes, sizeof megabytes, "%.1f",
                static_cast<double>(longest) / (1024 * 1024));
  return std::string(FileNameOfPath(file_name)) + " has a line of " +
         megabytes +
         " MB. Lines that long are shown and edited slowly: each change to "
         "it may keep the window busy for seconds. Open it anyway?";
}

}  // namespace quillory
