#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/format_run.h"

namespace quillory::fuzz {

// The rules read word by word, searching the whole text each time; slow and
// plain on purpose.
class LiteralColouring {
 public:
  LiteralColouring(std::string_view text, std::vector<std::string> words)
      : text_(text), n_(static_cast<int64_t>(text.size())), words_(words) {}

  std::vector<FormatRun> Parse(int64_t sel_start, int64_t s, int64_t e) {
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
  std::vector<FormatRun> runs_;
};

}  // namespace quillory::fuzz
