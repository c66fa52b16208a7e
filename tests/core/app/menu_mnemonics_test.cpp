#include "app/menu_mnemonics.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace quillory {
namespace {

using Entries = std::vector<std::string>;

TEST(WithMnemonicsTest, EachCaptionGetsItsOwnLetter) {
  const std::tuple<const char*, Entries, Entries> rows[] = {
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
  for (const auto& [rule, captions, expected] : rows) {
    EXPECT_EQ(WithMnemonics(captions), expected) << rule;
  }
}

}  // namespace
}  // namespace quillory
