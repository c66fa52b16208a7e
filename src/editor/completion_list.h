#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// The entries of the tag completion list, in file order, from the bytes of
// a syntaxHTML.lng file (lines "name|kind" split at CR LF, at LF when the
// file has LF line ends only). Each line gives name + ">" ("?php" alone
// for the line named exactly "?php"), followed by "/" + name + ">" when the
// kind's numeric value is 2 or the line has no "|". Empty lines give
// nothing.
std::vector<std::string> ParseCompletionList(std::string_view bytes);

// The entries of the file at `path`; none when it is missing or unreadable.
std::vector<std::string> LoadCompletionList(const std::string& path);

// Index of the first entry that begins with `prefix`, ASCII letters
// compared without case; none when nothing matches or the prefix is empty
// (the list then keeps its selection).
std::optional<size_t> FindCompletionByPrefix(
    const std::vector<std::string>& entries, std::string_view prefix);

enum class ListStep { kDown, kUp };

// The entry selected after one Down or Up: wraps at either end; with
// nothing selected Down takes the first entry and Up the last. None for an
// empty list.
std::optional<size_t> StepCompletion(std::optional<size_t> selected,
                                     size_t entry_count, ListStep step);

// Whether the completion opened at `start` (0-based, just after its "<")
// closes for a caret at 0-based `caret` in `text`: the caret is before the
// start; a ">", "<", space, ";", ")", "(", ",", tab or CR LF lies between
// the start and the caret; or the "<" before the start is gone.
bool CompletionBroken(std::string_view text, int64_t start, int64_t caret);

}  // namespace quillory
