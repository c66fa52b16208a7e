#include "tools/php_input.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <random>
#include <string_view>

#include "base/private_temp_folder.h"
#include "base/text_util.h"

namespace quillory {
namespace {

constexpr std::string_view kCopyStart = ".quillory-";
constexpr std::string_view kCopyEnd = ".php";
constexpr size_t kCopyDigits = 16;
// A copy older than this belongs to no run still going.
constexpr time_t kLeftFor = 24 * 60 * 60;

// NOTE: the document's folder may be writable by others, who must not
// guess the copy's name and plant something under it first.
std::string HiddenCopyName() {
  std::random_device entropy;
  char digits[kCopyDigits + 1];
  std::snprintf(digits, sizeof digits, "%08x%08x", entropy(), entropy());
  return std::string(kCopyStart) + digits + std::string(kCopyEnd);
}

bool IsCopyName(std::string_view name) {
  if (name.size() != kCopyStart.size() + kCopyDigits + kCopyEnd.size() ||
      !name.starts_with(kCopyStart) || !name.ends_with(kCopyEnd)) {
    return false;
  }
  const std::string_view digits = name.substr(kCopyStart.size(), kCopyDigits);
  return digits.find_first_not_of("0123456789abcdef") == digits.npos;
}

}  // namespace

void SweepLeftCopies(const std::string& folder) {
  DIR* listing = opendir(folder.c_str());
  if (listing == nullptr) return;
  const int fd = dirfd(listing);
  const time_t old = time(nullptr) - kLeftFor;
  while (const dirent* entry = readdir(listing)) {
    struct stat file;
    if (IsCopyName(entry->d_name) &&
        fstatat(fd, entry->d_name, &file, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(file.st_mode) && file.st_uid == getuid() &&
        file.st_mtime < old) {
      unlinkat(fd, entry->d_name, 0);
    }
  }
  closedir(listing);
}

PhpInput::PhpInput(const PhpDocument& document,
                   const std::string& temp_folder) {
  const std::string& file = document.file_path;
  document_name_ = file.empty() ? document.caption : file;
  if (!file.empty() && document.saved) {
    path_ = file;
    return;
  }
  if (!file.empty()) {
    const std::string folder(FolderOfPath(file));
    SweepLeftCopies(folder);
    const CreatedFile copy =
        CreateUnderFreeName(folder, &HiddenCopyName, document.text);
    hidden_copy_ = path_ = copy.path;
    if (!path_.empty()) return;
  }
  private_copy_.emplace(temp_folder, "document.php", document.text);
  path_ = private_copy_->path();
  error_ = private_copy_->error();
}

PhpInput::~PhpInput() {
  if (!hidden_copy_.empty()) unlink(hidden_copy_.c_str());
}

std::string PhpInput::NamingDocument(std::string_view output) const {
  std::string named(output);
  if (path_.empty() || path_ == document_name_) return named;
  for (size_t at = named.find(path_); at != std::string::npos;
       at = named.find(path_, at + document_name_.size())) {
    named.replace(at, path_.size(), document_name_);
  }
  return named;
}

}  // namespace quillory
