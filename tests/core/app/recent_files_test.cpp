#include "app/recent_files.h"

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quillory {
namespace {

using Slots = std::array<std::string, kRecentCount>;
using Captions = std::vector<std::string>;

Settings AfterAdding(Slots before, const std::vector<std::string>& paths) {
  Settings settings;
  settings.last_opened = before;
  for (const std::string& path : paths) AddRecent(path, settings);
  return settings;
}

TEST(AddRecentTest, NewestFirstPushingTheOthersDown) {
  struct Row {
    const char* rule;
    Slots before;
    std::vector<std::string> added;
    Slots after;
  };
  const Row rows[] = {
      {"the seventh pushes the oldest out",
       {},
       {"/1", "/2", "/3", "/4", "/5", "/6", "/7"},
       {"/7", "/6", "/5", "/4", "/3", "/2"}},
      {"a path already listed stays in its old slot too",
       {},
       {"/a", "/b", "/a"},
       {"/a", "/b", "/a", "", "", ""}},
      {"empty slots move down like any other",
       {"/a", "", "/c", "", "", "/f"},
       {"/new"},
       {"/new", "/a", "", "/c", "", ""}},
      {"any text is taken as it is",
       {},
       {"", " /with blanks/\"q\".html "},
       {" /with blanks/\"q\".html ", "", "", "", "", ""}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(AfterAdding(row.before, row.added).last_opened, row.after)
        << row.rule;
  }
}

TEST(RecentMenuCaptionsTest, TextAfterTheLastSlashUpToTheFirstEmptySlot) {
  EXPECT_EQ(
      RecentMenuCaptions(AfterAdding({"/home/u/site/index.html", "relative.css",
                                      "/home/u/dir/", "", "/e.html", ""},
                                     {})),
      (Captions{"index.html", "relative.css", ""}));
}

}  // namespace
}  // namespace quillory
