#pragma once
// The running dock's control channel as the rest of the program sees it: the dock listens, another
// start of the program sends one request line and reads one answer line. What the lines say is
// the caller's business.

#include <cstddef>
#include <functional>
#include <string>

namespace qav::platform {

// The longest line either side reads, line break included; a longer one is refused.
inline constexpr std::size_t kControlLineLimit = 8192;
// What a refused request is answered.
inline constexpr const char* kRefusedAnswer = "ERR Request refused.";

// Takes a request line without its line break and gives the answer line.
using ControlHandler = std::function<std::string(const std::string& line)>;

class ControlListener {
 public:
  virtual ~ControlListener() = default;
  // Starts answering requests; replaces a channel left by a dock that died (the caller holds the
  // single-instance lock).
  virtual bool Listen() = 0;
};

enum class SendOutcome { kAnswered, kNoDock, kForeignSocket, kNoAnswer };

struct SendResult {
  SendOutcome outcome = SendOutcome::kNoDock;
  // The answer without its line break; for kForeignSocket, what stands there instead when the
  // system can tell.
  std::string answer;
};

}  // namespace qav::platform
