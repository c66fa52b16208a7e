#pragma once

#include <optional>
#include <string>

namespace quillory {

// A plug-in library, loaded for as long as this lives unless it was kept
// for good. Touches nothing in the library but the symbols asked for.
class PluginLibrary {
 public:
  // Nothing when the file is missing or is no library this process can
  // load (all its symbols are bound now, so a missing one fails here).
  static std::optional<PluginLibrary> Open(const std::string& path);

  PluginLibrary(PluginLibrary&& other) noexcept;
  PluginLibrary& operator=(PluginLibrary&& other) = delete;
  ~PluginLibrary();

  // The exported symbol `name`, or null.
  void* Symbol(const char* name) const;
  // Never unloads the library: code of it may still be running.
  void Keep() { handle_ = nullptr; }

 private:
  explicit PluginLibrary(void* handle) : handle_(handle) {}

  void* handle_;
};

}  // namespace quillory
