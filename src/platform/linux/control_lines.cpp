#include "platform/linux/control_lines.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/control_channel.h"

namespace qav::platform {
namespace {

int MillisecondsLeft(LineClock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - LineClock::now());
  return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

}  // namespace

std::optional<sockaddr_un> AddressOf(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof address.sun_path) return std::nullopt;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

bool WaitFor(int descriptor, short events, LineClock::time_point deadline) {
  for (;;) {
    pollfd watched{descriptor, events, 0};
    const int ready = ::poll(&watched, 1, MillisecondsLeft(deadline));
    if (ready > 0) return true;
    if (ready == 0 || errno != EINTR) return false;
  }
}

bool SendAll(int descriptor, const std::string& text, LineClock::time_point deadline) {
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

std::optional<std::string> FirstLine(const std::string& buffer) {
  const auto end = buffer.find('\n');
  if (end == std::string::npos || end >= kControlLineLimit) return std::nullopt;
  return buffer.substr(0, end);
}

std::optional<std::string> ReadLine(int descriptor, LineClock::time_point deadline) {
  std::string buffer;
  for (;;) {
    if (auto line = FirstLine(buffer)) return line;
    if (buffer.size() >= kControlLineLimit) return std::nullopt;
    if (!WaitFor(descriptor, POLLIN, deadline)) return std::nullopt;
    if (ReceiveInto(descriptor, buffer) == Received::kEnded) return FirstLine(buffer);
  }
}

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

}  // namespace qav::platform
