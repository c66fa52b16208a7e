#include "app/disk_change.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "support/test_folder.h"

namespace quillory {
namespace {

// Each row changes the file as another program would, between the stamp
// taken when it was read and the one taken now.
TEST(ChangeBetweenTest, WhatAnotherProgramDidToTheFile) {
  testing::TestFolder folder;
  const std::string path = folder.Path("page.html");
  const std::string other = folder.Path("other");
  // The rule, what the other program does to the file (given `other` to
  // rename over it) and the change seen.
  using Act = void (*)(const std::string& path, const std::string& other);
  const std::tuple<const char*, Act, DiskChange> rows[] = {
      {"untouched is no change", [](auto&, auto&) {}, DiskChange::kNone},
      {"new bytes are a change",
       [](auto& p, auto&) { ::truncate(p.c_str(), 1); }, DiskChange::kChanged},
      {"another file of the same size and time is a change",
       [](auto& p, auto& o) {
         struct stat old {};
         ::stat(p.c_str(), &old);
         const timespec times[] = {old.st_atim, old.st_mtim};
         ::utimensat(AT_FDCWD, o.c_str(), times, 0);
         std::rename(o.c_str(), p.c_str());
       },
       DiskChange::kChanged},
      {"removed is gone", [](auto& p, auto&) { ::unlink(p.c_str()); },
       DiskChange::kGone},
      {"a folder in its place is not a file",
       [](auto& p, auto&) {
         ::unlink(p.c_str());
         ::mkdir(p.c_str(), 0700);
       },
       DiskChange::kNotAFile},
  };
  for (const auto& [rule, act, expected] : rows) {
    ::rmdir(path.c_str());
    folder.Write("page.html", "<p>a</p>");
    folder.Write("other", "<p>b</p>");
    const DiskStamp read = StampOf(path);
    act(path, other);
    EXPECT_EQ(ChangeBetween(read, StampOf(path)), expected) << rule;
  }
  // A file that comes back, in its own place or in a folder's, is changed.
  EXPECT_EQ(ChangeBetween({}, StampOf(other)), DiskChange::kChanged);
  EXPECT_EQ(ChangeBetween({.kind = DiskStamp::Kind::kNotAFile}, StampOf(other)),
            DiskChange::kChanged);
}

}  // namespace
}  // namespace quillory
