#pragma once

#include <string>

#include "editor/search_target.h"

namespace quillory {

// An editor reduced to its text, caret and selection.
class FakeSearchTarget : public SearchTarget {
 public:
  explicit FakeSearchTarget(std::string text, int64_t caret = 0)
      : text_(std::move(text)), selection_{caret, 0} {}

  std::string_view Text() const override { return text_; }
  int64_t Caret() const override {
    return selection_.start + selection_.length;
  }
  std::string SelectedText() const override {
    return text_.substr(selection_.start, selection_.length);
  }
  void Select(TextSelection selection) override { selection_ = selection; }
  void ReplaceSelection(std::string_view replacement) override {
    text_.replace(selection_.start, selection_.length, replacement);
    selection_ = {selection_.start + static_cast<int64_t>(replacement.size()),
                  0};
  }

  const std::string& text() const { return text_; }
  TextSelection selection() const { return selection_; }

 private:
  std::string text_;
  TextSelection selection_;
};

}  // namespace quillory
