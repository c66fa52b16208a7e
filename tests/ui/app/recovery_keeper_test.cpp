#include "app/ui/recovery_keeper.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "base/text_file.h"
#include "support/window_test.h"

namespace quillory {
namespace {

// A second keeper beside the window's own, on the window's documents.
// That typing cannot put a write off for ever is the end-to-end kill run.
class RecoveryKeeperTest : public testing::WindowTest {
 protected:
  std::unique_ptr<RecoveryKeeper> Keeper(const std::string& root) {
    return std::make_unique<RecoveryKeeper>(
        RecoveryKeeperHost{Tabs(), &Rich(), fakes_.dialogs, Captions(),
                           [this](std::string_view text) { status_ = text; }},
        root,
        RecoveryTimes{std::chrono::minutes(1), std::chrono::milliseconds(100)});
  }

  std::string status_;
};

// The deadline starts a copy that goes on a slice per turn of the event
// loop; an edit behind the part already copied is copied again.
TEST_F(RecoveryKeeperTest, CopiesInSlicesWhatChangesMeanwhile) {
  const std::string root = folder_.Path("store/");
  const auto keeper = Keeper(root);
  std::string page;
  while (page.size() < (3 << 20)) page += "<p>Some words</p>\r\n";
  OpenFile("a.html", page);
  Rich().ReplaceRange(0, 0, "1");
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  for (int turn = 0; turn < 2; ++turn) QCoreApplication::processEvents();
  Rich().ReplaceRange(5, 6, "2");
  keeper->KeepBeforeRisk();
  std::string entry;
  for (const auto& file : std::filesystem::recursive_directory_iterator(root)) {
    if (file.is_regular_file()) entry = ReadTextFile(file.path());
  }
  const std::optional<RecoveredText> kept = ParseRecoveryEntry(entry);
  ASSERT_TRUE(kept);
  // Not EXPECT_EQ: a failure would diff megabytes.
  EXPECT_TRUE(kept->bytes == Rich().Bytes());
}

// Told on the status line at each failure, and in a message only once.
TEST_F(RecoveryKeeperTest, SaysOnceThatTheStoreCannotBeWritten) {
  const auto keeper = Keeper(folder_.Write("plain", "x") + "/store/");
  OpenFile("a.html", "A");
  for (int time = 0; time < 2; ++time) {
    status_.clear();
    Type("x");
    keeper->WriteNow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !status_.empty(); }));
    EXPECT_TRUE(status_.starts_with("Unsaved text cannot be kept")) << status_;
  }
  ASSERT_EQ(fakes_.dialogs.messages.size(), 1u);
  EXPECT_TRUE(
      fakes_.dialogs.messages[0].starts_with("Unsaved text cannot be kept"));
}

}  // namespace
}  // namespace quillory
