#include "base/private_temp_folder.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "base/atomic_write.h"

namespace quillory {
namespace {

constexpr int kNameAttempts = 16;

std::string Failure(const std::string& path, int error = errno) {
  return "Cannot write \"" + path + "\": " + std::strerror(error);
}

}  // namespace

PrivateTempFolder::PrivateTempFolder(const std::string& parent) {
  std::string folder = parent + "quillory-XXXXXX";
  // mkdtemp makes the folder 0700 and never takes an existing name.
  if (mkdtemp(folder.data()) != nullptr) path_ = folder + "/";
}

PrivateTempFolder::~PrivateTempFolder() {
  if (path_.empty()) return;
  // NOTE: remove_all removes links themselves, never what they point to.
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

CreateResult CreateExclusiveFile(const std::string& path,
                                 std::string_view bytes) {
  // A relative path would land wherever the program was started.
  if (!path.starts_with('/')) return {false, "Cannot write \"" + path + "\"."};
  const int fd = open(
      path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return {errno == EEXIST, Failure(path)};
  const int write_error = WriteFully(fd, bytes);
  std::string error = write_error == 0 ? "" : Failure(path, write_error);
  if (close(fd) != 0 && error.empty()) error = Failure(path);
  if (!error.empty()) unlink(path.c_str());
  return {false, error};
}

CreatedFile CreateUnderFreeName(const std::string& folder,
                                const std::function<std::string()>& next_name,
                                std::string_view bytes) {
  CreateResult created;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::string path = folder + next_name();
    created = CreateExclusiveFile(path, bytes);
    if (created.Succeeded()) return {path, ""};
    if (!created.name_taken) break;
  }
  return {"", created.error};
}

}  // namespace quillory
