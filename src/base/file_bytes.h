#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillory {

// The whole file as bytes, exactly as stored. Empty optional when the file
// cannot be opened or read (missing, a folder, no permission).
std::optional<std::string> ReadFileBytes(const std::string& path);

// Splits at every CR LF. A text whose line ends are all LF is taken as if
// they were CR LF. A text ending in a line end gives a last, empty element,
// which callers that want only the real lines leave out.
std::vector<std::string> SplitLines(std::string_view text);

// ReadFileBytes followed by SplitLines.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);

}  // namespace quillory
