#include "tools/tidy_output.h"

#include "base/text_util.h"
#include "editor/case_blind_search.h"
#include "tools/tool_output.h"

namespace quillory {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Reads a text forward from a position, one expected piece at a time.
class Scanner {
 public:
  Scanner(std::string_view text, size_t at) : text_(text), at_(at) {}

  size_t at() const { return at_; }

  // The piece, letter case ignored.
  bool Take(std::string_view piece) {
    if (!EqualsIgnoringCase(text_.substr(at_, piece.size()), piece)) {
      return false;
    }
    at_ += piece.size();
    return true;
  }

  // Blanks and line ends, at least `least` of them.
  bool SkipSpace(size_t least) {
    const size_t start = at_;
    while (at_ < text_.size() && IsSpace(text_[at_])) ++at_;
    return at_ - start >= least;
  }

  bool SkipPast(char c) {
    const size_t found = text_.find(c, at_);
    if (found == text_.npos) return false;
    at_ = found + 1;
    return true;
  }

 private:
  std::string_view text_;
  size_t at_;
};

// Where Tidy's generator element starting at `at` ends, with its line end.
std::optional<size_t> TidyGeneratorEnd(std::string_view page, size_t at) {
  Scanner scan(page, at);
  const bool generator = scan.Take("<meta") && scan.SkipSpace(1) &&
                         scan.Take(R"(name="generator")") &&
                         scan.SkipSpace(1) && scan.Take("content=") &&
                         scan.SkipSpace(0) && scan.Take(R"("HTML Tidy)") &&
                         scan.SkipPast('"') && scan.SkipSpace(0) &&
                         (scan.Take(">") || scan.Take("/>"));
  if (!generator) return std::nullopt;
  scan.Take("\r\n");
  return scan.at();
}

// The start of the blanks before `at` when nothing else precedes it on its
// line; otherwise `at`.
size_t IndentStart(std::string_view page, size_t at, size_t floor) {
  size_t start = at;
  while (start > floor && (page[start - 1] == ' ' || page[start - 1] == '\t')) {
    --start;
  }
  return start == 0 || page[start - 1] == '\n' ? start : at;
}

}  // namespace

std::string_view MessagesBeforeEmptyLine(std::string_view messages) {
  const size_t empty_line = messages.find("\r\n\r\n");
  if (empty_line == messages.npos) return messages;
  return messages.substr(0, empty_line == 0 ? 0 : empty_line - 1);
}

std::string WithoutTidyGenerator(std::string_view page) {
  std::string kept;
  size_t copied = 0;
  for (int64_t found = FindForward(page, "<meta", 1); found > 0;) {
    const size_t at = found - 1;
    const std::optional<size_t> end = TidyGeneratorEnd(page, at);
    if (!end) {
      found = FindForward(page, "<meta", found + 1);
      continue;
    }
    kept.append(page.substr(copied, IndentStart(page, at, copied) - copied));
    copied = *end;
    found = FindForward(page, "<meta", *end + 1);
  }
  kept.append(page.substr(copied));
  return kept;
}

ToolResult TidyResult(TidyCommand command,
                      const std::optional<Capture>& capture) {
  const bool check = command == TidyCommand::kCheck;
  if (!capture) {
    return {
        check ? ToolResultUse::kShowMessages : ToolResultUse::kReplaceDocument,
        std::string(kNotRunOutput)};
  }
  const std::string output = WithCrLfLineEnds(capture->output);
  if (check) {
    return {ToolResultUse::kShowMessages,
            std::string(MessagesBeforeEmptyLine(output))};
  }
  if (output.empty()) {
    return {ToolResultUse::kShowMessages, WithCrLfLineEnds(capture->errors)};
  }
  return {ToolResultUse::kReplaceDocument,
          WithoutTidyGenerator(UpToLastHtmlEnd(output, LetterCase::kIgnored))};
}

}  // namespace quillory
