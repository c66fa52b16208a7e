#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace quillory {

// A copy of a text that goes on changing while it is made, a slice at a
// time between the changes, so no single step costs in proportion to the
// whole text. Once done it equals the text as it was at the last step.
class SlicedCopy {
 public:
  // The bytes of the text from `start` on, as many as lie together there;
  // at least one while `start` is inside the text.
  using Peek = std::function<std::string_view(size_t start)>;

  // Begins anew in the memory of `room`.
  void Restart(std::string room = {});
  // The text changed from `position` on: what was copied from there is
  // copied again.
  void Changed(size_t position);
  // Copies at most `most` more bytes of a text of `length`; true once the
  // copy is whole.
  bool Step(size_t length, const Peek& peek, size_t most);
  // The whole copy; the next one starts empty.
  std::string Take();

 private:
  std::string bytes_;
};

}  // namespace quillory
