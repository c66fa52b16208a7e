#pragma once

#include <string>
#include <string_view>

#include "editor/text_source.h"

namespace quillory {

// Hands out each piece as a fresh copy with `guard` bytes on both sides, so
// a reader that strays past the piece it asked for sees bytes that are not
// the text's, and counts the bytes asked for.
class GuardedTextSource final : public TextSource {
 public:
  GuardedTextSource(std::string_view text, char guard)
      : text_(text), guard_(guard) {}

  int64_t Length() const override { return static_cast<int64_t>(text_.size()); }
  std::string_view Bytes(TextRange range) override {
    const auto size = static_cast<size_t>(range.last - range.first + 1);
    bytes_read_ += static_cast<int64_t>(size);
    const std::string guards(kGuardBytes, guard_);
    piece_ = guards + std::string(text_.substr(range.first - 1, size)) + guards;
    return std::string_view(piece_).substr(kGuardBytes, size);
  }

  int64_t bytes_read() const { return bytes_read_; }

 private:
  static constexpr size_t kGuardBytes = 80;

  std::string_view text_;
  char guard_;
  std::string piece_;
  int64_t bytes_read_ = 0;
};

}  // namespace quillory
