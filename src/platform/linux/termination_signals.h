#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a call on the user-interface thread, so that a request to
// end the program (from the session, a terminal or a service manager) saves everything first.

#include <functional>
#include <memory>

namespace qav::platform {

class TerminationSignals {
 public:
  // Installs the handlers; `onSignal` runs on the thread that owns the Qt event loop.
  explicit TerminationSignals(std::function<void()> onSignal);
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qav::platform
