#pragma once

#include <string>
#include <string_view>

namespace quillory {

// Writes `text` as a page for the tool output window's browser: "<html>",
// the text and a line end, in a file in `temp_folder` (ending in "/") named
// by a whole number from 1000000 to 9999998 in upper-case hexadecimal,
// picked by `random` in [0, 1), then ".tmp", readable by the user alone.
// The file stays until its folder goes. Returns its path; empty when it could
// not be written or the name is taken, whatever took it being left alone.
std::string WriteShownPage(const std::string& temp_folder, double random,
                           std::string_view text);

}  // namespace quillory
