#pragma once

#include <QDeadlineTimer>
#include <QObject>

#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/instance_channel.h"

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace quillory {

// How much the running instance gives launches that connect: each request
// must be complete within `request_time`, and at most `held` are read at
// once; one more connection is closed at once.
struct InstanceChannelLimits {
  std::chrono::milliseconds request_time{5000};
  int held = 16;
};

// The instance channel on a local socket in the user's runtime folder
// ($XDG_RUNTIME_DIR, else the temporary folder with the socket open to
// its owner only). A lock file beside the socket decides which of several
// launches serves: listening alone would take a socket over even while
// another instance serves it.
class QtInstanceChannel : public QObject, public InstanceChannel {
 public:
  // `socket_path` as InstanceSocketPath gives it, or a test's own.
  explicit QtInstanceChannel(std::string socket_path,
                             InstanceChannelLimits limits = {});
  ~QtInstanceChannel() override;

  bool HandOver(const std::vector<std::string>& paths) override;
  InstanceRole Claim(const std::vector<std::string>& paths) override;
  void SetReceiver(Receiver receiver) override;
  void Stop() override;

  // The connections whose requests are being read.
  int HeldRequests() const { return static_cast<int>(held_.size()); }

 private:
  bool HandOverBefore(const std::vector<std::string>& paths,
                      const QDeadlineTimer& deadline);
  bool Listen();
  void Accept();
  void Read(QLocalSocket* socket);
  void Drop(QLocalSocket* socket);

  std::string socket_path_;
  // One wait for every attempt of this launch, however many it makes.
  QDeadlineTimer patience_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer* server_ = nullptr;
  InstanceChannelLimits limits_;
  std::set<QLocalSocket*> held_;
  Receiver receiver_;
};

// "quillory-" + the user's name + "-SYSTEM" in the user's runtime folder.
std::string InstanceSocketPath();

}  // namespace quillory
