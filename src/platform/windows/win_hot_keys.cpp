#include "platform/windows/win_hot_keys.h"

#include <windows.h>

#include <QMetaObject>

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

namespace qav::platform {
namespace {

constexpr wchar_t kWindowClass[] = L"QAVLauncherHotKeys";
// Identifiers an application may choose lie below 0xC000.
constexpr int kFirstId = 0x5100;

struct Combination {
  UINT modifiers;
  UINT key;
};

struct NamedKey {
  std::string_view name;
  UINT key;
};

constexpr NamedKey kNamedVirtualKeys[] = {
    {"Space", VK_SPACE},    {"Tab", VK_TAB},       {"Return", VK_RETURN}, {"Escape", VK_ESCAPE},
    {"Backspace", VK_BACK}, {"Insert", VK_INSERT}, {"Delete", VK_DELETE}, {"Home", VK_HOME},
    {"End", VK_END},        {"PageUp", VK_PRIOR},  {"PageDown", VK_NEXT}, {"Left", VK_LEFT},
    {"Up", VK_UP},          {"Right", VK_RIGHT},   {"Down", VK_DOWN},     {"Pause", VK_PAUSE},
    {"Print", VK_SNAPSHOT}};

// The virtual key of a key name: letters and digits are their own codes; 0 when unknown.
UINT VirtualKeyOf(const std::string& key) {
  if (key.size() == 1 && ((key[0] >= 'A' && key[0] <= 'Z') || (key[0] >= '0' && key[0] <= '9'))) {
    return static_cast<UINT>(key[0]);
  }
  if (IsFunctionKey(key)) return VK_F1 + static_cast<UINT>(std::stoi(key.substr(1)) - 1);
  for (const NamedKey& named : kNamedVirtualKeys) {
    if (named.name == key) return named.key;
  }
  return 0;
}

Combination CombinationOf(const KeyCombination& combination) {
  UINT modifiers = 0;
  if (combination.modifiers & kCtrl) modifiers |= MOD_CONTROL;
  if (combination.modifiers & kShift) modifiers |= MOD_SHIFT;
  if (combination.modifiers & kAlt) modifiers |= MOD_ALT;
  if (combination.modifiers & kSuper) modifiers |= MOD_WIN;
  return {modifiers, VirtualKeyOf(combination.key)};
}

bool Register(HWND window, HotKey key, const KeyCombination& combination) {
  const Combination c = CombinationOf(combination);
  return c.key != 0 && ::RegisterHotKey(window, kFirstId + static_cast<int>(key),
                                        c.modifiers | MOD_NOREPEAT, c.key);
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

std::vector<HotKey> WinHotKeys::Install(const HotKeyBindings& bindings,
                                        std::function<void(HotKey)> pressed) {
  Remove();
  std::vector<HotKey> bound;
  for (const HotKey key : kAllHotKeys) {
    if (bindings[static_cast<std::size_t>(key)]) bound.push_back(key);
  }
  const HWND window = CreateMessageWindow(this);
  if (!window) return bound;
  window_ = window;
  bindings_ = bindings;
  pressed_ = std::move(pressed);
  calls_ = std::make_unique<QObject>();
  std::vector<HotKey> refused;
  for (const HotKey key : bound) {
    if (Register(window, key, *bindings[static_cast<std::size_t>(key)])) {
      taken_.push_back(key);
    } else {
      refused.push_back(key);
    }
  }
  return refused;
}

// Only what was taken is given back and taken again.
void WinHotKeys::Pause(bool paused) {
  if (paused == paused_ || !window_) return;
  paused_ = paused;
  const auto window = static_cast<HWND>(window_);
  for (const HotKey key : taken_) {
    if (paused) {
      ::UnregisterHotKey(window, kFirstId + static_cast<int>(key));
    } else {
      Register(window, key, *bindings_[static_cast<std::size_t>(key)]);
    }
  }
}

void WinHotKeys::Remove() {
  calls_.reset();
  const auto window = static_cast<HWND>(window_);
  if (!paused_) {
    for (const HotKey key : taken_) ::UnregisterHotKey(window, kFirstId + static_cast<int>(key));
  }
  paused_ = false;
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
