#include "app/recovery_writer.h"

#include <utility>

namespace quillory {

RecoveryWriter::RecoveryWriter(std::string root, Written written)
    : store_(std::move(root)),
      written_(std::move(written)),
      thread_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void RecoveryWriter::Write(int slot, RecoveredText held, LineEnds line_ends) {
  {
    std::lock_guard lock(mutex_);
    waiting_[slot] = {std::move(held), line_ends};
  }
  changed_.notify_all();
}

void RecoveryWriter::Remove(int slot) {
  {
    std::lock_guard lock(mutex_);
    waiting_[slot] = {};
  }
  changed_.notify_all();
}

void RecoveryWriter::Wait() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return waiting_.empty() && !in_flight_; });
}

std::string RecoveryWriter::TakeSpare() {
  std::lock_guard lock(mutex_);
  return std::move(spare_);
}

StaleTexts RecoveryWriter::ClaimStale() {
  std::lock_guard lock(store_mutex_);
  return store_.ClaimStale();
}

void RecoveryWriter::DiscardClaimed() {
  std::lock_guard lock(store_mutex_);
  store_.DiscardClaimed();
}

void RecoveryWriter::DiscardClaimedText(size_t index) {
  std::lock_guard lock(store_mutex_);
  store_.DiscardClaimedText(index);
}

void RecoveryWriter::MarkClosed() {
  Wait();
  std::lock_guard lock(store_mutex_);
  store_.MarkClosed();
}

// What waits when stopping is still carried out: the text of the last
// keystrokes before a quit.
void RecoveryWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
    if (waiting_.empty()) return;
    auto next = waiting_.extract(waiting_.begin());
    in_flight_ = true;
    lock.unlock();
    CarryOut(next.key(), std::move(next.mapped()));
    lock.lock();
    in_flight_ = false;
    changed_.notify_all();
  }
}

void RecoveryWriter::CarryOut(int slot, Request request) {
  std::lock_guard lock(store_mutex_);
  if (!request.held) {
    store_.Remove(slot);
    std::lock_guard spare_lock(mutex_);
    spare_ = std::string();
    return;
  }
  RecoveredText& text = *request.held;
  if (request.line_ends != LineEnds::kAsStored) {
    text.bytes = BytesToStore(text.bytes, request.line_ends);
  }
  const WriteResult result = store_.Write(slot, text);
  if (written_) written_(slot, result);
  text.bytes.clear();
  std::lock_guard spare_lock(mutex_);
  spare_ = std::move(text.bytes);
}

}  // namespace quillory
