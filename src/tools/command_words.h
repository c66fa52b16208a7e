#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// The words of a tool's command line: split at blanks (spaces and tabs),
// with double quotes grouping blanks into a word. The quotes themselves are
// dropped, a quoted part joins the text next to it ("a"b is ab), "" is an
// empty word and a quote left open runs to the end. A backslash is an
// ordinary character, so Windows-style paths pass through unchanged.
std::vector<std::string> SplitCommandLine(std::string_view command_line);

// `path` in double quotes, so that a command line keeps its blanks.
std::string Quoted(std::string_view path);

}  // namespace quillory
