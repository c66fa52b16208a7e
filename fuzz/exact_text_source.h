#pragma once

#include <cstring>
#include <memory>
#include <string_view>

#include "editor/text_source.h"

namespace quillory::fuzz {

// Hands out each piece in a heap block of exactly its size, so that a
// reader straying past the piece it asked for is caught by
// AddressSanitizer.
class ExactTextSource final : public TextSource {
 public:
  explicit ExactTextSource(std::string_view text) : text_(text) {}

  int64_t Length() const override { return static_cast<int64_t>(text_.size()); }
  std::string_view Bytes(TextRange range) override {
    const auto size = static_cast<size_t>(range.last - range.first + 1);
    piece_ = std::make_unique<char[]>(size);
    std::memcpy(piece_.get(), text_.data() + range.first - 1, size);
    return {piece_.get(), size};
  }

 private:
  std::string_view text_;
  std::unique_ptr<char[]> piece_;
};

}  // namespace quillory::fuzz
