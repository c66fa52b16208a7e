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

TEST(ListFileEntriesTest, GivesTheNamesInOrder) {
  struct Row {
    const char* rule;
    std::string text;
    Names names;
  };
  const Row rows[] = {
      {"empty file lists nothing", "", {}},
      {"paths between CR LF", "/a.html\r\n/b b.css", {"/a.html", "/b b.css"}},
      {"final CR LF leaves an empty name", "/a.html\r\n", {"/a.html", ""}},
      {"unnamed document is an empty line",
       "/a.html\r\n\r\n/c.js",
       {"/a.html", "", "/c.js"}},
      {"LF-only list is split at LF",
       "/a.html\n/b.html",
       {"/a.html", "/b.html"}},
      {"lone LF in a CR LF list stays in the name",
       "/a\n.html\r\n/b",
       {"/a\n.html", "/b"}},
      {"names are not trimmed",
       " /a.html \r\n\"/b.html\"",
       {" /a.html ", "\"/b.html\""}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ListFileEntries(row.text), row.names) << row.rule;
  }
}

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
