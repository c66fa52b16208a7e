#include "base/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillory {

// NOTE: the kind is asked of the opened descriptor, not of the path, so a
// file swapped for a FIFO between a check and the open cannot slip past;
// O_NONBLOCK keeps that open of a FIFO from waiting for a writer.
ReadableFile OpenRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat status;
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return nullptr;
  }
  ReadableFile file(::fdopen(fd, "rb"));
  if (!file) ::close(fd);
  return file;
}

}  // namespace quillory
