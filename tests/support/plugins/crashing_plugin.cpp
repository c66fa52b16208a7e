// A library whose start-up code brings the process down as it is loaded,
// as a plug-in with a fault there would.
#include <csignal>

namespace {

struct CrashAtLoad {
  CrashAtLoad() { std::raise(SIGSEGV); }
};

const CrashAtLoad crash_at_load;

}  // namespace
