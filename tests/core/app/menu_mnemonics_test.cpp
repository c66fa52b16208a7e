#include "app/menu_mnemonics.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(WithMnemonicsTest, EachCaptionGetsItsOwnLetter) {
  struct Row {
    const char* rule;
    std::vector<std::string> captions;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {"first letters", {"File", "Edit", "Help"}, {"&File", "&Edit", "&Help"}},
      {"then a later word", {"Save", "Save As..."}, {"&Save", "Save &As..."}},
      {"then any letter", {"Open", "Options"}, {"&Open", "O&ptions"}},
      {"first letters before inner ones",
       {"Save", "Save As", "Add"},
       {"&Save", "Sa&ve As", "&Add"}},
      {"case ignored", {"Tools", "tags"}, {"&Tools", "t&ags"}},
      {"ampersands doubled", {"Tom & Jerry"}, {"&Tom && Jerry"}},
      {"Cyrillic", {"Файл", "Формат"}, {"&Файл", "Ф&ормат"}},
      {"Cyrillic case ignored", {"Правка", "правило"}, {"&Правка", "п&равило"}},
      {"none left", {"a", "A"}, {"&a", "A"}},
      {"no letters", {"", "... -"}, {"", "... -"}},
      {"digits count", {"1 a.html", "2 b.html"}, {"&1 a.html", "&2 b.html"}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(WithMnemonics(row.captions), row.expected) << row.rule;
  }
}

}  // namespace
}  // namespace quillory
