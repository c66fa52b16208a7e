#include "app/document_line_ends.h"

#include <string>

#include <gtest/gtest.h>

namespace quillory {
namespace {

// The editor holds CR LF only where every stored line end was LF, and saving
// unchanged gives back the stored bytes.
TEST(HoldForEditingTest, EveryKindOfTextComesBackUnchanged) {
  struct Row {
    const char* rule;
    std::string stored;
    std::string held;
    LineEnds line_ends;
  };
  const Row rows[] = {
      {"LF only", "a\nb\n", "a\r\nb\r\n", LineEnds::kLfOnly},
      {"CR LF", "a\r\nb", "a\r\nb", LineEnds::kAsStored},
      {"mixed", "a\r\nb\nc\rd", "a\r\nb\nc\rd", LineEnds::kAsStored},
      {"CR only", "a\rb\r", "a\rb\r", LineEnds::kAsStored},
      {"empty", "", "", LineEnds::kAsStored},
      {"NUL and byte 26 with LF", std::string("\0\n\x1A\n", 4),
       std::string("\0\r\n\x1A\r\n", 6), LineEnds::kLfOnly},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.rule);
    const HeldText held = HoldForEditing(row.stored);
    EXPECT_EQ(held.text, row.held);
    EXPECT_EQ(held.line_ends, row.line_ends);
    EXPECT_EQ(BytesToStore(held.text, held.line_ends), row.stored);
  }
}

TEST(BytesToStoreTest, TypedLineEndsFollowTheFilesLfConvention) {
  EXPECT_EQ(BytesToStore("a\r\nnew\r\nb", LineEnds::kLfOnly), "a\nnew\nb");
  EXPECT_EQ(BytesToStore("a\r\nnew\r\nb", LineEnds::kAsStored),
            "a\r\nnew\r\nb");
}

}  // namespace
}  // namespace quillory
