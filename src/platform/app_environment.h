#pragma once

#include <string>

namespace quillory {

// Where the program folder came from.
enum class Layout { kBuildFolder, kInstalled };

// Where the program finds its data and keeps its files. Paths end in "/".
struct AppEnvironment {
  std::string program_folder;  // beside the executable: languages/, ...
  Layout layout = Layout::kBuildFolder;
  std::string plugin_folder;  // the shipped plug-ins
  std::string user_folder;    // per-user configuration
  std::string state_folder;   // per-user state (recovery store)
  // Where the program keeps temporary pages: at start-up this run's
  // private folder takes the shared one's place; empty when none could be
  // made, which makes every temporary write fail.
  std::string temp_folder;
  std::string settings_path;  // settings.dat, where it can be written
};

}  // namespace quillory
