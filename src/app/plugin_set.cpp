#include "app/plugin_set.h"

#include <exception>
#include <new>
#include <utility>

#include "app/plugin_marks.h"
#include "base/text_util.h"
#include "quillory/plugin.h"

namespace quillory {
namespace {

using CreateObject = const QuilloryPluginObject* (*)(const char*);

constexpr std::string_view kEntrySeparator = "\\\\\\";
// Far above any document the editor holds; a larger length is taken for a
// plug-in's fault rather than tried.
constexpr size_t kMaxResultBytes = size_t{1} << 28;

constexpr char kNotLoaded[] = "The plug-in is not loaded.";
constexpr char kFailed[] = "The plug-in failed.";
constexpr char kNoText[] = "The plug-in gave no text.";
constexpr char kTooLarge[] = "The plug-in's text is too large.";

// What one run collects through the callbacks.
struct RunState {
  std::optional<std::string> result;
  std::optional<std::string> error;
};

// NOTE: the callbacks run inside the plug-in's code, so nothing may be
// thrown from them.
int Refuse(RunState& state, const char* reason) {
  state.error = reason;
  return 0;
}

int SetResult(void* host, const char* bytes, size_t length) noexcept {
  RunState& state = *static_cast<RunState*>(host);
  if (bytes == nullptr && length > 0) return Refuse(state, kNoText);
  if (length > kMaxResultBytes) return Refuse(state, kTooLarge);
  try {
    state.result.emplace(bytes == nullptr ? "" : bytes, length);
    return 1;
  } catch (const std::bad_alloc&) {
    return Refuse(state, kTooLarge);
  }
}

void SetError(void* host, const char* message) noexcept {
  static_cast<RunState*>(host)->error = message == nullptr ? kFailed : message;
}

bool Usable(const QuilloryPluginObject* object) {
  return object != nullptr &&
         object->abi_version == QUILLORY_PLUGIN_ABI_VERSION &&
         object->get_name != nullptr && object->run != nullptr;
}

// One entry of `Settings.plugins`: the plug-in's name and its library file,
// joined by three backslashes.
struct PluginEntry {
  std::string name;
  std::string library;
};

PluginEntry SplitPluginEntry(std::string_view entry) {
  std::vector<std::string> parts = Split(entry, kEntrySeparator);
  parts.resize(2);
  return {std::move(parts[0]), std::move(parts[1])};
}

// A "/" or ".." could reach a library anywhere on the disk.
bool InPluginFolder(std::string_view library) {
  return !library.empty() && library.find('/') == std::string_view::npos &&
         library.find("..") == std::string_view::npos;
}

}  // namespace

PluginSet::PluginSet(PluginRegistrar registrar)
    : registrar_(std::move(registrar)) {}

void PluginSet::LoadPlugin(const std::string& path, const std::string& name) {
  const std::string class_name = name + ".Data";
  if (std::optional<Slot> slot = MakeSlot(path, class_name)) {
    slots_.push_back(std::move(*slot));
    return;
  }
  // Held open, so what registration set up inside the library is still
  // there when the object is asked for again.
  const std::optional<PluginLibrary> held = PluginLibrary::Open(path);
  registrar_.RegisterServer(path, RegistrationStep::kUnregister);
  registrar_.RegisterServer(path, RegistrationStep::kRegister);
  slots_.push_back(MakeSlot(path, class_name).value_or(Slot{}));
}

std::vector<std::string> PluginSet::LoadEntries(
    const std::string& folder, const std::vector<std::string>& entries,
    PluginMarks& marks) {
  std::vector<std::string> skipped;
  for (const std::string& entry : entries) {
    const PluginEntry parts = SplitPluginEntry(entry);
    const bool marked = marks.Marked(entry);
    if (marked) skipped.push_back(parts.name);
    if (marked || !InPluginFolder(parts.library)) {
      slots_.emplace_back();
      continue;
    }
    marks.Mark(entry);
    LoadPlugin(folder + parts.library, parts.name);
    marks.Clear(entry);
  }
  return skipped;
}

std::optional<PluginSet::Slot> PluginSet::MakeSlot(
    const std::string& path, const std::string& class_name) {
  std::optional<PluginLibrary> library = PluginLibrary::Open(path);
  if (!library) return std::nullopt;
  const auto create =
      reinterpret_cast<CreateObject>(library->Symbol("QuilloryCreateObject"));
  if (create == nullptr) return std::nullopt;
  try {
    const QuilloryPluginObject* object = create(class_name.c_str());
    if (!Usable(object)) return std::nullopt;
    const char* caption = object->get_name(object);
    if (caption == nullptr) return std::nullopt;
    return Slot{std::move(library), object, caption};
  } catch (...) {
    return std::nullopt;
  }
}

std::optional<std::string> PluginSet::Caption(int k) const {
  if (k < 0 || k >= Count() || slots_[k].object == nullptr) return std::nullopt;
  return slots_[k].caption;
}

PluginRun PluginSet::RunPlugin(int k, std::string_view text, int32_t sel_start,
                               int32_t sel_end) const {
  if (!Caption(k)) return {PluginOutcome::kError, kNotLoaded};
  const QuilloryPluginObject* object = slots_[k].object;
  RunState state;
  const QuilloryRunCall call{text.data(), text.size(), sel_start, sel_end,
                             &state,      &SetResult,  &SetError};
  int answer = 0;
  try {
    answer = object->run(object, &call);
  } catch (const std::exception& error) {
    return {PluginOutcome::kError, error.what()};
  } catch (...) {
    return {PluginOutcome::kError, kFailed};
  }
  if (state.error) return {PluginOutcome::kError, std::move(*state.error)};
  if (answer == 0) return {PluginOutcome::kKeep, {}};
  if (!state.result) return {PluginOutcome::kError, kNoText};
  return {PluginOutcome::kReplace, std::move(*state.result)};
}

}  // namespace quillory
