#pragma once

#include <span>

namespace quillory {

struct CommandHost;
class SnapshotHistory;
struct Settings;

enum class MenuId {
  kFile,
  kEdit,
  kTools,
  kHtmlTidy,
  kPhp,
  kBrowsers,
  kSettings,
  kPlugIns,
  kHelp,
};

// When a command can be chosen.
enum class Availability {
  kAlways,
  kWithDocument,  // only while a document is open
  kWithUndo,      // only while Undo would put a level back
  kWithRedo,      // only while Redo would
  kWithTidy,      // with a document, when the settings turn HTML Tidy on
  kWithPhp,       // with a document, when the settings name PHP
  kNotBuilt,      // shown, but not built yet: stays disabled
};

// What the commands' availability depends on.
struct CommandState {
  const SnapshotHistory* history;  // the active document's; null for none
  const Settings& settings;
};

bool IsAvailable(Availability availability, const CommandState& state);

struct MenuSpec {
  MenuId id;
  const char* object_name;
  int caption_index;  // entry of the language table, -1 for none
  const char* caption;
  MenuId parent;  // itself for a top-level menu
};

// What choosing a command does; null while the command is not built.
using Command = void (*)(const CommandHost&);

struct ActionSpec {
  const char* object_name;
  MenuId menu;
  int caption_index;  // entry of the language table, -1 for none
  const char* caption;
  const char* shortcut;
  Command handler;
  Availability availability = Availability::kAlways;
  bool checkable = false;
  bool separator_before = false;
};

// In the order they appear.
std::span<const MenuSpec> MainMenus();
std::span<const ActionSpec> MainActions();

}  // namespace quillory
