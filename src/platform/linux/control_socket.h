#pragma once
// The running dock's local socket: only the same user may reach it. The dock listens; another
// start of the program sends one request line and reads one answer line. What the lines say is
// the caller's business.

#include <QObject>

#include <functional>
#include <list>
#include <memory>
#include <string>

#include "platform/control_channel.h"

class QSocketNotifier;

namespace qav::platform {

// "$XDG_RUNTIME_DIR/qav-launcher.socket", or a per-user name in the temporary folder.
std::string DefaultControlSocketPath();

// True when `path` is a socket owned by this user: a socket someone else placed there is never
// talked to.
bool SocketOwnedByUser(const std::string& path);
using SocketOwnerCheck = std::function<bool(const std::string& path)>;

// Serves the socket from the event loop: a peer that connects and says nothing holds nothing up.
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
  struct Peer;
  void Accept();
  void ReadFrom(Peer& peer);
  void Finish(Peer& peer, const std::string& answer);

  std::string path_;
  Handler handler_;
  int listener_ = -1;
  std::unique_ptr<QSocketNotifier> accepting_;
  std::list<Peer> peers_;
};

// Sends `line` (without its line break) and waits for the answer; `waitForDock` keeps trying to
// connect that long (a dock that holds the lock may still be starting).
SendResult SendControlRequest(const std::string& path, const std::string& line,
                              const SocketOwnerCheck& ownerCheck, int waitForDockMs,
                              int answerTimeoutMs);

}  // namespace qav::platform
