#include "platform/linux/control_client.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <thread>

#include "platform/linux/control_lines.h"
#include "platform/linux/runtime_folder.h"

namespace qav::platform {
namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(50);

}  // namespace

std::string RuntimeFile(const std::string& name) {
  const std::string folder = PrivateRuntimeFolder();
  return folder.empty() ? std::string() : folder + "/" + name;
}

std::string DefaultControlSocketPath() {
  return RuntimeFile("qav-launcher.socket");
}

bool SocketOwnedByUser(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return false;
  return S_ISSOCK(info.st_mode) && info.st_uid == ::geteuid();
}

SendResult SendControlRequest(const std::string& path, const std::string& line,
                              const SocketOwnerCheck& ownerCheck, int waitForDockMs,
                              int answerTimeoutMs) {
  const auto deadline = LineClock::now() + std::chrono::milliseconds(waitForDockMs);
  int descriptor = -1;
  for (;;) {
    if (ownerCheck(path)) {
      descriptor = Connect(path);
      if (descriptor >= 0) break;
    } else if (std::string found = DescribeFound(path); !found.empty()) {
      // Something is there that is not this user's socket: never talk to it.
      if (found == "a socket") found = "a socket of another user";
      return {SendOutcome::kForeignSocket, found};
    }
    const auto now = LineClock::now();
    if (now >= deadline) return {SendOutcome::kNoDock, {}};
    std::this_thread::sleep_for(std::min<LineClock::duration>(kRetryPause, deadline - now));
  }
  // One wait covers sending the request and reading its answer.
  const auto answerDeadline = LineClock::now() + std::chrono::milliseconds(answerTimeoutMs);
  std::optional<std::string> answer;
  if (SendAll(descriptor, line + "\n", answerDeadline)) {
    answer = ReadLine(descriptor, answerDeadline);
  }
  ::close(descriptor);
  if (!answer) return {SendOutcome::kNoAnswer, {}};
  return {SendOutcome::kAnswered, *answer};
}

}  // namespace qav::platform
