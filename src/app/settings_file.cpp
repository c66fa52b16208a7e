#include "app/settings_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/file_bytes.h"

namespace quillory {

void ReadSettingsFile(const AppEnvironment& environment, Settings& settings) {
  std::optional<std::vector<std::string>> lines =
      ReadLines(environment.settings_path);
  if (!lines) lines = ReadLines(environment.program_folder + "settings.dat");
  if (lines) ApplySettingsLines(*lines, settings);
}

WriteResult WriteSettingsFile(const AppEnvironment& environment,
                              const Settings& settings) {
  std::error_code ignored;
  std::filesystem::create_directories(
      std::filesystem::path(environment.settings_path).parent_path(), ignored);
  return WriteTextFile(environment.settings_path, SettingsFileText(settings),
                       WriteMode::kReplace);
}

}  // namespace quillory
