#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillory {

// A selection by 0-based start and length; length 0 places the caret.
struct TextSelection {
  int64_t start = 0;
  int64_t length = 0;

  friend bool operator==(const TextSelection&, const TextSelection&) = default;
};

// What find and replace read and change in the editor: its plain text, the
// caret and the selection. Bringing the window forward and focusing the
// editor stay with the implementation.
class SearchTarget {
 public:
  virtual ~SearchTarget() = default;

  virtual std::string_view Text() const = 0;
  virtual int64_t Caret() const = 0;  // 0-based
  virtual std::string SelectedText() const = 0;
  virtual void Select(TextSelection selection) = 0;
  // Inserts at the caret when nothing is selected.
  virtual void ReplaceSelection(std::string_view replacement) = 0;
};

}  // namespace quillory
