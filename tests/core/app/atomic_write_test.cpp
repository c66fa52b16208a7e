#include "app/atomic_write.h"

#include <grp.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/text_file.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

struct RoundTripRow {
  const char* rule;
  std::string bytes;
};

const std::vector<RoundTripRow>& RoundTripRows() {
  static const std::vector<RoundTripRow> rows = {
      {"Utf8", "<p>Grüße, привет, 日本</p>\r\n"},
      {"Windows1252", std::string("caf\xE9 \x80 \x93quoted\x94\r\n")},
      {"LfOnly", "one\ntwo\nthree\n"},
      {"CrLf", "one\r\ntwo\r\n"},
      {"MixedLineEnds", "a\r\nb\nc\rd\r\n"},
      {"NulBytes", std::string("a\0b\0\0c", 6)},
      {"Byte26", std::string("before\x1A"
                             "after")},
      {"NoFinalLineEnd", "last line without end"},
      {"Empty", ""},
      {"AllByteValues",
       [] {
         std::string all;
         for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
         return all;
       }()},
  };
  return rows;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Root writes whatever the permission bits say, so permission failures are
// tried as an ordinary user in a child process. Returns the error text.
std::string WriteAsUnprivileged(const std::string& path, std::string bytes,
                                WriteMode mode) {
  if (::geteuid() != 0) return WriteTextFile(path, bytes, mode).error;
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) return "<no pipe>";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe_ends[0]);
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 ||
        ::setuid(kNobody) != 0) {
      ::_exit(2);
    }
    const std::string error = WriteTextFile(path, bytes, mode).error;
    (void)!::write(pipe_ends[1], error.data(), error.size());
    ::_exit(0);
  }
  ::close(pipe_ends[1]);
  std::string error;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipe_ends[0], buffer, sizeof buffer)) > 0;) {
    error.append(buffer, static_cast<size_t>(n));
  }
  ::close(pipe_ends[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "<child failed>";
  return error;
}

// As an ordinary user the test's own files stand in for nobody's.
void GiveToNobody(const std::string& path, mode_t mode) {
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
  }
  ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

// Unmounts on scope exit.
class Mount {
 public:
  explicit Mount(std::string target) : target_(std::move(target)) {}
  Mount(const Mount&) = delete;
  Mount& operator=(const Mount&) = delete;
  ~Mount() {
    if (mounted_) ::umount2(target_.c_str(), MNT_DETACH);
  }
  bool Tmpfs(const char* options) {
    return mounted_ =
               ::mount("tmpfs", target_.c_str(), "tmpfs", 0, options) == 0;
  }
  bool ReadOnlyBind() {
    if (::mount(target_.c_str(), target_.c_str(), nullptr, MS_BIND, nullptr) !=
        0) {
      return false;
    }
    mounted_ = true;
    return ::mount(nullptr, target_.c_str(), nullptr,
                   MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  std::string target_;
  bool mounted_ = false;
};

class AtomicWriteTest : public ::testing::Test {
 protected:
  testing::TestFolder folder_;
};

class RoundTripTest : public ::testing::TestWithParam<RoundTripRow> {
 protected:
  testing::TestFolder folder_;
};

TEST_P(RoundTripTest, NewFileHoldsExactlyTheBytes) {
  const std::string path = folder_.Path("new.html");
  ASSERT_TRUE(
      WriteTextFile(path, GetParam().bytes, WriteMode::kReplace).Succeeded());
  EXPECT_EQ(ReadTextFile(path), GetParam().bytes);
}

TEST_P(RoundTripTest, ReplacedFileHoldsExactlyTheBytes) {
  const std::string path =
      folder_.Write("old.html", std::string(5000, 'x') + "\r\nold tail");
  ASSERT_TRUE(
      WriteTextFile(path, GetParam().bytes, WriteMode::kReplace).Succeeded());
  EXPECT_EQ(ReadTextFile(path), GetParam().bytes);
}

TEST_P(RoundTripTest, AppendKeepsBothPartsExactly) {
  const std::string path = folder_.Write("list.qlp", "first\r\n");
  ASSERT_TRUE(
      WriteTextFile(path, GetParam().bytes, WriteMode::kAppend).Succeeded());
  EXPECT_EQ(ReadTextFile(path), "first\r\n" + GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfText, RoundTripTest,
                         ::testing::ValuesIn(RoundTripRows()),
                         [](const auto& info) { return info.param.rule; });

TEST_F(AtomicWriteTest, LeavesNoTemporaryFileBehind) {
  folder_.Write("page.html", "old");
  ASSERT_TRUE(
      WriteTextFile(folder_.Path("page.html"), "new", WriteMode::kReplace)
          .Succeeded());
  EXPECT_EQ(NamesIn(folder_.Path("")), std::vector<std::string>{"page.html"});
}

TEST_F(AtomicWriteTest, KeepsTheOldPermissionBits) {
  for (const mode_t mode : {0600, 0640, 0755, 02644}) {
    const std::string path = folder_.Write("page.html", "old");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    ASSERT_TRUE(WriteTextFile(path, "new", WriteMode::kReplace).Succeeded());
    EXPECT_EQ(ModeOf(path), mode) << std::oct << mode;
  }
}

TEST_F(AtomicWriteTest, NewFileGetsReadWriteLessTheUmask) {
  const mode_t old_mask = ::umask(027);
  const WriteResult result =
      WriteTextFile(folder_.Path("new.html"), "x", WriteMode::kReplace);
  ::umask(old_mask);
  ASSERT_TRUE(result.Succeeded());
  EXPECT_EQ(ModeOf(folder_.Path("new.html")), 0640u);
}

TEST_F(AtomicWriteTest, KeepsTheOwnerAndGroupWhereAllowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file away";
  const std::string path = folder_.Write("page.html", "old");
  ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
  ASSERT_TRUE(WriteTextFile(path, "new", WriteMode::kReplace).Succeeded());
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, 4321u);
  EXPECT_EQ(info.st_gid, 4322u);
}

TEST_F(AtomicWriteTest, SymbolicLinkIsWrittenThroughToItsTarget) {
  folder_.Write("real.html", "old");
  fs::create_symlink("real.html", folder_.Path("link.html"));
  ASSERT_TRUE(
      WriteTextFile(folder_.Path("link.html"), "new", WriteMode::kReplace)
          .Succeeded());
  EXPECT_TRUE(fs::is_symlink(folder_.Path("link.html")));
  EXPECT_EQ(folder_.Read("real.html"), "new");
}

TEST_F(AtomicWriteTest, ChainOfLinksIntoAnotherFolderReachesTheLastTarget) {
  fs::create_directory(folder_.Path("site"));
  folder_.Write("site/real.html", "old");
  fs::create_symlink(folder_.Path("site/real.html"), folder_.Path("middle"));
  fs::create_symlink("middle", folder_.Path("first"));
  ASSERT_TRUE(WriteTextFile(folder_.Path("first"), "new", WriteMode::kReplace)
                  .Succeeded());
  EXPECT_EQ(folder_.Read("site/real.html"), "new");
  EXPECT_TRUE(fs::is_symlink(folder_.Path("middle")));
  EXPECT_EQ(NamesIn(folder_.Path("site")),
            std::vector<std::string>{"real.html"});
}

TEST_F(AtomicWriteTest, DanglingLinkCreatesItsTarget) {
  fs::create_symlink("missing.html", folder_.Path("link.html"));
  ASSERT_TRUE(
      WriteTextFile(folder_.Path("link.html"), "new", WriteMode::kReplace)
          .Succeeded());
  EXPECT_TRUE(fs::is_symlink(folder_.Path("link.html")));
  EXPECT_EQ(folder_.Read("missing.html"), "new");
}

TEST_F(AtomicWriteTest, LinkLoopIsRefused) {
  fs::create_symlink("b", folder_.Path("a"));
  fs::create_symlink("a", folder_.Path("b"));
  const WriteResult result =
      WriteTextFile(folder_.Path("a"), "new", WriteMode::kReplace);
  EXPECT_FALSE(result.Succeeded());
  EXPECT_NE(result.error.find(folder_.Path("a")), std::string::npos);
}

TEST_F(AtomicWriteTest, HardLinkedNameKeepsTheOldBytes) {
  const std::string path = folder_.Write("page.html", "old");
  fs::create_hard_link(path, folder_.Path("other-name.html"));
  ASSERT_TRUE(WriteTextFile(path, "new", WriteMode::kReplace).Succeeded());
  EXPECT_EQ(folder_.Read("page.html"), "new");
  EXPECT_EQ(folder_.Read("other-name.html"), "old");
  EXPECT_EQ(fs::hard_link_count(path), 1u);
}

TEST_F(AtomicWriteTest, AppendToMissingFileCreatesIt) {
  ASSERT_TRUE(
      WriteTextFile(folder_.Path("new.qlp"), "\r\n/a.html", WriteMode::kAppend)
          .Succeeded());
  EXPECT_EQ(folder_.Read("new.qlp"), "\r\n/a.html");
}

TEST_F(AtomicWriteTest, AppendThroughLinkKeepsPermissions) {
  const std::string path = folder_.Write("project.qlp", "/a.html");
  ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
  fs::create_symlink("project.qlp", folder_.Path("link.qlp"));
  ASSERT_TRUE(
      WriteTextFile(folder_.Path("link.qlp"), "\r\n/b.html", WriteMode::kAppend)
          .Succeeded());
  EXPECT_EQ(folder_.Read("project.qlp"), "/a.html\r\n/b.html");
  EXPECT_EQ(ModeOf(path), 0604u);
}

TEST_F(AtomicWriteTest, BackslashIsPartOfTheName) {
  ASSERT_TRUE(WriteTextFile(folder_.Path("a\\b.html"), "x", WriteMode::kReplace)
                  .Succeeded());
  EXPECT_EQ(NamesIn(folder_.Path("")), std::vector<std::string>{"a\\b.html"});
}

// Each failure must name the file, say why, keep the old bytes and leave
// nothing else behind.
void ExpectRefused(const std::string& error, const std::string& path,
                   std::string_view reason) {
  EXPECT_NE(error.find('"' + path + '"'), std::string::npos) << error;
  EXPECT_NE(error.find(reason), std::string::npos) << error;
}

TEST_F(AtomicWriteTest, FolderThatIsARegularFileFails) {
  folder_.Write("plain", "not a folder");
  const std::string path = folder_.Path("plain/page.html");
  ExpectRefused(WriteTextFile(path, "new", WriteMode::kReplace).error, path,
                "Not a directory");
  EXPECT_EQ(folder_.Read("plain"), "not a folder");
}

TEST_F(AtomicWriteTest, MissingFolderFails) {
  const std::string path = folder_.Path("missing/page.html");
  ExpectRefused(WriteTextFile(path, "new", WriteMode::kReplace).error, path,
                "No such file or directory");
}

TEST_F(AtomicWriteTest, FolderAsTargetFails) {
  fs::create_directory(folder_.Path("site"));
  ExpectRefused(
      WriteTextFile(folder_.Path("site"), "new", WriteMode::kReplace).error,
      folder_.Path("site"), "Is a directory");
  EXPECT_TRUE(fs::is_directory(folder_.Path("site")));
}

TEST_F(AtomicWriteTest, NamedPipeIsNotReplaced) {
  ASSERT_EQ(::mkfifo(folder_.Path("pipe").c_str(), 0644), 0);
  ExpectRefused(
      WriteTextFile(folder_.Path("pipe"), "new", WriteMode::kReplace).error,
      folder_.Path("pipe"), "not a regular file");
  EXPECT_TRUE(fs::is_fifo(folder_.Path("pipe")));
}

TEST_F(AtomicWriteTest, ReadOnlyFolderFailsAndKeepsTheOldFile) {
  fs::create_directory(folder_.Path("site"));
  const std::string path = folder_.Write("site/page.html", "old");
  GiveToNobody(folder_.Path(""), 0755);
  GiveToNobody(path, 0644);
  GiveToNobody(folder_.Path("site"), 0555);
  ExpectRefused(WriteAsUnprivileged(path, "new", WriteMode::kReplace), path,
                "Permission denied");
  EXPECT_EQ(folder_.Read("site/page.html"), "old");
  EXPECT_EQ(NamesIn(folder_.Path("site")),
            std::vector<std::string>{"page.html"});
}

TEST_F(AtomicWriteTest, FileWithoutWritePermissionIsNotReplaced) {
  const std::string path = folder_.Write("page.html", "old");
  GiveToNobody(folder_.Path(""), 0755);
  GiveToNobody(path, 0444);
  ExpectRefused(WriteAsUnprivileged(path, "new", WriteMode::kReplace), path,
                "Permission denied");
  EXPECT_EQ(folder_.Read("page.html"), "old");
  EXPECT_EQ(NamesIn(folder_.Path("")), std::vector<std::string>{"page.html"});
}

TEST_F(AtomicWriteTest, AppendToUnreadableFileDoesNotDropItsBytes) {
  const std::string path = folder_.Write("project.qlp", "/a.html");
  GiveToNobody(folder_.Path(""), 0755);
  GiveToNobody(path, 0200);
  ExpectRefused(WriteAsUnprivileged(path, "\r\n/b.html", WriteMode::kAppend),
                path, "cannot be read");
  EXPECT_EQ(folder_.Read("project.qlp"), "/a.html");
}

TEST_F(AtomicWriteTest, ReadOnlyMountFailsAndKeepsTheOldFile) {
  fs::create_directory(folder_.Path("site"));
  const std::string path = folder_.Write("site/page.html", "old");
  Mount mount(folder_.Path("site"));
  if (!mount.ReadOnlyBind()) GTEST_SKIP() << "mounting is not permitted";
  ExpectRefused(WriteTextFile(path, "new", WriteMode::kReplace).error, path,
                "Read-only file system");
  EXPECT_EQ(folder_.Read("site/page.html"), "old");
}

TEST_F(AtomicWriteTest, FullDiskFailsAndKeepsTheOldFile) {
  fs::create_directory(folder_.Path("disk"));
  Mount mount(folder_.Path("disk"));
  if (!mount.Tmpfs("size=64k")) GTEST_SKIP() << "mounting is not permitted";
  const std::string old_bytes(16 * 1024, 'o');
  const std::string path = folder_.Write("disk/page.html", old_bytes);
  ExpectRefused(
      WriteTextFile(path, std::string(256 * 1024, 'n'), WriteMode::kReplace)
          .error,
      path, "No space left on device");
  EXPECT_EQ(ReadTextFile(path), old_bytes);
  EXPECT_EQ(NamesIn(folder_.Path("disk")),
            std::vector<std::string>{"page.html"});
}

TEST_F(AtomicWriteTest, ShortWriteFailsAndKeepsTheOldFile) {
  // A file-size limit makes the system accept only part of a write, then
  // refuse the rest: the same shape as a disk filling up midway.
  const std::string path = folder_.Write("page.html", "old");
  rlimit old_limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  rlimit small = old_limit;
  small.rlim_cur = 4096;
  const auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const WriteResult result =
      WriteTextFile(path, std::string(10000, 'n'), WriteMode::kReplace);
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  ::signal(SIGXFSZ, old_handler);
  ExpectRefused(result.error, path, "File too large");
  EXPECT_EQ(folder_.Read("page.html"), "old");
  EXPECT_EQ(NamesIn(folder_.Path("")), std::vector<std::string>{"page.html"});
}

}  // namespace
}  // namespace quillory
