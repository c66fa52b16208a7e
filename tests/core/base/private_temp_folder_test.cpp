#include "base/private_temp_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(PrivateTempFolderTest, IsMadeAfreshForTheUserAloneAndRemovedWithItsPages) {
  testing::TestFolder folder;
  std::string made;
  {
    PrivateTempFolder temp(folder.Path(""));
    made = temp.Path();
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(made.rfind(folder.Path("quillory-"), 0), 0u);
    EXPECT_TRUE(made.ends_with('/'));
    EXPECT_EQ(ModeOf(made), 0700u);
    EXPECT_NE(PrivateTempFolder(folder.Path("")).Path(), made);
    ASSERT_TRUE(CreateExclusiveFile(made + "page.html", "x").Succeeded());
  }
  EXPECT_FALSE(fs::exists(made));
  EXPECT_EQ(PrivateTempFolder(folder.Path("missing/")).Path(), "");
}

TEST(CreateExclusiveFileTest, WritesANewFileReadableByTheUserAlone) {
  testing::TestFolder folder;
  EXPECT_TRUE(CreateExclusiveFile(folder.Path("a"), "bytes").Succeeded());
  EXPECT_EQ(folder.Read("a"), "bytes");
  EXPECT_EQ(ModeOf(folder.Path("a")), 0600u);
}

TEST(CreateExclusiveFileTest, LeavesATakenNameAndWhatItPointsToAlone) {
  testing::TestFolder folder;
  const std::string victim = folder.Write("victim", "mine");
  fs::create_symlink(victim, folder.Path("link"));
  fs::create_symlink(folder.Path("nowhere"), folder.Path("dangling"));
  for (const char* name : {"link", "dangling", "victim"}) {
    const CreateResult created = CreateExclusiveFile(folder.Path(name), "x");
    EXPECT_FALSE(created.Succeeded()) << name;
    EXPECT_TRUE(created.name_taken) << name;
  }
  EXPECT_EQ(folder.Read("victim"), "mine");
  EXPECT_FALSE(folder.Exists("nowhere"));
  EXPECT_TRUE(fs::is_symlink(folder.Path("link")));
}

TEST(CreateExclusiveFileTest, TriesAnotherNameWhenOneIsTaken) {
  testing::TestFolder folder;
  const std::string victim = folder.Write("victim", "mine");
  fs::create_symlink(victim, folder.Path("1"));
  int next = 0;
  const auto name = [&next] { return std::to_string(++next); };
  const CreatedFile created = CreateUnderFreeName(folder.Path(""), name, "x");
  EXPECT_EQ(created.path, folder.Path("2"));
  EXPECT_EQ(folder.Read("2"), "x");
  EXPECT_EQ(folder.Read("victim"), "mine");
  const CreatedFile none = CreateUnderFreeName(
      folder.Path(""), [] { return "1"; }, "x");
  EXPECT_EQ(none.path, "");
  EXPECT_NE(none.error, "");
}

}  // namespace
}  // namespace quillory
