#pragma once

#include <string>
#include <string_view>

namespace quillory {

// The name of a temporary preview page: Int(`random` × 1000000 + 899999)
// in upper-case hexadecimal, then `extension`. `random` is in [0, 1).
std::string PreviewPageName(double random, std::string_view extension);

// The server address of `path`: "http://127.0.0.1", ":" + `port` unless it
// is 0 (the default port), "/", then `path` with every occurrence of
// `served_folder` taken out as plain text.
std::string ServerAddress(std::string_view path, std::string_view served_folder,
                          int port);

// A "file://" URL for the absolute local `path`: every byte other than an
// unreserved one or "/" is percent-encoded, so blanks, "#", "?", "%" and
// non-ASCII letters name the file and nothing else.
std::string FileUrl(std::string_view path);

// True when `path` lies in the served folder by the plain text rule: the
// folder text occurs in it. An empty folder serves nothing.
bool IsServedPath(std::string_view path, std::string_view served_folder);

}  // namespace quillory
