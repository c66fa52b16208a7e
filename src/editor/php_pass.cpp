#include "editor/php_pass.h"

#include <algorithm>
#include <span>

namespace quillory {
namespace {

// The part of a block whose keywords are emphasised.
TextRange KeywordSpan(PhpBlock block, TextRange range) {
  return {std::max(block.open, range.first), std::min(block.close, range.last)};
}

bool ByListEntry(const KeywordHit& a, const KeywordHit& b) {
  return a.list_index < b.list_index;
}

// Turns the hits of one block into runs in the order a walk down the word
// list meets them: by list entry, and in text order within an entry.
class KeywordRunWriter {
 public:
  KeywordRunWriter(const PhpKeywords& keywords, PhpPassScratch& scratch)
      : keywords_(keywords), mixed_(scratch.mixed), starts_(scratch.starts) {
    starts_.resize(keywords.words().size() + 1);
  }

  // `hits` are in text order.
  void Write(std::string_view text, TextRange span,
             std::span<const KeywordHit> hits, std::vector<FormatRun>& runs) {
    if (keywords_.has_other_keywords()) {
      // Such keywords are searched per block and come in list order already.
      mixed_.assign(hits.begin(), hits.end());
      keywords_.FindOtherKeywords(text, span.first, span.last, mixed_);
      std::stable_sort(mixed_.begin(), mixed_.end(), ByListEntry);
      return Append(mixed_, runs);
    }
    if (std::is_sorted(hits.begin(), hits.end(), ByListEntry)) {
      return Append(hits, runs);
    }
    constexpr size_t kFew = 32;
    if (hits.size() <= kFew) {
      mixed_.assign(hits.begin(), hits.end());
      std::stable_sort(mixed_.begin(), mixed_.end(), ByListEntry);
      return Append(mixed_, runs);
    }
    Scatter(hits, runs);
  }

 private:
  static void Append(std::span<const KeywordHit> hits,
                     std::vector<FormatRun>& runs) {
    for (const KeywordHit& hit : hits) {
      runs.push_back({hit.position, hit.length, RunKind::kKeyword});
    }
  }

  // A counting sort by list entry straight into the runs; it keeps text
  // order within an entry without comparing positions.
  void Scatter(std::span<const KeywordHit> hits, std::vector<FormatRun>& runs) {
    std::fill(starts_.begin(), starts_.end(), 0);
    for (const KeywordHit& hit : hits) ++starts_[hit.list_index + 1];
    for (size_t i = 1; i < starts_.size(); ++i) starts_[i] += starts_[i - 1];
    const size_t base = runs.size();
    runs.resize(base + hits.size());
    for (const KeywordHit& hit : hits) {
      runs[base + starts_[hit.list_index]++] = {hit.position, hit.length,
                                                RunKind::kKeyword};
    }
  }

  const PhpKeywords& keywords_;
  std::vector<KeywordHit>& mixed_;
  std::vector<size_t>& starts_;
};

void AddBlockRun(PhpBlock block, TextRange range,
                 std::vector<FormatRun>& runs) {
  // From the "<?" (or just after the range's start) through the "?>".
  const int64_t from = block.open <= range.first ? range.first + 1 : block.open;
  const int64_t to = std::min(block.close + 1, range.last);
  if (from <= to) AddRun(runs, from, to, RunKind::kPhp);
}

std::span<const KeywordHit> HitsWithin(const std::vector<KeywordHit>& hits,
                                       TextRange span) {
  const auto begin = std::lower_bound(
      hits.begin(), hits.end(), span.first,
      [](const KeywordHit& hit, int64_t at) { return hit.position < at; });
  const auto end = std::upper_bound(
      begin, hits.end(), span.last,
      [](int64_t at, const KeywordHit& hit) { return at < hit.position; });
  return {begin, end};
}

// How many blocks from `first` on share one walk for keywords: their spans
// overlap or touch. NOTE: blocks come last first and a later "<?" never
// closes earlier, so both ends of the spans descend.
size_t GroupEnd(const std::vector<PhpBlock>& blocks, size_t first,
                TextRange range, TextRange& merged) {
  merged = KeywordSpan(blocks[first], range);
  size_t end = first + 1;
  for (; end < blocks.size(); ++end) {
    const TextRange span = KeywordSpan(blocks[end], range);
    if (span.last + 1 < merged.first) break;
    merged.first = std::min(merged.first, span.first);
  }
  return end;
}

}  // namespace

void AddPhpRuns(std::string_view text, TextRange range,
                const std::vector<PhpBlock>& blocks,
                const PhpKeywords& keywords, std::vector<FormatRun>& runs) {
  PhpPassScratch scratch;
  AddPhpRuns(text, range, blocks, keywords, scratch, runs);
}

void AddPhpRuns(std::string_view text, TextRange range,
                const std::vector<PhpBlock>& blocks,
                const PhpKeywords& keywords, PhpPassScratch& scratch,
                std::vector<FormatRun>& runs) {
  KeywordRunWriter writer(keywords, scratch);
  std::vector<KeywordHit>& hits = scratch.hits;
  for (size_t first = 0, end = 0; first < blocks.size(); first = end) {
    TextRange merged;
    end = GroupEnd(blocks, first, range, merged);
    hits.clear();
    // Room for a keyword every 8 bytes: address space, not copying.
    hits.reserve((merged.last - merged.first) / 8 + 16);
    keywords.FindWordKeywords(text, merged.first, merged.last, hits);
    for (size_t i = first; i < end; ++i) {
      AddBlockRun(blocks[i], range, runs);
      const TextRange span = KeywordSpan(blocks[i], range);
      writer.Write(text, span, HitsWithin(hits, span), runs);
    }
  }
}

}  // namespace quillory
