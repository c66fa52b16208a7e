#pragma once

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/recovery_store.h"
#include "base/atomic_write.h"
#include "base/document_line_ends.h"

namespace quillory {

// Keeps the recovery store's entries on a thread of its own, so a large
// document never stalls the caller while it is written. One write is in
// flight at a time; of the requests for one slot that wait, the newest
// wins, and a slot's requests are carried out in the order they were made.
class RecoveryWriter {
 public:
  // Called on the writer's thread after each write.
  using Written = std::function<void(int slot, const WriteResult& result)>;

  RecoveryWriter(std::string root, Written written);
  // Carries out what waits before it returns.
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  // `held.bytes` as the editor holds them, with `line_ends`; they are
  // turned into the bytes a save would write on the writer's thread.
  void Write(int slot, RecoveredText held, LineEnds line_ends);
  void Remove(int slot);
  // Returns once nothing waits and nothing is in flight.
  void Wait();
  // The memory of the last text written, emptied, for the next copy: fresh
  // memory costs a fault a page. Gone once an entry is removed.
  std::string TakeSpare();

  // See RecoveryStore; MarkClosed waits for the writes first.
  StaleTexts ClaimStale();
  void DiscardClaimed();
  void DiscardClaimedText(size_t index);
  void MarkClosed();

 private:
  struct Request {
    std::optional<RecoveredText> held;  // none: remove the entry
    LineEnds line_ends = LineEnds::kAsStored;
  };

  void Run();
  void CarryOut(int slot, Request request);

  RecoveryStore store_;
  std::mutex store_mutex_;
  Written written_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::map<int, Request> waiting_;
  std::string spare_;
  bool in_flight_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace quillory
