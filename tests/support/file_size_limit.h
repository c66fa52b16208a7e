#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace quillory::testing {

// Runs `write` under a file-size limit of `bytes`: the system accepts part
// of a longer write, then refuses the rest, the same shape, and the same
// path through the code, as a disk filling up midway.
template <typename Write>
auto WithFileSizeLimit(rlim_t bytes, Write write) {
  rlimit old_limit{};
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  rlimit small = old_limit;
  small.rlim_cur = bytes;
  const auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  auto result = write();
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  ::signal(SIGXFSZ, old_handler);
  return result;
}

}  // namespace quillory::testing
