#include "app/plugin_registration.h"

#include <future>
#include <thread>
#include <utility>

#include "app/plugin_library.h"

namespace quillory {
namespace {

using EntryPoint = int (*)();

constexpr std::chrono::milliseconds kWaitSlice{5};

const char* EntryPointName(RegistrationStep step) {
  return step == RegistrationStep::kRegister ? "DllRegisterServer"
                                             : "DllUnregisterServer";
}

}  // namespace

PluginRegistrar::PluginRegistrar(std::chrono::milliseconds limit,
                                 std::function<void()> while_waiting)
    : limit_(limit), while_waiting_(std::move(while_waiting)) {}

RegistrationOutcome PluginRegistrar::RegisterServer(const std::string& path,
                                                    RegistrationStep step) {
  if (overran_.contains(path)) return RegistrationOutcome::kSkipped;
  std::optional<PluginLibrary> library = PluginLibrary::Open(path);
  if (!library) return RegistrationOutcome::kNoLibrary;
  const auto entry =
      reinterpret_cast<EntryPoint>(library->Symbol(EntryPointName(step)));
  if (entry == nullptr) return RegistrationOutcome::kNoEntryPoint;

  std::promise<void> finished;
  const std::future<void> ended = finished.get_future();
  // An exception escaping a thread would end the program.
  std::thread thread([entry, finished = std::move(finished)]() mutable {
    try {
      entry();
    } catch (...) {
    }
    finished.set_value();
  });
  const auto deadline = std::chrono::steady_clock::now() + limit_;
  while (ended.wait_for(kWaitSlice) != std::future_status::ready) {
    if (std::chrono::steady_clock::now() >= deadline) {
      // NOTE: unloading the library would pull its code from under the
      // running thread.
      thread.detach();
      library->Keep();
      overran_.insert(path);
      return RegistrationOutcome::kOverran;
    }
    if (while_waiting_) while_waiting_();
  }
  thread.join();
  return RegistrationOutcome::kRan;
}

}  // namespace quillory
