#include "tools/ui/local_server.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace quillory {
namespace {

constexpr int kDefaultPort = 80;
constexpr int kAnswerWaitMs = 300;
constexpr int kStartWaitMs = 3000;

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

LocalServer::LocalServer(std::string php, QObject* parent)
    : QObject(parent), php_(php.empty() ? "php" : std::move(php)) {}

LocalServer::~LocalServer() { Stop(); }

int LocalServer::PortFor(const std::string& folder) {
  if (child_ != nullptr && child_folder_ == folder &&
      child_->state() == QProcess::Running) {
    return port_;
  }
  Stop();
  if (Answers(kDefaultPort)) {
    port_ = 0;
    return port_;
  }
  return StartPhp(folder) ? port_ : -1;
}

std::string LocalServer::Description() const {
  if (port_ == 0) return "Served by the HTTP server at 127.0.0.1";
  return "Served by PHP's built-in server at 127.0.0.1:" +
         std::to_string(port_);
}

// NOTE: the port may be taken between the probe and PHP's start; the
// server then exits and the wait below reports the failure.
bool LocalServer::StartPhp(const std::string& folder) {
  const int port = FreePort();
  if (port < 0) return false;
  child_ = new QProcess(this);
  // It logs every request; nobody reads that.
  child_->setStandardOutputFile(QProcess::nullDevice());
  child_->setStandardErrorFile(QProcess::nullDevice());
  child_->start(QString::fromStdString(php_),
                {"-S", QString("127.0.0.1:%1").arg(port), "-t",
                 QString::fromStdString(folder)});
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kStartWaitMs &&
         child_->state() != QProcess::NotRunning) {
    if (Answers(port)) {
      port_ = port;
      child_folder_ = folder;
      return true;
    }
    QThread::msleep(20);
  }
  Stop();
  return false;
}

void LocalServer::Stop() {
  port_ = -1;
  if (child_ == nullptr) return;
  child_->kill();
  child_->waitForFinished(1000);
  delete child_;
  child_ = nullptr;
}

}  // namespace quillory
