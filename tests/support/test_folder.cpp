#include "support/test_folder.h"

#include <filesystem>

namespace quillory::testing {

namespace fs = std::filesystem;

AppEnvironment TestFolder::ProgramEnvironment(bool with_data) const {
  const std::string program = Path("program/");
  fs::create_directories(program);
  if (with_data && fs::exists(QUILLORY_DATA_DIR)) {
    fs::copy(QUILLORY_DATA_DIR, program,
             fs::copy_options::recursive | fs::copy_options::skip_existing);
  }
  fs::create_directories(Path("home/config"));
  fs::create_directories(Path("tmp/"));
  return {.program_folder = program,
          .plugin_folder = program + "plug-ins/",
          .user_folder = Path("home/config/"),
          .state_folder = Path("home/state/"),
          .temp_folder = Path("tmp/"),
          .settings_path = program + "settings.dat"};
}

}  // namespace quillory::testing
