#pragma once
// The running dock's local socket: only the same user may reach it. The dock listens; another
// start of the program sends one request line and reads one answer line (control_client.h).
// What the lines say is the caller's business.

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <list>
#include <string>

#include "platform/control_channel.h"
#include "platform/linux/control_client.h"
#include "platform/linux/control_lines.h"

class QSocketNotifier;

namespace qav::platform {

// How many waiting peers the dock keeps and for how long.
struct ControlLimits {
  // Peers that have not sent their line yet; the longest waiting one makes room for a new one.
  std::size_t maxPeers = 64;
  // A peer that has not sent its whole line by then is closed.
  int idleMs = 3000;
  // How long accepting pauses when the process has no descriptor left.
  int pauseMs = 250;
};

// Serves the socket from the event loop: a peer that connects and says nothing holds nothing up,
// is closed after a few seconds, and a flood of them never takes the descriptors the dock's
// saves need.
class ControlServer final : public QObject, public ControlListener {
 public:
  using Handler = ControlHandler;
  ControlServer(std::string path, Handler handler, ControlLimits limits = {});
  ~ControlServer() override;
  ControlServer(const ControlServer&) = delete;
  ControlServer& operator=(const ControlServer&) = delete;

  // Replaces a socket left by a dock that died (the caller holds the single-instance lock); moves
  // anything else that stands at the path aside, saying so.
  bool Listen() override;

  // The peers connected now, answered or not.
  std::size_t OpenPeers() const;

 private:
  struct Peer;
  void Accept();
  void ReadFrom(Peer& peer);
  void Serve(Peer& peer, const std::string& line);
  void Finish(Peer& peer, const std::string& answer);
  void Close(Peer& peer);
  std::size_t Waiting() const;
  bool CloseLongestWaiting();
  void CloseIdle();
  void OutOfDescriptors();
  void ForgetClosed();

  std::string path_;
  Handler handler_;
  ControlLimits limits_;
  std::size_t cap_;
  int listener_ = -1;
  // Held for the moment the process has no descriptor left: given up, it lets one waiting
  // connection be accepted and closed.
  int spare_ = -1;
  QSocketNotifier* accepting_ = nullptr;
  QTimer idle_;
  std::list<Peer> peers_;
  bool forgetQueued_ = false;
  bool toldFull_ = false;
};

}  // namespace qav::platform
