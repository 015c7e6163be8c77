#pragma once
// Hot keys for tests: they decide which combinations "another program" holds and press the
// taken ones by hand.

#include <algorithm>

#include "platform/hot_keys.h"

namespace qav::platform::fake {

class FakeHotKeys final : public HotKeys {
 public:
  std::vector<HotKey> Install(std::function<void(HotKey)> pressed) override {
    pressed_ = std::move(pressed);
    events.push_back("install");
    taken.clear();
    std::vector<HotKey> refused;
    for (HotKey key : kAllHotKeys) {
      if (std::find(heldElsewhere.begin(), heldElsewhere.end(), key) != heldElsewhere.end()) {
        refused.push_back(key);
      } else {
        taken.push_back(key);
      }
    }
    return refused;
  }
  void Remove() override {
    events.push_back("remove");
    taken.clear();
    pressed_ = nullptr;
  }

  // Presses `key`; nothing happens unless it was taken.
  void Press(HotKey key) {
    if (pressed_ && std::find(taken.begin(), taken.end(), key) != taken.end()) pressed_(key);
  }

  std::vector<HotKey> heldElsewhere;
  std::vector<HotKey> taken;
  std::vector<std::string> events;

 private:
  std::function<void(HotKey)> pressed_;
};

}  // namespace qav::platform::fake
