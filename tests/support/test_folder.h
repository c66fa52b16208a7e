#pragma once

#include <string>

#include "platform/app_environment.h"

namespace quillory::testing {

// A fresh temporary folder, removed with everything in it at destruction.
class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // Path of `name` inside the folder (no trailing slash for files).
  std::string Path(const std::string& name) const;
  std::string Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;

  // A program folder here, with the shipped data copied in when
  // `with_data` is true, and settings.dat inside it.
  AppEnvironment ProgramEnvironment(bool with_data = true) const;

 private:
  std::string root_;  // ends in "/"
};

}  // namespace quillory::testing
