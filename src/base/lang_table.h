#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// The numbered interface texts of the current language: entry k is line
// k + 1 of main.lng. Entries are used exactly as written (no trimming, no
// escapes). Knows nothing of windows or of which entry captions what.
class LangTable {
 public:
  // Takes the entries from main.lng's bytes: the text is split at every
  // CR LF (at every LF when the file has no CR at all) and the piece after
  // the last line end is not an entry. Bytes that hold no complete line
  // (empty, or one line without its line end) keep the previous entries and
  // return false.
  bool LoadFromBytes(std::string_view main_lng);

  // LoadFromBytes on the file's content; a missing or unreadable file keeps
  // the previous entries and returns false.
  bool LoadFromFile(const std::string& path);

  // Empty for an index outside 0 to Size() - 1.
  std::optional<std::string> Entry(int index) const;
  // The entry, or `fallback` for an index the table does not have.
  std::string EntryOr(int index, std::string_view fallback) const;
  int Size() const { return static_cast<int>(entries_.size()); }

 private:
  std::vector<std::string> entries_;
};

// Turns the line-break markers "<BR>" and "<br>" (only these two
// spellings) into CR LF, for entries shown with their markers replaced.
std::string WithLineBreaks(std::string_view entry);

}  // namespace quillory
