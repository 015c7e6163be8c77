#pragma once

#include <QObject>

#include <memory>

#include "platform/hot_keys.h"

namespace qav::platform {

// RegisterHotKey on a message-only window of the user-interface thread. The window, rather than
// the thread's queue, receives WM_HOTKEY, so a press also arrives while a modal loop of the
// system (a native file dialog, a window being moved) runs instead of Qt's. MOD_NOREPEAT keeps a
// held combination from acting again. Each press is run after the window procedure returns.
class WinHotKeys final : public HotKeys {
 public:
  WinHotKeys() = default;
  ~WinHotKeys() override;
  WinHotKeys(const WinHotKeys&) = delete;
  WinHotKeys& operator=(const WinHotKeys&) = delete;

  using HotKeys::Install;
  std::vector<HotKey> Install(const HotKeyBindings& bindings,
                              std::function<void(HotKey)> pressed) override;
  void Remove() override;
  void Pause(bool paused) override;

  // The window procedure's way in.
  void OnHotKey(int id);

 private:
  void* window_ = nullptr;
  std::function<void(HotKey)> pressed_;
  std::vector<HotKey> taken_;
  HotKeyBindings bindings_;
  bool paused_ = false;
  // Owns the calls queued from the window procedure, so none runs after Remove().
  std::unique_ptr<QObject> calls_;
};

}  // namespace qav::platform
