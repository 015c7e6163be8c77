#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a call on the user-interface thread, so that a request to
// end the program (from the session, a terminal or a service manager) saves everything first.

#include <functional>
#include <memory>

namespace qav::platform {

// A write past the user's file-size limit fails with an error the save handles like any other,
// instead of killing the program (SIGXFSZ) in the middle of saving.
void IgnoreFileSizeSignal();

class TerminationSignals {
 public:
  // Installs the handlers (and ignores SIGXFSZ); `onSignal` runs on the thread that owns the Qt
  // event loop. A second request of the same kind ends the program at once.
  explicit TerminationSignals(std::function<void()> onSignal);
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qav::platform
