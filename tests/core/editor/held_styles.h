#pragma once

#include <algorithm>
#include <string>

#include "editor/sliced_colouring.h"

namespace quillory {

// Style numbers held as the editor holds them, one a byte.
class HeldStyles final : public StyleStore {
 public:
  explicit HeldStyles(std::string styles) : styles_(std::move(styles)) {}

  uint8_t StyleAt(int64_t position) override { return styles_[position - 1]; }
  void SetStyles(int64_t first, std::span<const uint8_t> styles) override {
    std::copy(styles.begin(), styles.end(), styles_.begin() + (first - 1));
  }
  const std::string& styles() const { return styles_; }
  std::string& styles() { return styles_; }

 private:
  std::string styles_;
};

}  // namespace quillory
