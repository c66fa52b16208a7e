#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace quillory {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using ReadableFile = std::unique_ptr<std::FILE, FileCloser>;

// The file at `path` open for reading bytes, or null when it cannot be
// opened or is not a regular file (a folder, FIFO, socket or device, also
// behind a symbolic link). Never waits: a FIFO without a writer and a
// device that never ends are refused before the first read.
ReadableFile OpenRegularFile(const std::string& path);

}  // namespace quillory
