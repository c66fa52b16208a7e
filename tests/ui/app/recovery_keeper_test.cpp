#include "app/ui/recovery_keeper.h"

#include <gtest/gtest.h>

#include <QTest>

#include <memory>
#include <string>

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
