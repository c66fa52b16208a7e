#pragma once

#include <string>
#include <string_view>

namespace quillory {

// What a tool wrote, with a CR put before every LF that has none: the
// editor's texts end their lines with CR LF.
std::string WithCrLfLineEnds(std::string_view output);

enum class LetterCase { kIgnored, kSignificant };

// The text up to and including its last "</html>", which drops whatever a
// tool wrote after the page; the whole text when it holds none.
std::string_view UpToLastHtmlEnd(std::string_view output, LetterCase letters);

}  // namespace quillory
