#pragma once
// A notification area for tests: they start and restart it by hand.

#include "platform/tray_hosts.h"

namespace qav::platform::fake {

class FakeTrayHosts final : public TrayHosts {
 public:
  bool Available() override { return available; }
  void Watch(std::function<void()> arrived) override { arrived_ = std::move(arrived); }

  // A tray starts (or restarts).
  void Arrive() {
    available = true;
    if (arrived_) arrived_();
  }

  bool available = false;

 private:
  std::function<void()> arrived_;
};

}  // namespace qav::platform::fake
