#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace quillory {

// Bytes that arrive in pieces of unknown total size, kept in blocks of
// memory that are filled in place and never moved, and joined into one
// string once they are all there. Growing a string instead would copy
// everything received at each doubling and hold both copies meanwhile.
class ByteChunks {
 public:
  ByteChunks() = default;
  ByteChunks(const ByteChunks&) = delete;
  ByteChunks& operator=(const ByteChunks&) = delete;
  ~ByteChunks();

  // Space at the end for up to `most` bytes, to be filled and then
  // committed; empty when no memory could be had.
  std::span<char> Room(size_t most);
  // `count` bytes of the last Room now hold data.
  void Commit(size_t count);

  size_t size() const { return size_; }

  // All the bytes in one string, leaving this empty. The blocks are let go
  // one by one as they are copied, so memory stays near one copy.
  std::string Take();

 private:
  struct Chunk {
    char* bytes;
    size_t capacity;
  };

  void Release(const Chunk& chunk);

  std::vector<Chunk> chunks_;
  size_t last_used_ = 0;  // bytes filled in the last chunk
  size_t size_ = 0;
};

}  // namespace quillory
