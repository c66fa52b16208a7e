#include "base/atomic_write.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "base/text_file.h"
#include "support/file_size_limit.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

using enum WriteMode;

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

struct stat StatOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info;
}

using Names = std::vector<std::string>;

// Root writes whatever the permission bits say, so permission failures are
// tried as an ordinary user. Returns the error text.
std::string WriteAsUnprivileged(const std::string& path, std::string bytes,
                                WriteMode mode) {
  const bool root = ::geteuid() == 0;
  if (root && (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0))
    return "<could not leave root>";
  const std::string error = WriteTextFile(path, bytes, mode).error;
  if (root && (::seteuid(0) != 0 || ::setegid(0) != 0)) std::abort();
  return error;
}

// As an ordinary user the test's own files stand in for nobody's.
void GiveToNobody(const std::string& path, mode_t mode) {
  if (::geteuid() == 0) ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

class AtomicWriteTest : public ::testing::Test {
 protected:
  static bool Written(const std::string& path, std::string_view bytes,
                      WriteMode mode = kReplace) {
    return WriteTextFile(path, bytes, mode).Succeeded();
  }
  // The names in `folder` of the test's folder, sorted.
  Names NamesIn(const std::string& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder_.Path(folder)))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  testing::TestFolder folder_;
};

// No byte is converted, into a new file (a backslash is part of its
// name), over a longer old file, or appended; appending to a missing file
// creates it.
TEST_F(AtomicWriteTest, EveryByteValueRoundTripsExactly) {
  std::string all_bytes;
  for (int b = 0; b < 256; ++b) all_bytes += static_cast<char>(b);
  for (const std::string& bytes : {all_bytes, std::string()}) {
    const auto fresh = folder_.Path("a\\b" + std::to_string(bytes.size()));
    ASSERT_TRUE(Written(fresh, bytes));
    EXPECT_EQ(ReadTextFile(fresh), bytes);
    const std::string old =
        folder_.Write("old.html", std::string(5000, 'x') + "\r\nold tail");
    ASSERT_TRUE(Written(old, bytes));
    EXPECT_EQ(ReadTextFile(old), bytes);
    const std::string list = folder_.Write("list.qlp", "first\r\n");
    ASSERT_TRUE(Written(list, bytes, kAppend));
    EXPECT_EQ(ReadTextFile(list), "first\r\n" + bytes);
  }
  ASSERT_TRUE(Written(folder_.Path("new.qlp"), "\r\n/a.html", kAppend));
  EXPECT_EQ(folder_.Read("new.qlp"), "\r\n/a.html");
}

// The owner can be kept only by root; a new file gets 0666 less the umask.
TEST_F(AtomicWriteTest, KeepsModeAndOwnerAndLeavesNoTemporaryFile) {
  const bool root = ::geteuid() == 0;
  for (const mode_t mode : {0755, 02644}) {
    const std::string path = folder_.Write("page.html", "old");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    if (root) ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
    ASSERT_TRUE(Written(path, "new"));
    const struct stat info = StatOf(path);
    EXPECT_EQ(info.st_mode & 07777, mode) << std::oct << mode;
    if (root)
      EXPECT_EQ(std::pair(info.st_uid, info.st_gid), std::pair(4321u, 4322u));
  }
  EXPECT_EQ(NamesIn(""), Names{"page.html"});
  const mode_t old_mask = ::umask(027);
  const bool written = Written(folder_.Path("new.html"), "x");
  ::umask(old_mask);
  ASSERT_TRUE(written);
  EXPECT_EQ(StatOf(folder_.Path("new.html")).st_mode & 07777, 0640u);
}

// A link, a chain of links into another folder and a dangling link: each
// link stays and its last target gets the bytes. A hard link's other name
// keeps the old ones.
TEST_F(AtomicWriteTest, LinksAreWrittenThroughToTheirLastTarget) {
  folder_.Write("real.html", "old");
  fs::create_symlink("real.html", folder_.Path("link.html"));
  folder_.Write("site/deep.html", "old");
  fs::create_symlink(folder_.Path("site/deep.html"), folder_.Path("middle"));
  fs::create_symlink("middle", folder_.Path("first"));
  fs::create_symlink("missing.html", folder_.Path("dangling.html"));
  fs::create_hard_link(folder_.Path("real.html"), folder_.Path("hard.html"));
  for (const char* name : {"link.html", "first", "dangling.html"}) {
    ASSERT_TRUE(Written(folder_.Path(name), "new")) << name;
    EXPECT_TRUE(fs::is_symlink(folder_.Path(name))) << name;
  }
  for (const char* target : {"real.html", "site/deep.html", "missing.html"}) {
    EXPECT_EQ(folder_.Read(target), "new") << target;
  }
  EXPECT_EQ(folder_.Read("hard.html"), "old");
  EXPECT_TRUE(fs::is_symlink(folder_.Path("middle")));
  EXPECT_EQ(NamesIn("site"), Names{"deep.html"});
}

// Each failure must name the file, say why, keep the old bytes and leave
// nothing else behind.
void ExpectRefused(const std::string& error, const std::string& path,
                   std::string_view reason) {
  EXPECT_NE(error.find('"' + path + '"'), std::string::npos) << error;
  EXPECT_NE(error.find(reason), std::string::npos) << error;
}

TEST_F(AtomicWriteTest, TargetsThatCannotBeFilesAreRefusedAndLeftAlone) {
  folder_.Write("plain", "not a folder");
  fs::create_directory(folder_.Path("site"));
  ASSERT_EQ(::mkfifo(folder_.Path("pipe").c_str(), 0644), 0);
  fs::create_symlink("loop", folder_.Path("loop"));
  const std::pair<const char*, const char*> rows[] = {
      {"plain/page.html", "Not a directory"},
      {"missing/page.html", "No such file or directory"},
      {"site", "Is a directory"},
      {"pipe", "not a regular file"},
      {"loop", "Too many levels of symbolic links"}};
  for (const auto& [name, reason] : rows) {
    const std::string path = folder_.Path(name);
    ExpectRefused(WriteTextFile(path, "new", kReplace).error, path, reason);
  }
  EXPECT_EQ(folder_.Read("plain"), "not a folder");
  EXPECT_TRUE(fs::is_empty(folder_.Path("site")));
  EXPECT_TRUE(fs::is_fifo(folder_.Path("pipe")));
  EXPECT_EQ(NamesIn(""), (Names{"loop", "pipe", "plain", "site"}));
}

TEST_F(AtomicWriteTest, MissingPermissionsKeepTheOldFiles) {
  // The file, its bytes and mode, how it is written and why that fails.
  // Appending must not drop bytes it could not read.
  const std::tuple<const char*, const char*, mode_t, WriteMode, const char*>
      rows[] = {{"site/page.html", "old", 0644, kReplace, "Permission denied"},
                {"locked.html", "old", 0444, kReplace, "Permission denied"},
                {"project.qlp", "/a.html", 0200, kAppend, "cannot be read"}};
  for (const auto& [name, bytes, mode, how, reason] : rows) {
    GiveToNobody(folder_.Write(name, bytes), mode);
  }
  GiveToNobody(folder_.Path(""), 0755);
  GiveToNobody(folder_.Path("site"), 0555);
  for (const auto& [name, bytes, mode, how, reason] : rows) {
    const std::string path = folder_.Path(name);
    ExpectRefused(WriteAsUnprivileged(path, "\r\nnew", how), path, reason);
    EXPECT_EQ(folder_.Read(name), bytes);
  }
  EXPECT_EQ(NamesIn("site"), Names{"page.html"});
  EXPECT_EQ(NamesIn(""), (Names{"locked.html", "project.qlp", "site"}));
}

// A disk filling up midway. A read-only mount fails where a read-only
// folder does, at making the temporary file.
TEST_F(AtomicWriteTest, ShortWriteFailsAndKeepsTheOldFile) {
  const std::string path = folder_.Write("page.html", "old");
  const WriteResult result = testing::WithFileSizeLimit(4096, [&] {
    return WriteTextFile(path, std::string(10000, 'n'), kReplace);
  });
  ExpectRefused(result.error, path, "File too large");
  EXPECT_EQ(folder_.Read("page.html"), "old");
  EXPECT_EQ(NamesIn(""), Names{"page.html"});
}

// Saves killed at random moments leave at most the instant's named file
// before its rename, which the next save removes with any other left where
// the file system has no unnamed files.
TEST_F(AtomicWriteTest, KilledSavesLeaveNoTemporaryFile) {
  const std::string path = folder_.Write("page.html", "old");
  folder_.Write(".page.html.0123abcd.tmp", "stale copy");
  const std::string big(16 << 20, 'x');
  for (int kill = 1; kill <= 20; ++kill) {
    const pid_t child = ::fork();
    if (child == 0) {
      for (;;) (void)WriteTextFile(path, big, kReplace);
    }
    ::usleep(kill * 1500);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
  }
  ASSERT_TRUE(Written(path, "new"));
  EXPECT_EQ(NamesIn(""), Names{"page.html"});
}

}  // namespace
}  // namespace quillory
