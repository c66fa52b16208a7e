#include "app/plugin_library.h"

#include <dlfcn.h>

namespace quillory {

// NOTE: RTLD_LOCAL keeps two plug-ins that export the same names (every
// plug-in exports QuilloryCreateObject) apart.
std::optional<PluginLibrary> PluginLibrary::Open(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return std::nullopt;
  return PluginLibrary(handle);
}

PluginLibrary::PluginLibrary(PluginLibrary&& other) noexcept
    : handle_(other.handle_) {
  other.handle_ = nullptr;
}

PluginLibrary::~PluginLibrary() {
  if (handle_ != nullptr) dlclose(handle_);
}

void* PluginLibrary::Symbol(const char* name) const {
  return handle_ == nullptr ? nullptr : dlsym(handle_, name);
}

}  // namespace quillory
