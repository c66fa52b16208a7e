#include "tools/byte_chunks.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>

namespace quillory {
namespace {

constexpr size_t kFirstChunk = 64 * 1024;
constexpr size_t kLargestChunk = 8 * 1024 * 1024;
constexpr size_t kHugePage = 2 * 1024 * 1024;
constexpr uintptr_t kPageSize = 4096;

// Large buffers are filled once, front to back: huge pages take one fault
// per two megabytes instead of one per four kilobytes, which is most of
// the cost of taking in a large output.
void AdviseHugePages(char* bytes, size_t size) {
  if (size < kHugePage) return;
  const uintptr_t start = reinterpret_cast<uintptr_t>(bytes);
  const uintptr_t page = (start + kPageSize - 1) & ~(kPageSize - 1);
  madvise(reinterpret_cast<void*>(page), size - (page - start), MADV_HUGEPAGE);
}

}  // namespace

ByteChunks::~ByteChunks() {
  for (const Chunk& chunk : chunks_) Release(chunk);
}

std::span<char> ByteChunks::Room(size_t most) {
  if (chunks_.empty() || last_used_ == chunks_.back().capacity) {
    const size_t capacity =
        chunks_.empty() ? kFirstChunk
                        : std::min(chunks_.back().capacity * 2, kLargestChunk);
    void* bytes = mmap(nullptr, capacity, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (bytes == MAP_FAILED) return {};
    chunks_.push_back({static_cast<char*>(bytes), capacity});
    AdviseHugePages(chunks_.back().bytes, capacity);
    last_used_ = 0;
  }
  const Chunk& last = chunks_.back();
  return {last.bytes + last_used_, std::min(most, last.capacity - last_used_)};
}

void ByteChunks::Commit(size_t count) {
  last_used_ += count;
  size_ += count;
}

std::string ByteChunks::Take() {
  std::string joined;
  joined.reserve(size_);
  AdviseHugePages(joined.data(), size_);
  for (size_t i = 0; i < chunks_.size(); ++i) {
    const Chunk& chunk = chunks_[i];
    const bool last = i + 1 == chunks_.size();
    joined.append(chunk.bytes, last ? last_used_ : chunk.capacity);
    Release(chunk);
  }
  chunks_.clear();
  last_used_ = 0;
  size_ = 0;
  return joined;
}

void ByteChunks::Release(const Chunk& chunk) {
  munmap(chunk.bytes, chunk.capacity);
}

}  // namespace quillory
