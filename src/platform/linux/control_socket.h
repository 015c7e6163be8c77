#pragma once
// The running dock's local socket: only the same user may reach it. The dock listens; another
// start of the program sends one request line and reads one answer line. What the lines say is
// the caller's business.

#include <QObject>

#include <functional>
#include <optional>
#include <string>

#include "platform/control_channel.h"

class QLocalServer;
class QLocalSocket;

namespace qav::platform {

// "$XDG_RUNTIME_DIR/qav-launcher.socket", or a per-user name in the temporary folder.
std::string DefaultControlSocketPath();

// True when `path` is a socket owned by this user: a socket someone else placed there is never
// talked to.
bool SocketOwnedByUser(const std::string& path);
using SocketOwnerCheck = std::function<bool(const std::string& path)>;

class ControlServer final : public QObject, public ControlListener {
 public:
  using Handler = ControlHandler;
  ControlServer(std::string path, Handler handler);
  ~ControlServer() override;
  ControlServer(const ControlServer&) = delete;
  ControlServer& operator=(const ControlServer&) = delete;

  // Replaces a socket left by a dock that died (the caller holds the single-instance lock).
  bool Listen() override;

 private:
  void Accept();
  void ReadFrom(QLocalSocket* socket);
  void Refuse(QLocalSocket* socket, const std::string& why);
  void Answer(QLocalSocket* socket, const std::string& line);

  std::string path_;
  Handler handler_;
  QLocalServer* server_;
};

// Sends `line` (without its line break) and waits for the answer; `waitForDock` keeps trying to
// connect that long (a dock that holds the lock may still be starting).
SendResult SendControlRequest(const std::string& path, const std::string& line,
                              const SocketOwnerCheck& ownerCheck, int waitForDockMs,
                              int answerTimeoutMs);

}  // namespace qav::platform
