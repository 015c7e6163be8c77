#include "platform/linux/control_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace qav::platform {
namespace {

using Clock = std::chrono::steady_clock;

// A peer that takes longer than this to take a one-line answer is left without it.
constexpr int kAnswerSendMs = 1000;

void Log(const std::string& text) {
  std::fprintf(stderr, "qav-launcher: %s\n", text.c_str());
}

bool PeerIsSameUser(int descriptor) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  if (::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) return false;
  return credentials.uid == ::geteuid();
}

std::optional<sockaddr_un> AddressOf(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return std::nullopt;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// Waits until `descriptor` can be read (POLLIN) or written (POLLOUT); false when time runs out.
bool WaitFor(int descriptor, short events, Clock::time_point deadline) {
  for (;;) {
    pollfd watched{descriptor, events, 0};
    const int ready = ::poll(&watched, 1, MillisecondsLeft(deadline));
    if (ready > 0) return true;
    if (ready == 0 || errno != EINTR) return false;
  }
}

// Writes all of `text`. A peer that went away makes it fail, never ends the program (no SIGPIPE).
bool SendAll(int descriptor, const std::string& text, Clock::time_point deadline) {
  std::size_t sent = 0;
  while (sent < text.size()) {
    const ssize_t n = ::send(descriptor, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!WaitFor(descriptor, POLLOUT, deadline)) return false;
    } else {
      return false;
    }
  }
  return true;
}

enum class Received { kMore, kNothingYet, kEnded };

// Appends what can be read now to `buffer`, never past the line limit.
Received ReceiveInto(int descriptor, std::string& buffer) {
  char chunk[4096];
  const std::size_t room = kControlLineLimit - std::min(buffer.size(), kControlLineLimit);
  if (room == 0) return Received::kMore;
  const ssize_t n = ::recv(descriptor, chunk, std::min(room, sizeof chunk), 0);
  if (n > 0) {
    buffer.append(chunk, static_cast<std::size_t>(n));
    return Received::kMore;
  }
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
    return Received::kNothingYet;
  }
  return Received::kEnded;
}

// The first line of `buffer` without its break, when a whole one within the limit is there.
std::optional<std::string> FirstLine(const std::string& buffer) {
  const auto end = buffer.find('\n');
  if (end == std::string::npos || end >= kControlLineLimit) return std::nullopt;
  return buffer.substr(0, end);
}

// Reads one line of at most the limit; nothing when none arrives in time.
std::optional<std::string> ReadLine(int descriptor, Clock::time_point deadline) {
  std::string buffer;
  for (;;) {
    if (auto line = FirstLine(buffer)) return line;
    if (buffer.size() >= kControlLineLimit) return std::nullopt;
    if (!WaitFor(descriptor, POLLIN, deadline)) return std::nullopt;
    if (ReceiveInto(descriptor, buffer) == Received::kEnded) return FirstLine(buffer);
  }
}

// A connected socket, or -1 when nothing listens at `path`.
int Connect(const std::string& path) {
  const auto address = AddressOf(path);
  if (!address) return -1;
  const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (descriptor < 0) return -1;
  int result;
  do {
    result = ::connect(descriptor, reinterpret_cast<const sockaddr*>(&*address), sizeof *address);
  } while (result != 0 && errno == EINTR);
  if (result == 0) return descriptor;
  ::close(descriptor);
  return -1;
}

// A socket at `path` is one a dock left behind; anything else there is not this program's.
bool RemoveStaleSocket(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT;
  return S_ISSOCK(info.st_mode) && ::unlink(path.c_str()) == 0;
}

}  // namespace

struct ControlServer::Peer {
  explicit Peer(int fd) : descriptor(fd) {}
  ~Peer() { ::close(descriptor); }
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;

  int descriptor;
  std::string received;
  std::unique_ptr<QSocketNotifier> readable;
  bool done = false;
};

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
    : path_(std::move(path)), handler_(std::move(handler)) {}

ControlServer::~ControlServer() {
  accepting_.reset();
  peers_.clear();
  if (listener_ < 0) return;
  ::close(listener_);
  // Nobody answers there any more; the next start must not wait for an answer.
  RemoveStaleSocket(path_);
}

bool ControlServer::Listen() {
  const auto address = AddressOf(path_);
  const auto fail = [this](const char* what) {
    Log("cannot listen on " + path_ + ": " + what);
    if (listener_ >= 0) ::close(listener_);
    listener_ = -1;
    return false;
  };
  if (!address) return fail("the name is too long");
  if (!RemoveStaleSocket(path_)) return fail("something else has that name");
  listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listener_ < 0) return fail(std::strerror(errno));
  if (::bind(listener_, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
      ::chmod(path_.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(listener_, SOMAXCONN) != 0) {
    return fail(std::strerror(errno));
  }
  accepting_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
  connect(accepting_.get(), &QSocketNotifier::activated, this, [this] { Accept(); });
  return true;
}

void ControlServer::Accept() {
  for (;;) {
    const int descriptor = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (descriptor < 0) return;
    Peer& peer = peers_.emplace_back(descriptor);
    if (!PeerIsSameUser(descriptor)) {
      Log("refused a request from another user");
      Finish(peer, kRefusedAnswer);
      continue;
    }
    peer.readable = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
    connect(peer.readable.get(), &QSocketNotifier::activated, this,
            [this, &peer] { ReadFrom(peer); });
  }
}

void ControlServer::ReadFrom(Peer& peer) {
  Received received;
  do {
    received = ReceiveInto(peer.descriptor, peer.received);
    if (auto line = FirstLine(peer.received)) return Finish(peer, handler_(*line));
    if (peer.received.size() >= kControlLineLimit) {
      Log("refused an over-long request");
      return Finish(peer, kRefusedAnswer);
    }
  } while (received == Received::kMore);
  if (received == Received::kEnded) Finish(peer, {});
}

// Answers (unless the peer left) and lets go of the peer once the event loop is back.
void ControlServer::Finish(Peer& peer, const std::string& answer) {
  if (peer.readable) peer.readable->setEnabled(false);
  if (!answer.empty()) {
    SendAll(peer.descriptor, answer + "\n",
            Clock::now() + std::chrono::milliseconds(kAnswerSendMs));
  }
  peer.done = true;
  QMetaObject::invokeMethod(
      this, [this] { peers_.remove_if([](const Peer& p) { return p.done; }); },
      Qt::QueuedConnection);
}

SendResult SendControlRequest(const std::string& path, const std::string& line,
                              const SocketOwnerCheck& ownerCheck, int waitForDockMs,
                              int answerTimeoutMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(waitForDockMs);
  int descriptor = -1;
  for (;;) {
    if (ownerCheck(path)) {
      descriptor = Connect(path);
      if (descriptor >= 0) break;
    } else if (::access(path.c_str(), F_OK) == 0) {
      // Something is there that this user does not own: never talk to it.
      return {SendOutcome::kForeignSocket, {}};
    }
    if (Clock::now() >= deadline) return {SendOutcome::kNoDock, {}};
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  // One wait covers sending the request and reading its answer.
  const auto answerDeadline = Clock::now() + std::chrono::milliseconds(answerTimeoutMs);
  std::optional<std::string> answer;
  if (SendAll(descriptor, line + "\n", answerDeadline))
    answer = ReadLine(descriptor, answerDeadline);
  ::close(descriptor);
  if (!answer) return {SendOutcome::kNoAnswer, {}};
  return {SendOutcome::kAnswered, *answer};
}

}  // namespace qav::platform
