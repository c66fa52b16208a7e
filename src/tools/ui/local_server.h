#pragma once

#include <QObject>

#include <string>

class QProcess;

namespace quillory {

// Which server publishes the preview folder, or why none does.
enum class ServerState { kNone, kUsersServer, kPhpServer, kNoPhp, kPhpFailed };

// The local HTTP server that publishes the preview folder: the user's own
// one at the default port when it answers, else PHP's built-in server
// started here on a free loopback port and ended with this object. PHP's
// server answers only requests that hold this run's key (Key()), so that
// no other local user reads the folder or runs its scripts as the user.
class LocalServer : public QObject {
 public:
  // The router script goes into `private_folder` (ending in "/").
  LocalServer(std::string php, std::string private_folder, QObject* parent);
  ~LocalServer() override;

  // The port to use for `folder` (0: the default port); -1 when no server
  // answers and none could be started, State() then saying why.
  int PortFor(const std::string& folder);
  ServerState State() const { return state_; }
  // Ends PHP's server, and whatever script it is stuck in; the next
  // PortFor starts a fresh one.
  void Stop();
  const std::string& Php() const { return php_; }
  // What a browser's first request to PHP's server must hold.
  const std::string& Key() const { return key_; }

 private:
  // False when PHP did not answer on the port, `state_` saying why.
  bool StartPhp(const std::string& folder, int port);
  // False when the key or its router could not be made.
  bool MakeRouter();

  std::string php_;
  std::string private_folder_;
  std::string key_;
  std::string router_;
  QProcess* child_ = nullptr;
  std::string child_folder_;
  int port_ = -1;
  ServerState state_ = ServerState::kNone;
};

}  // namespace quillory
