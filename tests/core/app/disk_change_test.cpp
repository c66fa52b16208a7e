#include "app/disk_change.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "support/test_folder.h"

namespace quillory {
namespace {

using Kind = DiskStamp::Kind;

// Each row changes the file as another program would, between the stamp
// taken when it was read and the one taken now.
TEST(ChangeBetweenTest, WhatAnotherProgramDidToTheFile) {
  testing::TestFolder folder;
  const std::string path = folder.Path("page.html");
  struct Row {
    const char* rule;
    void (*act)(testing::TestFolder&, const std::string&);
    DiskChange expected;
  };
  const Row rows[] = {
      {"untouched is no change",
       [](testing::TestFolder&, const std::string&) {}, DiskChange::kNone},
      {"new bytes are a change",
       [](testing::TestFolder& f, const std::string&) {
         f.Write("page.html", "<p>longer</p>");
       },
       DiskChange::kChanged},
      {"same size, same time, other file is a change",
       [](testing::TestFolder& f, const std::string& p) {
         struct stat old {};
         ::stat(p.c_str(), &old);
         const std::string other = f.Write("other", "<p>b</p>");
         const timespec times[] = {old.st_atim, old.st_mtim};
         ::utimensat(AT_FDCWD, other.c_str(), times, 0);
         std::rename(other.c_str(), p.c_str());
       },
       DiskChange::kChanged},
      {"removed is gone",
       [](testing::TestFolder&, const std::string& p) { ::unlink(p.c_str()); },
       DiskChange::kGone},
      {"a folder in its place is not a file",
       [](testing::TestFolder&, const std::string& p) {
         ::unlink(p.c_str());
         ::mkdir(p.c_str(), 0700);
       },
       DiskChange::kNotAFile},
  };
  for (const Row& row : rows) {
    ::rmdir(path.c_str());
    folder.Write("page.html", "<p>a</p>");
    const DiskStamp read = StampOf(path);
    ASSERT_EQ(read.kind, Kind::kFile) << row.rule;
    row.act(folder, path);
    EXPECT_EQ(ChangeBetween(read, StampOf(path)), row.expected) << row.rule;
  }
}

TEST(ChangeBetweenTest, AFileThatComesBackIsAChange) {
  const DiskStamp file{.kind = Kind::kFile, .size = 3, .inode = 7};
  EXPECT_EQ(ChangeBetween({}, file), DiskChange::kChanged);
  EXPECT_EQ(ChangeBetween({.kind = Kind::kNotAFile}, file),
            DiskChange::kChanged);
  EXPECT_EQ(ChangeBetween({}, {}), DiskChange::kNone);
}

TEST(NoticeForTest, OnlyADocumentWithoutUnsavedChangesIsSimplyReloaded) {
  EXPECT_EQ(NoticeFor(DiskChange::kNone, false), DiskNotice::kNone);
  EXPECT_EQ(NoticeFor(DiskChange::kChanged, true), DiskNotice::kAskReload);
  EXPECT_EQ(NoticeFor(DiskChange::kChanged, false),
            DiskNotice::kAskDropChanges);
  EXPECT_EQ(NoticeFor(DiskChange::kGone, true), DiskNotice::kTellGone);
  EXPECT_EQ(NoticeFor(DiskChange::kNotAFile, false), DiskNotice::kTellNotAFile);
}

}  // namespace
}  // namespace quillory
