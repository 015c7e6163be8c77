#pragma once

#include <QAbstractNativeEventFilter>

#include <QObject>

#include <cstdint>
#include <memory>

#include "platform/hot_keys.h"

struct xcb_connection_t;

namespace qav::platform {

// Passive key grabs on the root window. Each combination is grabbed once for every combination of
// the lock modifiers (Num Lock, Caps Lock, Scroll Lock), so it works whatever lock is on; its key
// is found from the keyboard's current mapping, so it follows the layout, and taken again when the
// mapping changes. The presses are picked out of the event stream before Qt sees them.
class X11HotKeys final : public HotKeys, private QAbstractNativeEventFilter {
 public:
  X11HotKeys() = default;
  ~X11HotKeys() override;
  X11HotKeys(const X11HotKeys&) = delete;
  X11HotKeys& operator=(const X11HotKeys&) = delete;

  using HotKeys::Install;
  std::vector<HotKey> Install(const HotKeyBindings& bindings,
                              std::function<void(HotKey)> pressed) override;
  void Remove() override;
  void Pause(bool paused) override;

 private:
  struct Grab {
    HotKey key;
    std::uint8_t keycode;
    std::uint16_t modifiers;  // without the lock modifiers
  };
  struct Wanted {
    HotKey key;
    KeyCombination combination;
  };
  struct Modifiers;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
  // Grabs `key` in every lock combination; all or nothing. False when another client holds it.
  bool GrabCombination(const Wanted& wanted, const Modifiers& modifiers);
  void UngrabAll();
  void GrabAgain();
  void OnPress(std::uint8_t keycode, std::uint16_t state, std::uint32_t time);

  xcb_connection_t* connection_ = nullptr;
  std::uint32_t root_ = 0;
  std::function<void(HotKey)> pressed_;
  std::vector<Wanted> wanted_;
  bool paused_ = false;
  std::vector<Grab> grabs_;
  std::vector<std::uint16_t> lockCombinations_;
  std::uint16_t lockMask_ = 0;
  bool filtering_ = false;
  // Owns the calls queued from the filter, so none runs after Remove().
  std::unique_ptr<QObject> calls_;
  // Holding a combination repeats its key; only the first press acts.
  std::uint8_t keyDown_ = 0;
  std::uint32_t lastRelease_ = 0;
  std::uint8_t lastReleaseKey_ = 0;
};

}  // namespace qav::platform
