#pragma once

namespace quillory {

// What the editor asks when text would go into a document whose encoding
// has no bytes for one of its characters. The editor shows nothing itself.
class UnheldTextHost {
 public:
  virtual ~UnheldTextHost() = default;

  // True when the document now holds UTF-8, converted so that `character`
  // can go in; false leaves the document as it was and the text goes
  // nowhere.
  virtual bool ConvertToHold(char32_t character) = 0;
};

}  // namespace quillory
