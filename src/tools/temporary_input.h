#pragma once

#include <string>
#include <string_view>

namespace quillory {

// A document handed to a tool through a file, for as long as this object
// lives. The file is made in a new folder of its own inside the temporary
// folder, so that no other program or user can take its name, and both are
// removed at destruction.
class TemporaryInput {
 public:
  // `temp_folder` ends in "/".
  TemporaryInput(const std::string& temp_folder, const std::string& file_name,
                 std::string_view bytes);
  ~TemporaryInput();
  TemporaryInput(const TemporaryInput&) = delete;
  TemporaryInput& operator=(const TemporaryInput&) = delete;

  // The file holding the bytes; empty when they could not be written.
  const std::string& path() const { return path_; }
  // Why the bytes could not be written, in words fit to show; empty when
  // they were.
  const std::string& error() const { return error_; }

 private:
  std::string folder_;
  std::string path_;
  std::string error_;
};

}  // namespace quillory
