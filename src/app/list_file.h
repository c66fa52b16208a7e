#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// The session the program reopens at start, in the per-user folder.
inline constexpr std::string_view kLastSessionFile = "last_session.qlp";

// A name ending in ".qlp" in any letter case names a list file (a project
// or a session), which opens every file it lists instead of itself.
bool IsListFileName(std::string_view file_name);

// The names a list file holds, in the order they are opened: one per piece
// between CR LF (between LF when the text has no CR at all). A final line
// end leaves an empty last name, and blank lines give empty names, which
// are opened like any other and fail as missing files. An empty text
// lists nothing.
std::vector<std::string> ListFileEntries(std::string_view text);

// The text of a list file naming `names` in order: CR LF between them and
// none after the last, so one name gives no line end at all. An empty name
// stays an empty line.
std::string ListFileText(const std::vector<std::string>& names);

// ListFileEntries of the file's bytes; a file that cannot be read lists
// nothing.
std::vector<std::string> ReadListFile(const std::string& path);

}  // namespace quillory
