#include "platform/qt/qt_instance_channel.h"

#include <gtest/gtest.h>

#include <QLocalSocket>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "app/open_request.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

constexpr InstanceChannelLimits kLimits{std::chrono::milliseconds(300), 16};

std::unique_ptr<QLocalSocket> Connect(const std::string& path) {
  auto socket = std::make_unique<QLocalSocket>();
  socket->connectToServer(QString::fromStdString(path));
  return socket;
}

// Launches that connect and never finish cannot use up the instance: it
// holds a few at a time, each for a while, drops a path too long at once,
// and the next real launch is still served.
TEST(QtInstanceChannelTest, UnfinishedRequestsAreBounded) {
  testing::TestFolder folder;
  const std::string path = folder.Path("socket");
  QtInstanceChannel channel(path, kLimits);
  ASSERT_EQ(channel.Claim({}), InstanceRole::kServing);
  std::vector<std::string> received;
  channel.SetReceiver([&](const std::vector<std::string>& paths) {
    received.insert(received.end(), paths.begin(), paths.end());
  });

  std::unique_ptr<QLocalSocket> huge = Connect(path);
  huge->write("1\n" + QByteArray(64 * 1024, 'a'));
  std::vector<std::unique_ptr<QLocalSocket>> silent;
  for (int i = 0; i < 40; ++i) silent.push_back(Connect(path));
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return huge->state() == QLocalSocket::UnconnectedState; }));
  EXPECT_LE(channel.HeldRequests(), kLimits.held);
  ASSERT_TRUE(QTest::qWaitFor([&] { return channel.HeldRequests() == 0; }));

  std::unique_ptr<QLocalSocket> launch = Connect(path);
  launch->write(QByteArray::fromStdString(OpenRequestBytes({"/a.html"})));
  ASSERT_TRUE(QTest::qWaitFor([&] { return launch->bytesAvailable() > 0; }));
  EXPECT_EQ(launch->read(1), "K");
  launch->putChar('C');
  ASSERT_TRUE(QTest::qWaitFor([&] { return !received.empty(); }));
  EXPECT_EQ(received, std::vector<std::string>{"/a.html"});
}

}  // namespace
}  // namespace quillory
