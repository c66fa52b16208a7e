#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// Splits at every occurrence of `separator`. An empty text gives no pieces,
// so callers that fill slots from the pieces keep their old values.
std::vector<std::string> Split(std::string_view text,
                               std::string_view separator);

// Joins with `separator` between the pieces (none before or after).
std::string Join(const std::vector<std::string>& pieces,
                 std::string_view separator);

// ASCII letters folded; other bytes stay as they are.
char LowerAscii(char c);
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Removes leading and trailing blanks (spaces only, as the settings and
// command-line rules mean by "blanks").
std::string_view TrimBlanks(std::string_view text);

// Returns the text after the last `separator`, or the whole text without one.
std::string_view AfterLast(std::string_view text, char separator);

// The tab caption of a file opened or saved under `path`, and the caption
// of its recent-menu entry: the text after the last "/", or the whole path
// without one.
std::string_view FileNameOfPath(std::string_view path);
// The folder part of `path`: up to and including its last "/"; empty
// without one.
std::string_view FolderOfPath(std::string_view path);

}  // namespace quillory
