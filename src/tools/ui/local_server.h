#pragma once

#include <QObject>

#include <string>

class QProcess;

namespace quillory {

// The local HTTP server that publishes the preview folder: the user's own
// one at the default port when it answers, else PHP's built-in server
// started here on a free loopback port and ended with this object.
class LocalServer : public QObject {
 public:
  LocalServer(std::string php, QObject* parent);
  ~LocalServer() override;

  // The port to use for `folder` (0: the default port); -1 when no server
  // answers and none could be started.
  int PortFor(const std::string& folder);
  // Says which server answered, in words fit for the status line.
  std::string Description() const;

 private:
  bool StartPhp(const std::string& folder);
  void Stop();

  std::string php_;
  QProcess* child_ = nullptr;
  std::string child_folder_;
  int port_ = -1;
};

}  // namespace quillory
