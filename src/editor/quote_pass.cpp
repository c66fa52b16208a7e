#include "editor/quote_pass.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quillory {
namespace {

enum class QuoteKind : char {
  kDouble = '"',
  kApostrophe = '\'',
  kBackquote = '`',
};

// The order breaks ties between kinds.
constexpr std::array<QuoteKind, 3> kQuoteKinds = {
    QuoteKind::kDouble, QuoteKind::kApostrophe, QuoteKind::kBackquote};

// The next unescaped occurrence of one quote byte within ..last. Searches
// only ever move forward, so a quote kind that is far away or absent is
// looked for once, not once per string.
class QuoteFinder {
 public:
  QuoteFinder(std::string_view text, QuoteKind kind, int64_t last)
      : text_(text), quote_(static_cast<char>(kind)), last_(last) {}

  // 1-based position of the first unescaped quote at or after `from` (which
  // never decreases between calls), or last + 1 when there is none.
  int64_t AtOrAfter(int64_t from) {
    if (next_ < from) next_ = Search(from);
    return next_;
  }

 private:
  int64_t Search(int64_t from) const {
    const char* bytes = text_.data();
    for (int64_t i = from - 1; i < last_;) {  // 0-based
      const void* found = std::memchr(bytes + i, quote_, last_ - i);
      if (found == nullptr) break;
      const int64_t at = static_cast<const char*>(found) - bytes;
      if (at == 0 || bytes[at - 1] != '\\') return at + 1;
      i = at + 1;
    }
    return last_ + 1;
  }

  std::string_view text_;
  char quote_;
  int64_t last_;
  int64_t next_ = 0;
};

}  // namespace

void AddQuoteRuns(std::string_view text, TextRange range,
                  std::vector<FormatRun>& runs) {
  const int64_t last = range.last;
  std::array<QuoteFinder, 3> finders = {
      QuoteFinder(text, kQuoteKinds[0], last),
      QuoteFinder(text, kQuoteKinds[1], last),
      QuoteFinder(text, kQuoteKinds[2], last)};
  for (int64_t pos = range.first <= 1 ? 1 : range.first - 1; pos < last;) {
    // Strictly before the best so far: the earliest wins, ties go to the
    // kind listed first, and a quote at the range's end opens nothing.
    int64_t open = last;
    QuoteFinder* kind = nullptr;
    for (QuoteFinder& finder : finders) {
      const int64_t candidate = finder.AtOrAfter(pos);
      if (candidate < open) {
        open = candidate;
        kind = &finder;
      }
    }
    if (kind == nullptr) return;
    const int64_t close = std::min(kind->AtOrAfter(open + 1), last);
    AddRun(runs, open, close, RunKind::kString);
    pos = close + 1;
  }
}

}  // namespace quillory
