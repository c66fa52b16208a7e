#include "app/list_file.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

using Names = std::vector<std::string>;

TEST(IsListFileNameTest, ExtensionIsComparedIgnoringCase) {
  for (const char* name : {"/home/u/site.qlp", "/home/u/SITE.QLP", ".qlp"}) {
    EXPECT_TRUE(IsListFileName(name)) << name;
  }
  for (const char* name : {"qlp", "site.qlp.html", "site.qlpx"}) {
    EXPECT_FALSE(IsListFileName(name)) << name;
  }
}

// The names are the file's lines, split as every data file is.
TEST(ReadListFileTest, ReadsTheNamesFromTheFile) {
  testing::TestFolder folder;
  const std::string path =
      folder.Write("site.qlp", "/x/a.html\r\n/x/b.php\r\n/x/c.css");
  EXPECT_EQ(ReadListFile(path), (Names{"/x/a.html", "/x/b.php", "/x/c.css"}));
  EXPECT_EQ(ReadListFile(folder.Path("missing.qlp")), Names{});
}

}  // namespace
}  // namespace quillory
