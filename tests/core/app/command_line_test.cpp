#include "app/command_line.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/list_file.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

using Names = std::vector<std::string>;

TEST(CommandLineFilesTest, TheJoinedTextComesFirstThenEachArgument) {
  const std::set<std::string> files = {"a.html", "b.html", "my page.html",
                                       "x",      "y",      "x y"};
  const auto exists = [&](const std::string& p) { return files.contains(p); };
  const std::tuple<const char*, Names, Names> rows[] = {
      {"nothing given", {}, {}},
      {"one name", {"a.html"}, {"a.html"}},
      {"a name split at its blank", {"my", "page.html"}, {"my page.html"}},
      {"the joined text trimmed", {" my", "page.html "}, {"my page.html"}},
      {"several files", {"a.html", "b.html"}, {"a.html", "b.html"}},
      {"a missing one keeps it whole", {"a.html", "c.html"}, {"a.html c.html"}},
      {"a missing name is still tried", {"c.html"}, {"c.html"}},
      {"only blanks", {"  "}, {""}},
      {"the joined name wins", {"x", "y"}, {"x y"}},
  };
  for (const auto& [rule, arguments, opened] : rows) {
    EXPECT_EQ(CommandLineFiles(arguments, exists), opened) << rule;
  }
}

TEST(IsListFileNameTest, ExtensionIsComparedIgnoringCase) {
  for (const char* name : {"/home/u/site.qlp", "/home/u/SITE.QLP", ".qlp"}) {
    EXPECT_TRUE(IsListFileName(name)) << name;
  }
  for (const char* name : {"qlp", "site.qlp.html", "site.qlpx"}) {
    EXPECT_FALSE(IsListFileName(name)) << name;
  }
}

// The names are the file's lines, split as every data file is.
TEST(ListFileTextTest, PutsCrLfBetweenNamesOnly) {
  EXPECT_EQ(ListFileText({"/x/a.html"}), "/x/a.html");
  EXPECT_EQ(ListFileText({"/x/a.html", "", "/x/c.js"}),
            "/x/a.html\r\n\r\n/x/c.js");
  EXPECT_EQ(ListFileText({}), "");
}

TEST(ReadListFileTest, ReadsTheNamesFromTheFile) {
  testing::TestFolder folder;
  const std::string path =
      folder.Write("site.qlp", "/x/a.html\r\n/x/b.php\r\n/x/c.css");
  EXPECT_EQ(ReadListFile(path), (Names{"/x/a.html", "/x/b.php", "/x/c.css"}));
  EXPECT_EQ(ReadListFile(folder.Path("missing.qlp")), Names{});
}

}  // namespace
}  // namespace quillory
