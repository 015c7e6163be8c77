#include "platform/linux/termination_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <csignal>

namespace qav::platform {
namespace {

// The write end of the signal pipe. A signal handler can reach nothing else, so this one
// process-wide descriptor is set once when the handlers are installed and never changes after.
volatile std::sig_atomic_t signalWriteFd = -1;

void OnSignal(int signalNumber) {
  // The orderly way out runs once; should it ever hang, a second request ends the program.
  std::signal(signalNumber, SIG_DFL);
  const char byte = static_cast<char>(signalNumber);
  const int fd = signalWriteFd;
  if (fd >= 0) [[maybe_unused]]
    auto written = ::write(fd, &byte, 1);
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

}  // namespace

void IgnoreFileSizeSignal() {
  std::signal(SIGXFSZ, SIG_IGN);
}

struct TerminationSignals::Impl {
  int fds[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier;
  std::function<void()> onSignal;
};

TerminationSignals::TerminationSignals(std::function<void()> onSignal)
    : impl_(std::make_unique<Impl>()) {
  impl_->onSignal = std::move(onSignal);
  IgnoreFileSizeSignal();
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, impl_->fds) != 0) return;
  ::fcntl(impl_->fds[0], F_SETFL, O_NONBLOCK);
  signalWriteFd = impl_->fds[0];
  impl_->notifier = std::make_unique<QSocketNotifier>(impl_->fds[1], QSocketNotifier::Read);
  Impl* impl = impl_.get();
  QObject::connect(impl_->notifier.get(), &QSocketNotifier::activated, [impl] {
    char drained[16];
    [[maybe_unused]] auto count = ::read(impl->fds[1], drained, sizeof drained);
    impl->onSignal();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signalNumber : kSignals) ::sigaction(signalNumber, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  for (const int signalNumber : kSignals) std::signal(signalNumber, SIG_DFL);
  signalWriteFd = -1;
  impl_->notifier.reset();
  for (const int fd : impl_->fds) {
    if (fd >= 0) ::close(fd);
  }
}

}  // namespace qav::platform
