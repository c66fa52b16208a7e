#include "projects/project_file.h"

#include <gtest/gtest.h>

#include <utility>

namespace quillory {
namespace {

TEST(ProjectFileTest, TextHasOneCrLfBetweenPathsAndNoneAfter) {
  EXPECT_EQ(ProjectText({"/a/one.html", "/b/two.css"}),
            "/a/one.html\r\n/b/two.css");
  EXPECT_EQ(ProjectText({}), "");
  EXPECT_EQ(ProjectAppendix("/c/three.js"), "\r\n/c/three.js");
}

TEST(ProjectFileTest, ItemGivesBackItsSlot) {
  EXPECT_EQ(ProjectItem("page.html", 7), "page.html\t\t\t\t7");
  EXPECT_EQ(SlotOfProjectItem(ProjectItem("a\t\t\t\tb.html", 3)), 3);
  for (const char* item : {"page.html", "page.html\t\t\t\t", "p\t\t\t\t2x"}) {
    EXPECT_FALSE(SlotOfProjectItem(item)) << item;
  }
}

TEST(ProjectFileTest, SavedStatusNamesTheFileWithoutItsFolder) {
  EXPECT_EQ(ProjectSavedStatus("Project %1 saved.", "/home/u/site.qlp"),
            "Project site.qlp saved.");
}

TEST(ProjectFileTest, ListNameGetsTheExtensionWhenItsLastPartHasNoDot) {
  const std::pair<const char*, const char*> rows[] = {
      {"/home/u/site", "/home/u/site.qlp"},
      {"/home/u.d/site", "/home/u.d/site.qlp"},  // a dot in a folder only
      {"/home/u/site.txt", "/home/u/site.txt"},
      {"/home/u/site.", "/home/u/site."},
      {"/home/u/.site", "/home/u/.site"},
      {"site", "site.qlp"},
  };
  for (const auto& [typed, saved] : rows) {
    EXPECT_EQ(WithListExtension(typed), saved) << typed;
  }
}

}  // namespace
}  // namespace quillory
