#include "tools/ui/local_server.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>

#include <unistd.h>

#include "base/private_temp_folder.h"
#include "tools/process_run.h"
#include "tools/server_key.h"

namespace quillory {
namespace {

constexpr int kDefaultPort = 80;
constexpr int kAnswerWaitMs = 300;
constexpr int kStartWaitMs = 3000;
constexpr int kPortAttempts = 3;
constexpr int kPollMs = 20;

bool Answers(int port) {
  QTcpSocket socket;
  socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
  return socket.waitForConnected(kAnswerWaitMs);
}

int FreePort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return -1;
  return probe.serverPort();
}

}  // namespace

LocalServer::LocalServer(std::string php, std::string private_folder,
                         QObject* parent)
    : QObject(parent),
      php_(php.empty() ? "php" : std::move(php)),
      private_folder_(std::move(private_folder)) {}

LocalServer::~LocalServer() { Stop(); }

bool LocalServer::MakeRouter() {
  if (key_.empty()) key_ = NewServerKey();
  if (key_.empty()) return false;
  // Each server has a router of its own in the one private folder.
  router_ = CreateUnderFreeName(
                private_folder_,
                [] {
                  static int routers = 0;
                  return "server-router-" + std::to_string(++routers) + ".php";
                },
                ServerRouterScript(key_))
                .path;
  return !router_.empty();
}

int LocalServer::PortFor(const std::string& folder) {
  if (child_ != nullptr && child_folder_ == folder &&
      child_->state() == QProcess::Running) {
    return port_;
  }
  Stop();
  if (Answers(kDefaultPort)) {
    state_ = ServerState::kUsersServer;
    port_ = 0;
    return port_;
  }
  // NOTE: a probed port may be taken again before PHP binds it, by whoever
  // else is starting at the same moment; PHP then exits at once, and the
  // next free port is tried.
  for (int attempt = 0; attempt < kPortAttempts; ++attempt) {
    const int port = FreePort();
    if (port >= 0 && StartPhp(folder, port)) return port_;
    if (state_ == ServerState::kNoPhp) break;
  }
  return -1;
}

bool LocalServer::StartPhp(const std::string& folder, int port) {
  state_ = ServerState::kPhpFailed;
  if (!MakeRouter()) return false;
  child_ = new QProcess(this);
  child_->setChildProcessModifier(
      [parent = getpid()] { EndWithParent(parent); });
  // It logs every request; nobody reads that.
  child_->setStandardOutputFile(QProcess::nullDevice());
  child_->setStandardErrorFile(QProcess::nullDevice());
  child_->start(
      QString::fromStdString(php_),
      {"-S", QString("127.0.0.1:%1").arg(port), "-t",
       QString::fromStdString(folder), QString::fromStdString(router_)});
  if (!child_->waitForStarted()) state_ = ServerState::kNoPhp;
  QElapsedTimer waited;
  waited.start();
  // Waiting on the child, not sleeping, so a PHP that exits (its port
  // taken) is seen at once.
  while (waited.elapsed() < kStartWaitMs &&
         child_->state() != QProcess::NotRunning) {
    if (Answers(port)) {
      state_ = ServerState::kPhpServer;
      port_ = port;
      child_folder_ = folder;
      return true;
    }
    child_->waitForFinished(kPollMs);
  }
  Stop();
  return false;
}

void LocalServer::Stop() {
  port_ = -1;
  if (!router_.empty()) unlink(router_.c_str());
  router_.clear();
  if (child_ == nullptr) return;
  child_->kill();
  child_->waitForFinished(1000);
  delete child_;
  child_ = nullptr;
}

}  // namespace quillory
