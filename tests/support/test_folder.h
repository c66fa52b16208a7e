#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/app_environment.h"

namespace quillory::testing {

// A fresh temporary folder, removed with everything in it at destruction.
class TestFolder {
 public:
  TestFolder() {
    std::string pattern =
        std::filesystem::temp_directory_path() / "quillory-test-XXXXXX";
    root_ = std::string(mkdtemp(pattern.data())) + "/";
  }
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // Path of `name` inside the folder (no trailing slash for files).
  std::string Path(const std::string& name) const { return root_ + name; }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::filesystem::create_directories(
        std::filesystem::path(Path(name)).parent_path());
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  }
  std::string Read(const std::string& name) const {
    std::ostringstream bytes;
    bytes << std::ifstream(Path(name), std::ios::binary).rdbuf();
    return bytes.str();
  }
  bool Exists(const std::string& name) const {
    return std::filesystem::exists(Path(name));
  }

  // A program folder here, with the shipped data copied in when
  // `with_data` is true, and settings.dat inside it.
  AppEnvironment ProgramEnvironment(bool with_data = true) const;

 private:
  std::string root_;  // ends in "/"
};

}  // namespace quillory::testing
