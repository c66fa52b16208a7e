#include "platform/qt/qt_instance_channel.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "app/open_request.h"

namespace quillory {
namespace {

// How long a launch waits for a running instance that does not answer
// (hung, or busy starting up) before it opens a window of its own.
constexpr int kPatienceMs = 2000;
constexpr int kRetryMs = 25;
// The instance answers a complete request with kAccepted, and opens the
// files only once the launch confirms with kCommitted: a launch that gave
// up waiting opens them itself, so no file opens twice.
constexpr char kAccepted = 'K';
constexpr char kCommitted = 'C';

enum class SocketFile { kMissing, kOurs, kForeign, kNotSocket };

SocketFile Inspect(const std::string& path) {
  struct stat status {};
  if (lstat(path.c_str(), &status) != 0) return SocketFile::kMissing;
  if (status.st_uid != geteuid()) return SocketFile::kForeign;
  return S_ISSOCK(status.st_mode) ? SocketFile::kOurs : SocketFile::kNotSocket;
}

void Say(const std::string& text) {
  std::fprintf(stderr, "quillory: %s\n", text.c_str());
}

std::string UserName() {
  const passwd* entry = getpwuid(geteuid());
  return entry ? entry->pw_name : std::to_string(geteuid());
}

}  // namespace

std::string InstanceSocketPath() {
  QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::tempPath();
  return folder.toStdString() + "/quillory-" + UserName() + "-SYSTEM";
}

QtInstanceChannel::QtInstanceChannel(std::string socket_path,
                                     InstanceChannelLimits limits)
    : socket_path_(std::move(socket_path)),
      patience_(kPatienceMs),
      limits_(limits) {}

QtInstanceChannel::~QtInstanceChannel() { Stop(); }

bool QtInstanceChannel::HandOver(const std::vector<std::string>& paths) {
  return HandOverBefore(paths, patience_);
}

// A socket that another user owns is never spoken to: it could be theirs
// to read the paths handed over.
bool QtInstanceChannel::HandOverBefore(const std::vector<std::string>& paths,
                                       const QDeadlineTimer& deadline) {
  if (Inspect(socket_path_) != SocketFile::kOurs) return false;
  const auto remaining = [&deadline] {
    return static_cast<int>(std::max<qint64>(1, deadline.remainingTime()));
  };
  QLocalSocket socket;
  socket.connectToServer(QString::fromStdString(socket_path_));
  if (!socket.waitForConnected(remaining())) return false;
  const std::string request = OpenRequestBytes(paths);
  socket.write(request.data(), static_cast<qint64>(request.size()));
  char answer = 0;
  while (socket.bytesAvailable() == 0) {
    if (socket.state() != QLocalSocket::ConnectedState ||
        !socket.waitForReadyRead(remaining())) {
      return false;
    }
  }
  if (!socket.getChar(&answer) || answer != kAccepted) return false;
  socket.putChar(kCommitted);
  return socket.waitForBytesWritten(remaining());
}

InstanceRole QtInstanceChannel::Claim(const std::vector<std::string>& paths) {
  const QDeadlineTimer& deadline = patience_;
  const SocketFile file = Inspect(socket_path_);
  if (file == SocketFile::kForeign || file == SocketFile::kNotSocket) {
    Say(socket_path_ +
        (file == SocketFile::kForeign ? " belongs to another user"
                                      : " is not a socket") +
        "; files of later launches open in windows of their own");
    return InstanceRole::kAlone;
  }
  lock_ = std::make_unique<QLockFile>(
      QString::fromStdString(socket_path_ + ".lock"));
  // Only a dead holder makes the lock stale, never its age: an instance
  // may serve for days.
  lock_->setStaleLockTime(0);
  while (!lock_->tryLock(0)) {
    if (HandOverBefore(paths, deadline)) return InstanceRole::kHandedOver;
    if (deadline.hasExpired()) {
      Say("the running instance does not answer; this window runs alone");
      return InstanceRole::kAlone;
    }
    QThread::msleep(kRetryMs);
  }
  return Listen() ? InstanceRole::kServing : InstanceRole::kAlone;
}

// Holding the lock, whatever socket is left belongs to a dead instance.
bool QtInstanceChannel::Listen() {
  const QString name = QString::fromStdString(socket_path_);
  QLocalServer::removeServer(name);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name)) {
    Say(socket_path_ + ": " + server_->errorString().toStdString() +
        "; files of later launches open in windows of their own");
    Stop();
    return false;
  }
  connect(server_, &QLocalServer::newConnection, this,
          &QtInstanceChannel::Accept);
  return true;
}

// Every connection costs a descriptor until it is closed: bounded in
// number and time, connections that never finish cannot use them up and
// take the socket away from later launches.
void QtInstanceChannel::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    if (HeldRequests() >= limits_.held) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    held_.insert(socket);
    QTimer::singleShot(limits_.request_time, socket,
                       [this, socket] { Drop(socket); });
    connect(socket, &QLocalSocket::readyRead, this,
            [this, socket] { Read(socket); });
    connect(socket, &QLocalSocket::disconnected, this,
            [this, socket] { Drop(socket); });
  }
}

void QtInstanceChannel::Drop(QLocalSocket* socket) {
  if (held_.erase(socket) == 0) return;
  socket->abort();
  socket->deleteLater();
}

void QtInstanceChannel::Read(QLocalSocket* socket) {
  QByteArray bytes = socket->property("request").toByteArray();
  bytes += socket->readAll();
  socket->setProperty("request", bytes);
  const std::optional<std::vector<std::string>> paths =
      ParseOpenRequest(std::string_view(bytes.constData(), bytes.size()));
  if (!paths) {
    if (OpenRequestRefused(std::string_view(bytes.constData(), bytes.size()))) {
      Drop(socket);
    }
    return;
  }
  if (!receiver_) {
    Drop(socket);
    return;
  }
  const size_t length = OpenRequestBytes(*paths).size();
  if (static_cast<size_t>(bytes.size()) == length) {
    socket->putChar(kAccepted);
    return;
  }
  const bool committed = bytes[static_cast<qsizetype>(length)] == kCommitted;
  socket->disconnectFromServer();
  if (committed) receiver_(*paths);
}

void QtInstanceChannel::SetReceiver(Receiver receiver) {
  receiver_ = std::move(receiver);
}

void QtInstanceChannel::Stop() {
  receiver_ = nullptr;
  // The held connections are the server's, and go with it.
  held_.clear();
  if (server_) {
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
  }
  if (lock_) lock_->unlock();
}

}  // namespace quillory
