#include "app/recovery_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/document_slots.h"
#include "base/file_bytes.h"

namespace quillory {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLockName = "lock";
constexpr std::string_view kClosedName = "closed";

// The instance's folder name: its start time in nanoseconds (19 digits
// until 2286, so names sort by age) and its process id.
std::string InstanceFolderName() {
  const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
      std::chrono::system_clock::now().time_since_epoch());
  return std::to_string(now.count()) + "-" + std::to_string(::getpid());
}

// An open descriptor holding the folder's lock; -1 when the lock file is
// missing or another instance holds it.
int LockFolder(const std::string& folder, int create_flag) {
  const std::string path = folder + std::string(kLockName);
  const int lock = ::open(path.c_str(), O_RDWR | O_CLOEXEC | create_flag, 0600);
  if (lock < 0) return -1;
  if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
    ::close(lock);
    return -1;
  }
  return lock;
}

std::optional<size_t> ParseCount(std::string_view& text, char end) {
  size_t count = 0;
  const auto [stop, error] =
      std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc() || stop == text.data() + text.size() ||
      *stop != end) {
    return std::nullopt;
  }
  text.remove_prefix(stop - text.data() + 1);
  return count;
}

std::string EntryName(int slot) { return "slot" + std::to_string(slot); }

// Adds the folder's whole entries to `texts` and their files to `paths`.
void ReadEntries(const std::string& folder, std::vector<RecoveredText>& texts,
                 std::vector<std::string>& paths) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string path = folder + EntryName(slot);
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) continue;
    std::optional<RecoveredText> text = ParseRecoveryEntry(*bytes);
    if (!text) continue;
    texts.push_back(std::move(*text));
    paths.push_back(path);
  }
}

bool HoldsEntries(const std::string& folder) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    std::error_code ignored;
    if (fs::exists(folder + EntryName(slot), ignored)) return true;
  }
  return false;
}

}  // namespace

// The text can be large: it is copied once, into room made beforehand.
std::string RecoveryEntryText(const RecoveredText& text) {
  std::string entry = std::to_string(text.caption.size()) + " " +
                      std::to_string(text.file_path.size()) + "\n";
  entry.reserve(entry.size() + text.caption.size() + text.file_path.size() +
                text.bytes.size());
  entry.append(text.caption).append(text.file_path).append(text.bytes);
  return entry;
}

std::optional<RecoveredText> ParseRecoveryEntry(std::string_view text) {
  const std::optional<size_t> caption_size = ParseCount(text, ' ');
  if (!caption_size) return std::nullopt;
  const std::optional<size_t> path_size = ParseCount(text, '\n');
  if (!path_size || *caption_size > text.size() ||
      *path_size > text.size() - *caption_size) {
    return std::nullopt;
  }
  return RecoveredText{std::string(text.substr(0, *caption_size)),
                       std::string(text.substr(*caption_size, *path_size)),
                       std::string(text.substr(*caption_size + *path_size))};
}

std::string RecoveryQuestion(const StaleTexts& stale,
                             const NamedCaptions& captions) {
  std::string question =
      (stale.end == ProgramEnd::kCut
           ? captions.FindOr(
                 "Recovery.Ended",
                 "Quillory ended before these documents were saved:")
           : captions.FindOr(
                 "Recovery.Closed",
                 "These documents were not saved when Quillory closed:")) +
      "\n\n";
  for (const RecoveredText& text : stale.texts) {
    question += text.caption;
    if (!text.file_path.empty()) question += "  (" + text.file_path + ")";
    question += "\n";
  }
  return question + "\n" +
         captions.FindOr("Recovery.Reopen",
                         "Reopen them with their unsaved text?");
}

RecoveryStore::RecoveryStore(std::string root) : root_(std::move(root)) {}

// A folder left without entries is of no use to a later start.
// Claims never discarded hold texts the user was not offered, or that found
// no free tab: they stay for the next start.
RecoveryStore::~RecoveryStore() {
  for (const Claimed& claimed : claimed_) ::close(claimed.lock);
  if (own_lock_ < 0) return;
  bool empty = true;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (fs::exists(EntryPath(slot))) empty = false;
  }
  std::error_code ignored;
  if (empty) fs::remove_all(own_folder_, ignored);
  ::close(own_lock_);
}

// Made at the first write, so a start that keeps nothing leaves nothing.
bool RecoveryStore::OpenOwnFolder() {
  if (own_lock_ >= 0) return true;
  const std::string folder = root_ + InstanceFolderName() + "/";
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return false;
  fs::permissions(folder, fs::perms::owner_all, error);
  own_lock_ = LockFolder(folder, O_CREAT);
  if (own_lock_ < 0) return false;
  own_folder_ = folder;
  return true;
}

std::string RecoveryStore::EntryPath(int slot) const {
  return own_folder_ + EntryName(slot);
}

WriteResult RecoveryStore::Write(int slot, const RecoveredText& text) {
  if (!OpenOwnFolder()) {
    return {"The recovery folder " + root_ + " cannot be made."};
  }
  return WriteTextFile(EntryPath(slot), RecoveryEntryText(text),
                       WriteMode::kReplace);
}

void RecoveryStore::Remove(int slot) {
  if (own_lock_ < 0) return;
  std::error_code ignored;
  fs::remove(EntryPath(slot), ignored);
}

// An empty file beside the entries; a write cannot fail in a way that
// loses text, at worst the next start calls a quit a kill.
void RecoveryStore::MarkClosed() {
  if (own_lock_ < 0) return;
  static_cast<void>(WriteTextFile(own_folder_ + std::string(kClosedName), "",
                                  WriteMode::kReplace));
}

StaleTexts RecoveryStore::ClaimStale() {
  std::vector<std::string> folders;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(root_, error)) {
    const std::string folder = entry.path().string() + "/";
    if (entry.is_directory() && folder != own_folder_) {
      folders.push_back(folder);
    }
  }
  std::sort(folders.begin(), folders.end());
  StaleTexts stale;
  for (const std::string& folder : folders) {
    const int lock = LockFolder(folder, 0);
    if (lock < 0) continue;
    const size_t before = stale.texts.size();
    ReadEntries(folder, stale.texts, claimed_entries_);
    // NOTE: a folder with nothing left to offer would never be discarded,
    // as no answer is asked for it. One whose entries could not be read
    // stays: a read that failed is no proof that nothing is there.
    if (stale.texts.size() == before && !HoldsEntries(folder)) {
      std::error_code ignored;
      fs::remove_all(folder, ignored);
      ::close(lock);
      continue;
    }
    claimed_.push_back({folder, lock});
    if (!fs::exists(folder + std::string(kClosedName))) {
      stale.end = ProgramEnd::kCut;
    }
  }
  return stale;
}

void RecoveryStore::DiscardClaimedText(size_t index) {
  if (index < claimed_entries_.size())
    ::unlink(claimed_entries_[index].c_str());
}

void RecoveryStore::DiscardClaimed() {
  for (const Claimed& claimed : claimed_) {
    std::error_code ignored;
    fs::remove_all(claimed.folder, ignored);
    ::close(claimed.lock);
  }
  claimed_.clear();
  claimed_entries_.clear();
}

}  // namespace quillory
