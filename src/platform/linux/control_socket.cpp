#include "platform/linux/control_socket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace qav::platform {
namespace {

constexpr qint64 kLineLimit = static_cast<qint64>(kControlLineLimit);

bool PeerIsSameUser(qintptr descriptor) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) !=
      0) {
    return false;
  }
  return credentials.uid == ::geteuid();
}

void Log(const std::string& text) {
  std::fprintf(stderr, "qav-launcher: %s\n", text.c_str());
}

// Reads one line of at most the limit; nothing when none arrives in time.
std::optional<std::string> ReadLine(QLocalSocket& socket, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  while (!socket.canReadLine()) {
    if (socket.bytesAvailable() >= kLineLimit) return std::nullopt;
    if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return std::nullopt;
  }
  QByteArray line = socket.readLine(kLineLimit + 1);
  if (!line.endsWith('\n')) return std::nullopt;
  line.chop(1);
  return line.toStdString();
}

}  // namespace

std::string DefaultControlSocketPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return std::string(runtime) + "/qav-launcher.socket";
  return QDir::tempPath().toStdString() + "/qav-launcher-" + std::to_string(::getuid()) + ".socket";
}

bool SocketOwnedByUser(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return false;
  return S_ISSOCK(info.st_mode) && info.st_uid == ::geteuid();
}

ControlServer::ControlServer(std::string path, Handler handler)
    : path_(std::move(path)), handler_(std::move(handler)), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, [this] { Accept(); });
}

ControlServer::~ControlServer() = default;

bool ControlServer::Listen() {
  QLocalServer::removeServer(QString::fromStdString(path_));
  if (server_->listen(QString::fromStdString(path_))) return true;
  Log("cannot listen on " + path_ + ": " + server_->errorString().toStdString());
  return false;
}

void ControlServer::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!PeerIsSameUser(socket->socketDescriptor())) {
      Refuse(socket, "a request from another user");
      continue;
    }
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrom(socket); });
    if (socket->bytesAvailable() > 0) ReadFrom(socket);
  }
}

void ControlServer::ReadFrom(QLocalSocket* socket) {
  if (!socket->canReadLine()) {
    if (socket->bytesAvailable() >= kLineLimit) {
      Refuse(socket, "an over-long request");
    }
    return;
  }
  disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
  QByteArray line = socket->readLine(kLineLimit + 1);
  line.chop(1);
  Answer(socket, handler_(line.toStdString()));
}

void ControlServer::Refuse(QLocalSocket* socket, const std::string& why) {
  Log("refused " + why);
  Answer(socket, kRefusedAnswer);
}

void ControlServer::Answer(QLocalSocket* socket, const std::string& line) {
  socket->write(QByteArray::fromStdString(line + "\n"));
  socket->flush();
  socket->disconnectFromServer();
}

SendResult SendControlRequest(const std::string& path, const std::string& line,
                              const SocketOwnerCheck& ownerCheck, int waitForDockMs,
                              int answerTimeoutMs) {
  QDeadlineTimer deadline(waitForDockMs);
  QLocalSocket socket;
  for (;;) {
    if (ownerCheck(path)) {
      socket.connectToServer(QString::fromStdString(path));
      if (socket.waitForConnected(1000)) break;
    } else if (::access(path.c_str(), F_OK) == 0) {
      // Something is there that this user does not own: never talk to it.
      return {SendOutcome::kForeignSocket, {}};
    }
    if (deadline.hasExpired()) return {SendOutcome::kNoDock, {}};
    QThread::msleep(100);
  }
  socket.write(QByteArray::fromStdString(line + "\n"));
  socket.flush();
  const auto answer = ReadLine(socket, answerTimeoutMs);
  if (!answer) return {SendOutcome::kNoAnswer, {}};
  return {SendOutcome::kAnswered, *answer};
}

}  // namespace qav::platform
