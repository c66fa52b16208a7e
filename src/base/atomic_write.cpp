#include "base/atomic_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

#include "base/file_bytes.h"

namespace quillory {
namespace {

// Why one step failed; the caller adds the file's name.
using Failure = std::optional<std::string>;

constexpr int kMaxLinkDepth = 40;
constexpr int kMaxNameAttempts = 100;
constexpr size_t kSuffixLength = 8;
constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
// Leaves room for the temporary name's prefix and suffix within NAME_MAX.
constexpr size_t kMaxStemLength = 200;

std::string ErrnoText(int error_number) {
  return std::generic_category().message(error_number);
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symbolic links ends at, or `path` itself.
Failure FollowLinks(const std::string& path, std::string& target) {
  target = path;
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    struct stat info;
    if (::lstat(target.c_str(), &info) != 0) {
      return errno == ENOENT ? Failure() : ErrnoText(errno);
    }
    if (!S_ISLNK(info.st_mode)) return std::nullopt;
    std::error_code error;
    const std::filesystem::path link =
        std::filesystem::read_symlink(target, error);
    if (error) return error.message();
    target = link.is_absolute() ? link.string()
                                : FolderOf(target) + "/" + link.string();
  }
  return ErrnoText(ELOOP);
}

// Fills `old_file` when a file is there to be replaced.
Failure InspectOldFile(const std::string& target,
                       std::optional<struct stat>& old_file) {
  struct stat info;
  if (::stat(target.c_str(), &info) != 0) {
    return errno == ENOENT ? Failure() : ErrnoText(errno);
  }
  if (S_ISDIR(info.st_mode)) return ErrnoText(EISDIR);
  if (!S_ISREG(info.st_mode)) return "it is not a regular file";
  // The folder may allow replacing a file its owner made read-only; the
  // file's own permission is what the user set, so it decides.
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    return ErrnoText(errno);
  }
  old_file = info;
  return std::nullopt;
}

std::string RandomSuffix() {
  thread_local std::mt19937_64 generator{std::random_device{}()};
  std::uniform_int_distribution<size_t> digit(0, kDigits.size() - 1);
  std::string suffix(kSuffixLength, '0');
  for (char& c : suffix) c = kDigits[digit(generator)];
  return suffix;
}

// Temporary names are "." + the target's name + "." + a random suffix +
// ".tmp"; this is the part before the suffix.
std::string TemporaryStem(const std::string& target) {
  return "." + NameOf(target).substr(0, kMaxStemLength) + ".";
}

bool IsTemporaryNameFor(std::string_view name, std::string_view stem) {
  constexpr std::string_view kEnd = ".tmp";
  if (name.size() != stem.size() + kSuffixLength + kEnd.size() ||
      !name.starts_with(stem) || !name.ends_with(kEnd)) {
    return false;
  }
  return std::all_of(
      name.begin() + stem.size(), name.end() - kEnd.size(),
      [](char c) { return kDigits.find(c) != std::string_view::npos; });
}

// Removes the named temporary files of saves to `target` that were killed
// before they could clean up. A save in progress holds a lock on its file,
// so only files nobody holds are taken.
void RemoveStaleTemporaryFiles(const std::string& target) {
  const std::string folder = FolderOf(target);
  const std::string stem = TemporaryStem(target);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (!IsTemporaryNameFor(name, stem)) continue;
    const std::string path = folder + "/" + name;
    // It carries the document's permissions, which may allow only writing.
    int fd =
        ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
      fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    }
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
    ::close(fd);
  }
}

// Linking an unnamed file in goes through /proc, which a chroot may lack.
bool UnnamedFilesCanBeLinked() { return ::access("/proc/self/fd", X_OK) == 0; }

// A new file beside the target that becomes the target on RenameOver and
// is removed again if anything before that fails. Where the file system
// allows it the file has no name until it is complete, so a save killed
// while writing leaves nothing behind.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) : target_(target) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty() && !renamed_) ::unlink(path_.c_str());
  }

  Failure Create(mode_t mode) {
    if (UnnamedFilesCanBeLinked()) {
      fd_ = ::open(FolderOf(target_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC,
                   mode);
      if (fd_ >= 0) return std::nullopt;
      // Only a file system without unnamed files falls back to names.
      if (errno != EOPNOTSUPP && errno != EISDIR) return ErrnoText(errno);
    }
    return CreateNamed(mode);
  }

  Failure TakeOverOwnerAndMode(const struct stat& old_file) {
    // Owner first: changing it clears set-user-ID bits that chmod then
    // restores. Only root may give a file away; a group the user belongs
    // to may still be kept.
    if (::fchown(fd_, old_file.st_uid, old_file.st_gid) != 0) {
      (void)::fchown(fd_, static_cast<uid_t>(-1), old_file.st_gid);
    }
    if (::fchmod(fd_, old_file.st_mode & 07777) != 0) return ErrnoText(errno);
    return std::nullopt;
  }

  Failure Write(std::string_view bytes) {
    if (const int error = WriteFully(fd_, bytes)) return ErrnoText(error);
    // Delayed allocation can report a full disk only here.
    if (::fsync(fd_) != 0) return ErrnoText(errno);
    if (path_.empty()) {
      if (Failure failure = LinkIn()) return failure;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return ErrnoText(errno);
    return std::nullopt;
  }

  Failure RenameOver() {
    if (::rename(path_.c_str(), target_.c_str()) != 0) return ErrnoText(errno);
    renamed_ = true;
    return std::nullopt;
  }

 private:
  // NOTE: the lock marks the file as a save in progress for
  // RemoveStaleTemporaryFiles; it ends with the process, however it ends.
  Failure CreateNamed(mode_t mode) {
    return WithFreeName([this, mode](const std::string& candidate) {
      fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                   mode);
      if (fd_ < 0) return false;
      (void)::flock(fd_, LOCK_EX);
      return true;
    });
  }

  // The complete file gets a name only to be renamed over the target: a
  // link cannot replace a file.
  Failure LinkIn() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    return WithFreeName([&self](const std::string& candidate) {
      return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(),
                      AT_SYMLINK_FOLLOW) == 0;
    });
  }

  // Tries random names until `make` succeeds; it fails with errno set.
  template <typename Make>
  Failure WithFreeName(Make make) {
    const std::string stem = FolderOf(target_) + "/" + TemporaryStem(target_);
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
      const std::string candidate = stem + RandomSuffix() + ".tmp";
      if (make(candidate)) {
        path_ = candidate;
        return std::nullopt;
      }
      if (errno != EEXIST) return ErrnoText(errno);
    }
    return ErrnoText(EEXIST);
  }

  std::string target_;
  std::string path_;  // empty while the file has no name
  int fd_ = -1;
  bool renamed_ = false;
};

// Makes the rename itself survive a crash; a folder that cannot be synced
// still holds the new file, so a failure here is not the save's failure.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

Failure Replace(const std::string& target, std::string_view bytes,
                const std::optional<struct stat>& old_file) {
  RemoveStaleTemporaryFiles(target);
  TemporaryFile temporary(target);
  // Readable only by the writer until the old file's permissions apply.
  if (Failure failure = temporary.Create(old_file ? 0600 : 0666)) {
    return failure;
  }
  if (old_file) {
    if (Failure failure = temporary.TakeOverOwnerAndMode(*old_file)) {
      return failure;
    }
  }
  if (Failure failure = temporary.Write(bytes)) return failure;
  if (Failure failure = temporary.RenameOver()) return failure;
  SyncFolder(FolderOf(target));
  return std::nullopt;
}

WriteResult Refused(const std::string& path, const std::string& reason) {
  return WriteResult{"Could not save \"" + path + "\": " + reason + "."};
}

}  // namespace

int WriteFully(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    // A write that makes no progress would loop forever; it means the
    // device took nothing more.
    if (written == 0) return ENOSPC;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

WriteResult WriteTextFile(const std::string& path, std::string_view bytes,
                          WriteMode mode) {
  std::string target;
  if (Failure failure = FollowLinks(path, target)) {
    return Refused(path, *failure);
  }
  std::optional<struct stat> old_file;
  if (Failure failure = InspectOldFile(target, old_file)) {
    return Refused(path, *failure);
  }
  std::string joined;
  if (mode == WriteMode::kAppend && old_file) {
    std::optional<std::string> old_bytes = ReadFileBytes(target);
    if (!old_bytes) return Refused(path, "the existing file cannot be read");
    joined = std::move(*old_bytes);
    joined.append(bytes);
    bytes = joined;
  }
  if (Failure failure = Replace(target, bytes, old_file)) {
    return Refused(path, *failure);
  }
  return WriteResult{};
}

}  // namespace quillory
