#include "editor/php_pass.h"

#include <algorithm>

namespace quillory {
namespace {

// The part of a block whose keywords are emphasised.
TextRange KeywordSpan(PhpBlock block, TextRange range) {
  return {std::max(block.open, range.first), std::min(block.close, range.last)};
}

// NOTE: blocks come last first and a later "<?" never closes earlier, so
// their spans arrive with both ends descending and merge in one sweep.
std::vector<KeywordHit> FindWordHits(std::string_view text, TextRange range,
                                     const std::vector<PhpBlock>& blocks,
                                     const PhpKeywords& keywords) {
  std::vector<KeywordHit> hits;
  TextRange merged{1, 0};
  for (auto block = blocks.rbegin(); block != blocks.rend(); ++block) {
    const TextRange span = KeywordSpan(*block, range);
    if (!merged.empty() && span.first <= merged.last + 1) {
      merged.last = std::max(merged.last, span.last);
      continue;
    }
    if (!merged.empty()) {
      keywords.FindWordKeywords(text, merged.first, merged.last, hits);
    }
    merged = span;
  }
  if (!merged.empty()) {
    keywords.FindWordKeywords(text, merged.first, merged.last, hits);
  }
  return hits;
}

bool ListOrder(const KeywordHit& a, const KeywordHit& b) {
  return a.list_index != b.list_index ? a.list_index < b.list_index
                                      : a.position < b.position;
}

// Sorts by list entry, then position. Each entry's hits arrive in position
// order, so a counting sort by entry keeps the second key without comparing
// it.
void SortForListOrder(std::vector<KeywordHit>& hits, size_t word_count,
                      std::vector<KeywordHit>& scratch) {
  constexpr size_t kSmall = 64;
  if (hits.size() <= kSmall || hits.size() < word_count) {
    std::sort(hits.begin(), hits.end(), ListOrder);
    return;
  }
  std::vector<size_t> starts(word_count + 1, 0);
  for (const KeywordHit& hit : hits) ++starts[hit.list_index + 1];
  for (size_t i = 1; i <= word_count; ++i) starts[i] += starts[i - 1];
  scratch.resize(hits.size());
  for (const KeywordHit& hit : hits) scratch[starts[hit.list_index]++] = hit;
  hits.swap(scratch);
}

}  // namespace

void AddPhpRuns(std::string_view text, TextRange range,
                const std::vector<PhpBlock>& blocks,
                const PhpKeywords& keywords, std::vector<FormatRun>& runs) {
  if (blocks.empty()) return;
  const std::vector<KeywordHit> word_hits =
      FindWordHits(text, range, blocks, keywords);
  const size_t word_count = keywords.words().size();
  std::vector<KeywordHit> block_hits;
  std::vector<KeywordHit> scratch;
  for (const PhpBlock& block : blocks) {
    // From the "<?" (or just after the range's start) through the "?>".
    const int64_t from =
        block.open <= range.first ? range.first + 1 : block.open;
    const int64_t to = std::min(block.close + 1, range.last);
    if (from <= to) {
      runs.push_back({from, to - from + 1, kPhpColour, BoldChange::kKeep});
    }
    const TextRange span = KeywordSpan(block, range);
    const auto begin = std::lower_bound(
        word_hits.begin(), word_hits.end(), span.first,
        [](const KeywordHit& hit, int64_t at) { return hit.position < at; });
    const auto end = std::upper_bound(
        begin, word_hits.end(), span.last,
        [](int64_t at, const KeywordHit& hit) { return at < hit.position; });
    block_hits.assign(begin, end);
    keywords.FindOtherKeywords(text, span.first, span.last, block_hits);
    SortForListOrder(block_hits, word_count, scratch);
    for (const KeywordHit& hit : block_hits) {
      runs.push_back(
          {hit.position, hit.length, kKeywordColour, BoldChange::kOn});
    }
  }
}

}  // namespace quillory
