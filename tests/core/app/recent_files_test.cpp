#include "app/recent_files.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/text_util.h"

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

// Slots and added paths written joined by "|".
TEST(AddRecentTest, NewestFirstPushingTheOthersDown) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      // The seventh pushes the oldest out.
      {"", "/1|/2|/3|/4|/5|/6|/7", "/7|/6|/5|/4|/3|/2"},
      // A path already listed stays in its old slot too.
      {"", "/a|/b|/a", "/a|/b|/a|||"},
      // Empty slots move down like any other.
      {"/a||/c|||/f", "/new", "/new|/a||/c||"},
      // Any text is taken as it is.
      {"", "| /with blanks/\"q\".html ", " /with blanks/\"q\".html |||||"},
  };
  for (const auto& [before, added, after] : rows) {
    Slots slots;
    const std::vector<std::string> parts = Split(before, "|");
    std::copy(parts.begin(), parts.end(), slots.begin());
    const Slots last = AfterAdding(slots, Split(added, "|")).last_opened;
    EXPECT_EQ(Join({last.begin(), last.end()}, "|"), after) << added;
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
