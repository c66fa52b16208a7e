#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// A keyword occurrence that counts: the word at 1-based `position` is the
// keyword at `list_index` of the word list, with no word character on
// either side.
struct KeywordHit {
  int64_t position = 0;
  uint32_t length = 0;
  uint32_t list_index = 0;

  friend bool operator==(const KeywordHit&, const KeywordHit&) = default;
};

// The PHP keyword list in file order, matched case-sensitively. Finds every
// counted occurrence of every keyword in one walk over the text instead of
// one search per keyword. Knows nothing about PHP blocks or runs.
class PhpKeywords {
 public:
  PhpKeywords() = default;
  explicit PhpKeywords(std::vector<std::string> words);

  const std::vector<std::string>& words() const { return words_; }

  // Appends the counted occurrences of keywords made only of word
  // characters that start within from..to (1-based, inclusive), in position
  // order, several list entries of one word in list order. Reads at most
  // one longest keyword past `to`, and one byte before `from`.
  void FindWordKeywords(std::string_view text, int64_t from, int64_t to,
                        std::vector<KeywordHit>& hits) const;

  // Appends, for each keyword holding a character other than a word
  // character, in list order: the counted occurrences a search from `from`
  // finds, resuming after each occurrence it meets, up to `to`. Such
  // occurrences may overlap and depend on where the search starts, so they
  // are searched for each range.
  void FindOtherKeywords(std::string_view text, int64_t from, int64_t to,
                         std::vector<KeywordHit>& hits) const;

  bool has_other_keywords() const { return !other_words_.empty(); }
  // Length of the longest entry; no search reads further past its range.
  size_t longest_entry() const { return longest_entry_; }

 private:
  void AddWordKeyword(uint32_t list_index);
  // List index + 1 of the first entry equal to the word, or 0.
  uint32_t Find(const char* word, size_t length) const;
  void AppendHits(uint32_t list_index, int64_t position, uint32_t length,
                  std::vector<KeywordHit>& hits) const;

  std::vector<std::string> words_;
  std::vector<uint32_t> table_;      // open addressing: list index + 1, 0 free
  std::vector<uint32_t> next_same_;  // per entry: next equal entry + 1, or 0
  std::vector<uint64_t> lengths_by_first_byte_;  // bit n: a word of length n
  std::vector<uint32_t> other_words_;            // list indices
  size_t max_length_ = 0;                        // of the word keywords
  size_t longest_entry_ = 0;
};

// The keyword list from the bytes of a php.lng file: its lines in file
// order, split at CR LF (at LF when the file has LF line ends only). Empty
// lines stay in the list and never match.
std::vector<std::string> ParsePhpKeywordList(std::string_view bytes);

// The keywords of the file at `path`; none when it is missing or unreadable.
PhpKeywords LoadPhpKeywords(const std::string& path);

}  // namespace quillory
