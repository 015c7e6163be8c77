#include "platform/windows/win_hot_keys.h"

#include <windows.h>

#include <QMetaObject>

#include <algorithm>
#include <iterator>

namespace qav::platform {
namespace {

constexpr wchar_t kWindowClass[] = L"QAVLauncherHotKeys";
// Identifiers an application may choose lie below 0xC000.
constexpr int kFirstId = 0x5100;

struct Combination {
  UINT modifiers;
  UINT key;
};

Combination CombinationOf(HotKey key) {
  switch (key) {
    case HotKey::kFocus:
      return {MOD_ALT, VK_SPACE};
    case HotKey::kSwitch:
      return {MOD_SHIFT, VK_TAB};
    case HotKey::kMinimize:
      return {MOD_CONTROL, VK_TAB};
  }
  return {0, 0};
}

LRESULT CALLBACK HotKeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) {
    auto* keys = reinterpret_cast<WinHotKeys*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (keys) keys->OnHotKey(static_cast<int>(wParam));
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateMessageWindow(WinHotKeys* owner) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = HotKeyWindowProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  // A second registration in the same process fails harmlessly: the class is there.
  ::RegisterClassExW(&windowClass);
  const HWND window = ::CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        windowClass.hInstance, nullptr);
  if (window) ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  return window;
}

}  // namespace

WinHotKeys::~WinHotKeys() {
  Remove();
}

std::vector<HotKey> WinHotKeys::Install(std::function<void(HotKey)> pressed) {
  Remove();
  const std::vector<HotKey> all(std::begin(kAllHotKeys), std::end(kAllHotKeys));
  const HWND window = CreateMessageWindow(this);
  if (!window) return all;
  window_ = window;
  pressed_ = std::move(pressed);
  calls_ = std::make_unique<QObject>();
  std::vector<HotKey> refused;
  for (const HotKey key : all) {
    const Combination combination = CombinationOf(key);
    const int id = kFirstId + static_cast<int>(key);
    if (::RegisterHotKey(window, id, combination.modifiers | MOD_NOREPEAT, combination.key)) {
      taken_.push_back(key);
    } else {
      refused.push_back(key);
    }
  }
  return refused;
}

void WinHotKeys::Remove() {
  calls_.reset();
  const auto window = static_cast<HWND>(window_);
  for (const HotKey key : taken_) ::UnregisterHotKey(window, kFirstId + static_cast<int>(key));
  taken_.clear();
  if (window) ::DestroyWindow(window);
  window_ = nullptr;
  pressed_ = nullptr;
}

void WinHotKeys::OnHotKey(int id) {
  const auto taken = std::find_if(taken_.begin(), taken_.end(), [id](HotKey key) {
    return kFirstId + static_cast<int>(key) == id;
  });
  if (taken == taken_.end() || !calls_) return;
  const HotKey key = *taken;
  QMetaObject::invokeMethod(
      calls_.get(),
      [this, key] {
        if (pressed_) pressed_(key);
      },
      Qt::QueuedConnection);
}

}  // namespace qav::platform
