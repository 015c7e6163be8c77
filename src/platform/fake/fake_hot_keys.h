#pragma once
// Hot keys for tests: they decide which combinations "another program" holds and press the
// taken ones by hand.

#include <algorithm>

#include "platform/hot_keys.h"

namespace qav::platform::fake {

class FakeHotKeys final : public HotKeys {
 public:
  using HotKeys::Install;
  std::vector<HotKey> Install(const HotKeyBindings& wanted,
                              std::function<void(HotKey)> pressed) override {
    pressed_ = std::move(pressed);
    events.push_back("install");
    bindings = wanted;
    taken.clear();
    std::vector<HotKey> refused;
    for (HotKey key : kAllHotKeys) {
      if (!wanted[static_cast<std::size_t>(key)]) continue;
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
  void Pause(bool pause) override {
    if (pause == paused) return;
    paused = pause;
    events.push_back(pause ? "pause" : "resume");
  }

  // Presses `key`; nothing happens unless it was taken and the keys are not paused.
  void Press(HotKey key) {
    if (pressed_ && !paused && std::find(taken.begin(), taken.end(), key) != taken.end()) {
      pressed_(key);
    }
  }

  std::vector<HotKey> heldElsewhere;
  std::vector<HotKey> taken;
  std::vector<std::string> events;
  HotKeyBindings bindings;
  bool paused = false;

 private:
  std::function<void(HotKey)> pressed_;
};

}  // namespace qav::platform::fake
