#pragma once

#include <cstdint>
#include <string>

namespace quillory {

// A run of document bytes with the style number of each byte, as the
// editor holds them. `styles` is as long as `text`, except in a change that
// touches styles only, where `text` is empty.
struct StyledText {
  std::string text;
  std::string styles;

  friend bool operator==(const StyledText&, const StyledText&) = default;
};

enum class ChangeKind : uint8_t {
  kText,    // `before` is replaced by `after`, bytes and styles
  kStyles,  // the styles of `before.styles.size()` bytes become `after`'s
};

// One step between two document states. Applied to the older state at the
// 0-based byte `position`, it gives the newer one.
struct DocumentChange {
  ChangeKind kind = ChangeKind::kText;
  int64_t position = 0;
  StyledText before;
  StyledText after;

  friend bool operator==(const DocumentChange&,
                         const DocumentChange&) = default;
};

// The change that goes back from the newer state to the older.
DocumentChange Inverse(DocumentChange change);

// Applies `change` to a document held as a StyledText; the change must fit
// the document (its `before` lies inside it).
void Apply(const DocumentChange& change, StyledText& document);

// Bytes held by the change's texts and styles.
int64_t HeldBytes(const DocumentChange& change);

}  // namespace quillory
