// A library whose start-up code brings the process down as it is loaded,
// as a plug-in with a fault there would. SIGKILL, since a sanitizer build
// would catch a SIGSEGV and report it as the program's own fault.
#include <csignal>

namespace {

struct CrashAtLoad {
  CrashAtLoad() { std::raise(SIGKILL); }
};

const CrashAtLoad crash_at_load;

}  // namespace
