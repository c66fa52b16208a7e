#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/atomic_write.h"
#include "base/named_captions.h"

namespace quillory {

// The unsaved text of one document, kept so that it outlives the program.
struct RecoveredText {
  std::string caption;
  std::string file_path;  // empty for a document never saved
  std::string bytes;      // exactly as a save would write them
  bool operator==(const RecoveredText&) const = default;
};

// One entry file: a header line giving the caption's and the path's length,
// then the caption, the path and the bytes, none of them escaped.
std::string RecoveryEntryText(const RecoveredText& text);
// Empty optional for a text that is not a whole entry (a foreign or
// damaged file).
std::optional<RecoveredText> ParseRecoveryEntry(std::string_view text);

// How the instances that left entries ended: closed by the user (quitting
// asks nothing, so the unsaved text is kept), or cut short by a kill or a
// crash.
enum class ProgramEnd { kClosed, kCut };

struct StaleTexts {
  std::vector<RecoveredText> texts;
  ProgramEnd end = ProgramEnd::kClosed;  // kCut when any of them was
};

// The question that offers the recovered documents back, one a line, in
// the interface language.
std::string RecoveryQuestion(const StaleTexts& stale,
                             const NamedCaptions& captions);

// The recovery store under `root`: each running instance keeps its entries
// in a folder of its own, named by its process id and start time and locked
// while it runs, so an entry is offered only once the instance that wrote it
// is gone. An entry per slot: a slot's text replaces its older one.
class RecoveryStore {
 public:
  explicit RecoveryStore(std::string root);
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  // Writes atomically, so a failed write leaves the older entry in place.
  [[nodiscard]] WriteResult Write(int slot, const RecoveredText& text);
  void Remove(int slot);
  // The instance is being closed by the user, not cut short.
  void MarkClosed();

  // The entries of instances that are gone, oldest instance first and in
  // slot order within one. Their folders stay locked by this instance
  // until DiscardClaimed removes them; the store's end leaves them for the
  // next start. A folder without entries is removed at once.
  StaleTexts ClaimStale();
  void DiscardClaimed();
  // Removes the entry of the claimed text at `index` of ClaimStale's texts
  // only: one now held again, whose claim stays for the others.
  void DiscardClaimedText(size_t index);

 private:
  struct Claimed {
    std::string folder;
    int lock = -1;
  };

  bool OpenOwnFolder();
  std::string EntryPath(int slot) const;

  std::string root_;
  std::string own_folder_;
  int own_lock_ = -1;
  std::vector<Claimed> claimed_;
  std::vector<std::string> claimed_entries_;  // a file per claimed text
};

}  // namespace quillory
