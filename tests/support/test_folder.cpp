#include "support/test_folder.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quillory::testing {

namespace fs = std::filesystem;

TestFolder::TestFolder() {
  std::string pattern =
      (fs::temp_directory_path() / "quillory-test-XXXXXX").string();
  root_ = std::string(mkdtemp(pattern.data())) + "/";
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::string TestFolder::Path(const std::string& name) const {
  return root_ + name;
}

std::string TestFolder::Write(const std::string& name,
                              const std::string& bytes) const {
  const std::string path = Path(name);
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string TestFolder::Read(const std::string& name) const {
  std::ifstream file(Path(name), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool TestFolder::Exists(const std::string& name) const {
  return fs::exists(Path(name));
}

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
