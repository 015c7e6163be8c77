#include "platform/linux/control_socket.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/linux/runtime_folder.h"

namespace qav::platform {
namespace {

// Descriptors left free when the table ran full: the files a save opens need them.
constexpr std::size_t kDescriptorReserve = 8;

void Log(const std::string& text) {
  std::fprintf(stderr, "qav-launcher: %s\n", text.c_str());
}

bool PeerIsSameUser(int descriptor) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  if (::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) return false;
  return credentials.uid == ::geteuid();
}

// A socket at `path` is one a dock left behind (the caller holds the lock); anything else there is
// not this program's and is moved aside, never deleted. False when the name stays taken.
bool ClearName(const std::string& path) {
  const std::string found = DescribeFound(path);
  if (found.empty()) return true;
  if (found.starts_with("a socket")) return ::unlink(path.c_str()) == 0;
  const std::string aside = MoveAside(path);
  if (aside.empty()) {
    Log(found + " stands at " + path + " and cannot be moved aside");
    return false;
  }
  Log(found + " stood at " + path + ", where the dock's socket belongs; moved it to " + aside);
  return true;
}

void RemoveOwnSocket(const std::string& path) {
  if (SocketOwnedByUser(path)) ::unlink(path.c_str());
}

int OpenSpare() {
  return ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}

}  // namespace

struct ControlServer::Peer {
  Peer(int fd, LineClock::time_point when) : descriptor(fd), since(when) {}
  ~Peer() {
    if (descriptor >= 0) ::close(descriptor);
  }
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;

  int descriptor;
  LineClock::time_point since;
  std::string received;
  QSocketNotifier* readable = nullptr;  // a child of the server
  bool serving = false;                 // its request is being carried out
  bool closed = false;
};

ControlServer::ControlServer(std::string path, Handler handler, ControlLimits limits)
    : path_(std::move(path)),
      handler_(std::move(handler)),
      limits_(limits),
      cap_(std::max<std::size_t>(limits.maxPeers, 1)) {
  idle_.setInterval(std::max(limits_.idleMs / 4, 10));
  connect(&idle_, &QTimer::timeout, this, [this] { CloseIdle(); });
}

ControlServer::~ControlServer() {
  peers_.clear();
  if (spare_ >= 0) ::close(spare_);
  if (listener_ < 0) return;
  ::close(listener_);
  // Nobody answers there any more; the next start must not wait for an answer.
  RemoveOwnSocket(path_);
}

bool ControlServer::Listen() {
  const auto address = AddressOf(path_);
  const auto fail = [this](const std::string& what) {
    Log("cannot listen on " + path_ + ": " + what);
    if (listener_ >= 0) ::close(listener_);
    listener_ = -1;
    return false;
  };
  if (!address) return fail(path_.empty() ? "no private folder for it" : "the name is too long");
  if (!ClearName(path_)) return fail("the name is taken");
  listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listener_ < 0) return fail(std::strerror(errno));
  if (::bind(listener_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
      ::chmod(path_.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(listener_, SOMAXCONN) != 0) {
    return fail(std::strerror(errno));
  }
  spare_ = OpenSpare();
  accepting_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
  connect(accepting_, &QSocketNotifier::activated, this, [this] { Accept(); });
  return true;
}

std::size_t ControlServer::OpenPeers() const {
  return static_cast<std::size_t>(
      std::count_if(peers_.begin(), peers_.end(), [](const Peer& p) { return !p.closed; }));
}

std::size_t ControlServer::Waiting() const {
  return static_cast<std::size_t>(std::count_if(
      peers_.begin(), peers_.end(), [](const Peer& p) { return !p.closed && !p.serving; }));
}

void ControlServer::Accept() {
  for (;;) {
    const int descriptor = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (descriptor < 0) {
      if (errno == EINTR) continue;
      if (errno == EMFILE || errno == ENFILE) OutOfDescriptors();
      return;
    }
    if (Waiting() >= cap_) CloseLongestWaiting();
    Peer& peer = peers_.emplace_back(descriptor, LineClock::now());
    if (!PeerIsSameUser(descriptor)) {
      Log("refused a request from another user");
      Finish(peer, kRefusedAnswer);
      continue;
    }
    peer.readable = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    connect(peer.readable, &QSocketNotifier::activated, this, [this, &peer] { ReadFrom(peer); });
    if (!idle_.isActive()) idle_.start();
    // A line sent with the connection is served now, before a flood could make its peer wait.
    ReadFrom(peer);
  }
}

void ControlServer::ReadFrom(Peer& peer) {
  if (peer.closed || peer.serving) return;
  Received received;
  do {
    received = ReceiveInto(peer.descriptor, peer.received);
    if (auto line = FirstLine(peer.received)) return Serve(peer, *line);
    if (peer.received.size() >= kControlLineLimit) {
      Log("refused an over-long request");
      return Finish(peer, kRefusedAnswer);
    }
  } while (received == Received::kMore);
  if (received == Received::kEnded) Close(peer);
}

// The handler may let events through (a reload does); meanwhile the peer is read no more and
// stays where it is, whatever its other end does.
void ControlServer::Serve(Peer& peer, const std::string& line) {
  peer.serving = true;
  peer.readable->setEnabled(false);
  const std::string answer = handler_(line);
  peer.serving = false;
  Finish(peer, answer);
}

// Answers without waiting (a one-line answer always fits the socket's buffer; a peer that is gone
// or does not read is simply forgotten), then lets go of the peer.
void ControlServer::Finish(Peer& peer, const std::string& answer) {
  if (!answer.empty() && peer.descriptor >= 0) {
    SendAll(peer.descriptor, answer + "\n", LineClock::now());
  }
  Close(peer);
}

void ControlServer::Close(Peer& peer) {
  if (peer.closed) return;
  peer.closed = true;
  if (peer.readable) {
    // It may be the very notifier whose signal runs now.
    peer.readable->setEnabled(false);
    peer.readable->deleteLater();
    peer.readable = nullptr;
  }
  ::close(peer.descriptor);
  peer.descriptor = -1;
  if (forgetQueued_) return;
  forgetQueued_ = true;
  QMetaObject::invokeMethod(
      this, [this] { ForgetClosed(); }, Qt::QueuedConnection);
}

void ControlServer::ForgetClosed() {
  forgetQueued_ = false;
  peers_.remove_if([](const Peer& p) { return p.closed && !p.serving; });
}

bool ControlServer::CloseLongestWaiting() {
  for (Peer& peer : peers_) {
    if (peer.closed || peer.serving) continue;
    Close(peer);
    return true;
  }
  return false;
}

void ControlServer::CloseIdle() {
  const auto limit = LineClock::now() - std::chrono::milliseconds(limits_.idleMs);
  for (Peer& peer : peers_) {
    if (!peer.closed && !peer.serving && peer.since <= limit) Close(peer);
  }
  if (Waiting() == 0) idle_.stop();
}

// The process has no descriptor left. Waiting peers give theirs back and fewer are kept from now
// on, so that the files a save opens find descriptors; when no peer has one to give, the spare
// descriptor lets the oldest connection be accepted and closed, and accepting rests a moment
// instead of being woken again at once.
void ControlServer::OutOfDescriptors() {
  const std::size_t waiting = Waiting();
  cap_ = std::max<std::size_t>(waiting > kDescriptorReserve ? waiting - kDescriptorReserve : 0, 1);
  bool freed = false;
  while (Waiting() > cap_ && CloseLongestWaiting()) freed = true;
  if (!toldFull_) {
    Log("no file descriptor left; keeping at most " + std::to_string(cap_) +
        " waiting connections");
    toldFull_ = true;
  }
  if (freed) return;
  if (spare_ >= 0) {
    ::close(spare_);
    const int refused = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (refused >= 0) ::close(refused);
    spare_ = OpenSpare();
  }
  accepting_->setEnabled(false);
  QTimer::singleShot(limits_.pauseMs, this, [this] { accepting_->setEnabled(true); });
}

}  // namespace qav::platform
