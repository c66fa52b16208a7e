#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/plugin_library.h"
#include "app/plugin_registration.h"

struct QuilloryPluginObject;

namespace quillory {

class PluginMarks;

enum class PluginOutcome : uint8_t { kReplace, kKeep, kError };

// How a run ended: with kReplace `text` is the new document, with kError
// the description to show, with kKeep empty.
struct PluginRun {
  PluginOutcome outcome;
  std::string text;
};

// The loaded plug-in objects in load order: slot k belongs to menu entry k.
// A plug-in whose object could not be made keeps its slot, empty, so the
// slots after it still match their entries. Shows nothing itself.
class PluginSet {
 public:
  explicit PluginSet(PluginRegistrar registrar);

  // `LoadPlugin`: a new slot for the object of class `name` + ".Data" from
  // the library at `path`. When it cannot be made, the library is
  // unregistered and registered once and asked again.
  void LoadPlugin(const std::string& path, const std::string& name);
  // Loads every entry of `Settings.plugins` (a name and a library file
  // joined by three backslashes), the library from `folder` (ends in "/"),
  // each marked in `marks` while it loads. An entry whose library is not a
  // bare file name of that folder, or that is still marked from a start
  // that died loading it, keeps an empty slot. Gives the names of the
  // plug-ins skipped for their marks.
  std::vector<std::string> LoadEntries(const std::string& folder,
                                       const std::vector<std::string>& entries,
                                       PluginMarks& marks);

  int Count() const { return static_cast<int>(slots_.size()); }
  // Slot k's menu caption; nothing for an empty slot.
  std::optional<std::string> Caption(int k) const;
  // `RunPlugin`: slot k's plug-in on the document `text`. Every failure,
  // an exception from the plug-in included, ends as kError.
  PluginRun RunPlugin(int k, std::string_view text, int32_t sel_start,
                      int32_t sel_end) const;

 private:
  struct Slot {
    std::optional<PluginLibrary> library;
    const QuilloryPluginObject* object = nullptr;
    std::string caption;
  };

  // Nothing when the library gives no usable object of that class.
  static std::optional<Slot> MakeSlot(const std::string& path,
                                      const std::string& class_name);

  PluginRegistrar registrar_;
  std::vector<Slot> slots_;
};

}  // namespace quillory
