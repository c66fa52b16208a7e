#pragma once

#include <cstdint>
#include <string_view>

#include "editor/colouring_range.h"

namespace quillory {

// A text read a piece at a time, for a holder that keeps it in more than
// one block and pays for joining it (the editor's gap buffer does). Knows
// nothing about what the pieces are for.
class TextSource {
 public:
  virtual ~TextSource() = default;

  virtual int64_t Length() const = 0;
  // The bytes of 1-based `range`, which lies within 1..Length() and is not
  // empty. Valid until the next call or the next change of the text.
  virtual std::string_view Bytes(TextRange range) = 0;

  // The whole text; empty for an empty text.
  std::string_view All() {
    const int64_t length = Length();
    return length == 0 ? std::string_view() : Bytes({1, length});
  }
};

// A text held in one block.
class WholeText final : public TextSource {
 public:
  explicit WholeText(std::string_view text) : text_(text) {}

  int64_t Length() const override { return static_cast<int64_t>(text_.size()); }
  std::string_view Bytes(TextRange range) override {
    return text_.substr(range.first - 1, range.last - range.first + 1);
  }

 private:
  std::string_view text_;
};

}  // namespace quillory
