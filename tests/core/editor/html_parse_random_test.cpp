// Compares the colouring pass, with and without an index kept through
// edits, against a literal reading of the colouring rules on random texts.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/editor/format_runs.h"
#include "core/editor/guarded_text_source.h"
#include "editor/html_parse.h"
#include "editor/php_block_index.h"
#include "editor/php_blocks.h"

namespace quillory {
namespace {

// The rules read word by word, searching the whole text each time; slow and
// plain on purpose.
class LiteralColouring {
 public:
  LiteralColouring(std::string_view text, std::vector<std::string> words)
      : text_(text), n_(static_cast<int64_t>(text.size())), words_(words) {}

  Runs Parse(int64_t sel_start, int64_t s, int64_t e) {
    if (n_ == 0) return {};
    if (s == -1) s = FindRangeStart(sel_start);
    if (e == -1) {
      e = InStr(sel_start < 1 ? 1 : sel_start, "\r\n");
      if (e == 0) e = n_;
    }
    s = std::max<int64_t>(s, 1);
    e = std::min(e, n_);
    if (s > e) return {};
    Add(s, e, RunKind::kReset);
    Tags(s, e);
    PhpBlocks(s, e);
    Quotes(s, e);
    return runs_;
  }

 private:
  char At(int64_t p) const { return text_[p - 1]; }

  int64_t InStr(int64_t from, std::string_view what) const {
    if (from < 1) from = 1;
    if (from > n_) return 0;
    const size_t found = text_.find(what, from - 1);
    return found == std::string_view::npos ? 0 : found + 1;
  }

  int64_t FindRangeStart(int64_t sel_start) const {
    if (sel_start < 2) return 1;
    for (int64_t r = std::min(sel_start, n_) - 1; r >= 1; --r) {
      if (At(r) == '\r' && At(r + 1) == '\n') return r;
    }
    return 1;
  }

  void Add(int64_t from, int64_t to, RunKind kind) {
    if (from <= to) runs_.push_back({from, uint32_t(to - from + 1), kind});
  }

  void Tags(int64_t s, int64_t e) {
    int64_t p = InStr(s, "<");
    while (p != 0 && p <= e) {
      int64_t q = InStr(p, ">");
      if (q == 0 || q > e) q = e;
      Add(p, q, RunKind::kTag);
      const int64_t next = InStr(q, "<");
      if (next == 0 || next > e || next == q) break;
      p = next;
    }
  }

  bool IsWord(int64_t p) const {
    if (p < 1 || p > n_) return false;
    const unsigned char c = At(p);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           (c >= '0' && c <= '9') || c == '_' || c >= 192;
  }

  void PhpBlocks(int64_t s, int64_t e) {
    for (int64_t k = e - 1; k >= 1; --k) {
      if (At(k) != '<' || At(k + 1) != '?') continue;
      int64_t end = InStr(k, "?>");
      if (end == 0) end = n_;
      if ((s < k && e <= k) || (e > end && s >= end)) continue;
      Add(k - 1 < s ? s + 1 : k, end + 1 > e ? e : end + 1, RunKind::kPhp);
      Keywords(k < s ? s : k, end > e ? e : end);
    }
  }

  void Keywords(int64_t a, int64_t b) {
    for (const std::string& w : words_) {
      if (w.empty()) continue;
      const int64_t len = static_cast<int64_t>(w.size());
      for (int64_t p = InStr(a, w); p != 0 && p <= b; p = InStr(p + len, w)) {
        if (!IsWord(p - 1) && !IsWord(p + len)) {
          Add(p, p + len - 1, RunKind::kKeyword);
        }
      }
    }
  }

  int64_t Unescaped(int64_t from, char quote, int64_t limit) const {
    int64_t p = InStr(from, std::string(1, quote));
    while (p > 1 && p < limit && At(p - 1) == '\\') {
      p = InStr(p + 1, std::string(1, quote));
    }
    return p;
  }

  void Quotes(int64_t s, int64_t e) {
    const char quotes[] = {'"', '\'', '`'};
    int64_t pos = s <= 1 ? 1 : s - 1;
    while (pos < e) {
      int64_t best = e;
      int kind = -1;
      for (int i = 0; i < 3; ++i) {
        const int64_t p = Unescaped(pos, quotes[i], best);
        if (p != 0 && p < best) {
          best = p;
          kind = i;
        }
      }
      if (kind < 0) break;
      int64_t c = Unescaped(best + 1, quotes[kind], n_ + 1);
      if (c == 0 || c > e) c = e;
      Add(best, c, RunKind::kString);
      pos = c + 1;
    }
  }

  std::string_view text_;
  int64_t n_;
  std::vector<std::string> words_;
  Runs runs_;
};

using std::string_literals::operator""s;

// Octal \300 is byte 0xC0, a word byte that a hex escape would run into.
const std::vector<std::string> kPieces = {
    "<",    ">",    "?",  "\"",   "'",    "`",
    "\\",   "\r\n", "\r", "\n",   " ",    "a",
    "b",    "_",    "1",  "\xC0", "\xFF", "\x80",
    "\0"s,  "$",    "-",  "<?",   "?>",   "<?php",
    "echo", "if",   "aa", "\\\"", "x$x",  "<a href=\"x\">"};

const std::vector<std::string> kWords = {"echo", "if", "aa", "echo",  "",
                                         "$x",   "a-", "??", "\300a", "b"};

class RandomText {
 public:
  explicit RandomText(uint32_t seed) : engine_(seed) {}

  int64_t Between(int64_t low, int64_t high) {
    return std::uniform_int_distribution<int64_t>(low, high)(engine_);
  }

  std::string Text(int64_t max_pieces) {
    std::string text;
    for (int64_t i = Between(0, max_pieces); i > 0; --i) {
      text += kPieces[Between(0, kPieces.size() - 1)];
    }
    return text;
  }

 private:
  std::mt19937 engine_;
};

struct Request {
  int64_t sel_start;
  int64_t first;
  int64_t last;
};

std::vector<Request> SomeRequests(RandomText& random, int64_t n) {
  return {{0, 1, n},
          {random.Between(-1, n + 2), -1, -1},
          {random.Between(-1, n + 2), random.Between(-2, n + 2), -1},
          {random.Between(-1, n + 2), -1, random.Between(-2, n + 2)},
          {0, random.Between(-2, n + 2), random.Between(-2, n + 2)}};
}

// Checks the plain call, the call with `index`, and `colourer`, which has
// coloured other texts before.
void ExpectSameAsLiteral(std::string_view text, HtmlColourer& colourer,
                         const PhpBlockIndex& index, RandomText& random) {
  const PhpKeywords& keywords = colourer.keywords();
  const int64_t n = static_cast<int64_t>(text.size());
  for (const Request& r : SomeRequests(random, n)) {
    const Runs expected = LiteralColouring(text, keywords.words())
                              .Parse(r.sel_start, r.first, r.last);
    SCOPED_TRACE(::testing::Message()
                 << "text \"" << ::testing::PrintToString(std::string(text))
                 << "\" request " << r.sel_start << " " << r.first << " "
                 << r.last);
    ASSERT_EQ(ParseHTML(text, r.sel_start, r.first, r.last, keywords),
              expected);
    ASSERT_EQ(ParseHTML(text, r.sel_start, r.first, r.last, keywords, &index),
              expected);
    ASSERT_EQ(colourer.Colour(text, r.sel_start, r.first, r.last, &index),
              expected);
    for (char guard : kGuards) {
      GuardedTextSource source(text, guard);
      ASSERT_EQ(colourer.Colour(source, r.sel_start, r.first, r.last, index),
                expected)
          << "read in pieces, guard " << guard;
    }
  }
}

// Each text is checked as it is and, one in 31 (so with every keyword list
// and length), through 40 edits that keep its index.
TEST(ParseHtmlRandomTest, ScanAndIndexMatchLiteralReadingThroughEdits) {
  RandomText random(20240601);
  const std::vector<std::string> word_keywords = {"b", "echo", "if",   "aa",
                                                  "a", "b",    "\300a"};
  HtmlColourer colourers[] = {HtmlColourer(PhpKeywords(kWords)),
                              HtmlColourer(PhpKeywords()),
                              HtmlColourer(PhpKeywords(word_keywords))};
  for (int round = 0; round < 3000; ++round) {
    std::string text = random.Text(round % 10 == 0 ? 200 : 40);
    PhpBlockIndex index(text);
    HtmlColourer& colourer = colourers[round % 3];
    ExpectSameAsLiteral(text, colourer, index, random);
    for (int edit = 0; round % 31 == 1 && edit < 40; ++edit) {
      const int64_t n = static_cast<int64_t>(text.size());
      const int64_t offset = random.Between(0, n);
      const int64_t removed =
          random.Between(0, std::min<int64_t>(n - offset, 6));
      const std::string inserted = random.Text(3);
      text.replace(offset, removed, inserted);
      GuardedTextSource source(text, kGuards[edit % kGuards.size()]);
      index.Update(source, offset, removed, inserted.size());
      ExpectSameAsLiteral(text, colourer, index, random);
    }
  }
}

}  // namespace
}  // namespace quillory
