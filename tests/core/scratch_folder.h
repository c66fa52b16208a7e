#pragma once

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/file_bytes.h"

namespace quillory {

// A fresh folder under the system's temporary folder, removed with
// everything in it when the test ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quillory-test-XXXXXX")
            .string();
    path_ = ::mkdtemp(pattern.data());
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  const std::string& path() const { return path_; }
  std::string File(std::string_view name) const {
    return path_ + "/" + std::string(name);
  }
  // Writes `bytes` directly, bypassing the code under test.
  std::string Put(std::string_view name, std::string_view bytes) const {
    const std::string file = File(name);
    std::FILE* stream = std::fopen(file.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fclose(stream);
    return file;
  }
  std::string Bytes(std::string_view name) const {
    return ReadFileBytes(File(name)).value_or("<unreadable>");
  }

 private:
  std::string path_;
};

}  // namespace quillory
