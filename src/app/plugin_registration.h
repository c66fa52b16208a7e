#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <set>
#include <string>

namespace quillory {

inline constexpr std::chrono::milliseconds kRegistrationLimit{10000};

enum class RegistrationStep : uint8_t { kUnregister, kRegister };

enum class RegistrationOutcome : uint8_t {
  kRan,
  kNoLibrary,
  kNoEntryPoint,
  // The entry point is still running; its library stays loaded for good.
  kOverran,
  // It overran before, so it is not called again.
  kSkipped,
};

// Runs plug-in libraries' registration entry points, each on a thread of
// its own and given `limit`. A library whose entry point once overran is
// left alone from then on, so a hang costs the limit once.
class PluginRegistrar {
 public:
  // `while_waiting` runs every few milliseconds while an entry point runs,
  // so the window can paint; it may be empty.
  PluginRegistrar(std::chrono::milliseconds limit,
                  std::function<void()> while_waiting);

  // `RegisterServer`: the entry point's own result is not looked at.
  RegistrationOutcome RegisterServer(const std::string& path,
                                     RegistrationStep step);

 private:
  std::chrono::milliseconds limit_;
  std::function<void()> while_waiting_;
  std::set<std::string> overran_;
};

}  // namespace quillory
