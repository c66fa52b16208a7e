#include "editor/php_keywords.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "base/file_bytes.h"
#include "editor/word_bytes.h"

namespace quillory {
namespace {

uint32_t HashWord(const char* word, size_t length) {
  uint32_t hash = 2166136261u;
  for (size_t i = 0; i < length; ++i) {
    hash = (hash ^ static_cast<unsigned char>(word[i])) * 16777619u;
  }
  return hash;
}

bool IsWordKeyword(std::string_view word) {
  return std::all_of(word.begin(), word.end(), IsWordByte);
}

// Words longer than 63 share the top bit; the table settles them.
uint64_t LengthBit(size_t length) {
  return uint64_t{1} << std::min<size_t>(length, 63);
}

}  // namespace

PhpKeywords::PhpKeywords(std::vector<std::string> words)
    : words_(std::move(words)),
      next_same_(words_.size(), 0),
      lengths_by_first_byte_(256, 0) {
  // NOTE: at most half full, so every probe sequence meets a free slot.
  table_.assign(std::bit_ceil(2 * words_.size() + 2), 0);
  for (uint32_t i = 0; i < words_.size(); ++i) {
    if (words_[i].empty()) continue;
    longest_entry_ = std::max(longest_entry_, words_[i].size());
    if (IsWordKeyword(words_[i])) {
      AddWordKeyword(i);
    } else {
      other_words_.push_back(i);
    }
  }
}

void PhpKeywords::AddWordKeyword(uint32_t list_index) {
  const std::string& word = words_[list_index];
  uint32_t entry = Find(word.data(), word.size());
  if (entry != 0) {
    while (next_same_[entry - 1] != 0) entry = next_same_[entry - 1];
    next_same_[entry - 1] = list_index + 1;
    return;
  }
  const size_t mask = table_.size() - 1;
  size_t slot = HashWord(word.data(), word.size()) & mask;
  while (table_[slot] != 0) slot = (slot + 1) & mask;
  table_[slot] = list_index + 1;
  lengths_by_first_byte_[static_cast<unsigned char>(word[0])] |=
      LengthBit(word.size());
  max_length_ = std::max(max_length_, word.size());
}

uint32_t PhpKeywords::Find(const char* word, size_t length) const {
  if (table_.empty()) return 0;
  const size_t mask = table_.size() - 1;
  for (size_t slot = HashWord(word, length) & mask; table_[slot] != 0;
       slot = (slot + 1) & mask) {
    const std::string& candidate = words_[table_[slot] - 1];
    if (std::string_view(candidate) == std::string_view(word, length)) {
      return table_[slot];
    }
  }
  return 0;
}

void PhpKeywords::AppendHits(uint32_t list_index, int64_t position,
                             uint32_t length,
                             std::vector<KeywordHit>& hits) const {
  for (uint32_t entry = list_index + 1; entry != 0;
       entry = next_same_[entry - 1]) {
    hits.push_back({position, length, entry - 1});
  }
}

void PhpKeywords::FindWordKeywords(std::string_view text, int64_t from,
                                   int64_t to,
                                   std::vector<KeywordHit>& hits) const {
  const int64_t size = static_cast<int64_t>(text.size());
  const int64_t end = std::min(to, size);  // 0-based scan stops here
  const int64_t longest = static_cast<int64_t>(max_length_);
  if (longest == 0 || from > end) return;
  const char* bytes = text.data();
  int64_t i = std::max<int64_t>(from, 1) - 1;
  // A word already running at `from` does not start within the range.
  if (i > 0 && IsWordByte(bytes[i - 1])) {
    while (i < end && IsWordByte(bytes[i])) ++i;
  }
  while (i < end) {
    if (!IsWordByte(bytes[i])) {
      ++i;
      continue;
    }
    const int64_t start = i;
    // Past the range the word matters only while it could still be a keyword.
    while (i < size && IsWordByte(bytes[i]) &&
           (i < end || i - start <= longest)) {
      ++i;
    }
    const int64_t length = i - start;
    const bool ended = i == size || !IsWordByte(bytes[i]);
    if (!ended || length > longest) continue;
    const uint64_t lengths =
        lengths_by_first_byte_[static_cast<unsigned char>(bytes[start])];
    if ((lengths & LengthBit(length)) == 0) continue;
    if (uint32_t entry = Find(bytes + start, length); entry != 0) {
      AppendHits(entry - 1, start + 1, static_cast<uint32_t>(length), hits);
    }
  }
}

void PhpKeywords::FindOtherKeywords(std::string_view text, int64_t from,
                                    int64_t to,
                                    std::vector<KeywordHit>& hits) const {
  const int64_t size = static_cast<int64_t>(text.size());
  from = std::max<int64_t>(from, 1);
  for (uint32_t list_index : other_words_) {
    const std::string& word = words_[list_index];
    const int64_t length = static_cast<int64_t>(word.size());
    for (int64_t p = from; p <= to && p <= size;) {
      // Only occurrences starting by `to` count, so the search stops there.
      const int64_t window = std::min(size, to + length - 1) - (p - 1);
      const size_t found = text.substr(p - 1, window).find(word);
      if (found == std::string_view::npos) break;
      const int64_t at = p + static_cast<int64_t>(found);
      const bool word_before = at > 1 && IsWordByte(text[at - 2]);
      const bool word_after =
          at + length <= size && IsWordByte(text[at + length - 1]);
      if (!word_before && !word_after) {
        hits.push_back({at, static_cast<uint32_t>(length), list_index});
      }
      p = at + length;
    }
  }
}

std::vector<std::string> ParsePhpKeywordList(std::string_view bytes) {
  return SplitLines(bytes);
}

PhpKeywords LoadPhpKeywords(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return PhpKeywords();
  return PhpKeywords(ParsePhpKeywordList(*bytes));
}

}  // namespace quillory
