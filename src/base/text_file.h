#pragma once

#include <optional>
#include <string>

namespace quillory {

// The whole file, byte for byte (line ends, NUL and byte 26 included);
// empty when the file cannot be opened or read.
std::string ReadTextFile(const std::string& path);

// The file's lines joined with CR LF, with no line end after the last one.
// A line ends at CR LF or at a lone CR; a lone LF stays inside its line.
// A final line end does not start another line, so "a\r\n" gives "a".
// Empty when the file cannot be opened or read.
std::string ReadLinesJoined(const std::string& path);
// ReadLinesJoined, telling an unreadable file (nothing) from an empty one.
std::optional<std::string> TryReadLinesJoined(const std::string& path);

}  // namespace quillory
