// Offers its class only once registered; registering takes
// QUILLORY_TEST_REGISTER_MS milliseconds.

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "quillory/plugin.h"

namespace {

std::atomic<bool> registered{false};

const char* Name(const QuilloryPluginObject*) { return "Registered"; }
int Run(const QuilloryPluginObject*, const QuilloryRunCall*) { return 0; }

const QuilloryPluginObject kObject{QUILLORY_PLUGIN_ABI_VERSION, &Name, &Run};

}  // namespace

extern "C" int DllUnregisterServer() {
  registered = false;
  return 0;
}

extern "C" int DllRegisterServer() {
  std::this_thread::sleep_for(
      std::chrono::milliseconds(QUILLORY_TEST_REGISTER_MS));
  registered = true;
  return 0;
}

extern "C" const QuilloryPluginObject* QuilloryCreateObject(const char* name) {
  return registered && std::strcmp(name, "Registered.Data") == 0 ? &kObject
                                                                 : nullptr;
}
