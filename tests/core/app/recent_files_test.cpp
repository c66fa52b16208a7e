#include "app/recent_files.h"

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quillory {
namespace {

using Slots = std::array<std::string, kRecentCount>;
using Captions = std::vector<std::string>;

TEST(AddRecentTest, FirstFileGoesToSlotZero) {
  Settings settings;
  AddRecent("/w/a.html", settings);
  EXPECT_EQ(settings.last_opened, (Slots{"/w/a.html", "", "", "", "", ""}));
}

TEST(AddRecentTest, NewestFirstAndTheSeventhPushesTheOldestOut) {
  Settings settings;
  for (const char* name : {"/1", "/2", "/3", "/4", "/5", "/6", "/7"}) {
    AddRecent(name, settings);
  }
  EXPECT_EQ(settings.last_opened, (Slots{"/7", "/6", "/5", "/4", "/3", "/2"}));
}

TEST(AddRecentTest, PathAlreadyListedStaysInItsOldSlotToo) {
  Settings settings;
  AddRecent("/a", settings);
  AddRecent("/b", settings);
  AddRecent("/a", settings);
  EXPECT_EQ(settings.last_opened, (Slots{"/a", "/b", "/a", "", "", ""}));
}

TEST(AddRecentTest, EmptySlotsMoveDownLikeAnyOther) {
  Settings settings;
  settings.last_opened = {"/a", "", "/c", "", "", "/f"};
  AddRecent("/new", settings);
  EXPECT_EQ(settings.last_opened, (Slots{"/new", "/a", "", "/c", "", ""}));
}

TEST(AddRecentTest, AnyTextIsTakenAsItIs) {
  Settings settings;
  AddRecent("", settings);
  AddRecent(" /with blanks/\"q\".html ", settings);
  EXPECT_EQ(settings.last_opened[0], " /with blanks/\"q\".html ");
  EXPECT_EQ(settings.last_opened[1], "");
}

TEST(RecentMenuCaptionsTest, CaptionIsTheTextAfterTheLastSlash) {
  Settings settings;
  settings.last_opened = {
      "/home/u/site/index.html", "relative.css", "/home/u/dir/", "", "", ""};
  EXPECT_EQ(RecentMenuCaptions(settings),
            (Captions{"index.html", "relative.css", ""}));
}

TEST(RecentMenuCaptionsTest, StopsAtTheFirstEmptySlot) {
  Settings settings;
  settings.last_opened = {"/a.html", "", "/c.html", "/d.html", "", ""};
  EXPECT_EQ(RecentMenuCaptions(settings), Captions{"a.html"});
}

TEST(RecentMenuCaptionsTest, AllSixSlotsShowWhenFull) {
  Settings settings;
  for (const char* name : {"/1", "/2", "/3", "/4", "/5", "/6", "/7"}) {
    AddRecent(name, settings);
  }
  EXPECT_EQ(RecentMenuCaptions(settings),
            (Captions{"7", "6", "5", "4", "3", "2"}));
}

TEST(RecentMenuCaptionsTest, BackslashIsPartOfTheName) {
  Settings settings;
  AddRecent("/w/a\\b.html", settings);
  EXPECT_EQ(RecentMenuCaptions(settings), Captions{"a\\b.html"});
}

}  // namespace
}  // namespace quillory
