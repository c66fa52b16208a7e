#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/document_line_ends.h"

namespace quillory {

// What opening a file must know before its bytes go into the editor.
struct FileSurvey {
  int64_t editing_size = 0;  // bytes the editor will hold
  LineEnds line_ends = LineEnds::kAsStored;
  bool valid_utf8 = true;
  // The longest line as the editor lays it out: lines end at LF, and a line
  // longer than kSlowLineBytes also at each CR inside it.
  size_t longest_line = 0;
};

// Reads the file at `path` through once, a piece at a time, so a file of
// any size costs no more memory than a piece; nullopt when it cannot be
// read (a folder opens but fails on the first read).
std::optional<FileSurvey> SurveyFile(const std::string& path);

// Reads the file again and hands `take` the bytes the editor holds, a
// piece at a time: each LF made CR LF for kLfOnly, every other byte as it
// is. False when reading fails.
bool ReadForEditing(const std::string& path, LineEnds line_ends,
                    const std::function<void(std::string_view)>& take);

}  // namespace quillory
