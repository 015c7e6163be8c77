#include "platform/linux/x11_hot_keys.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

#include "platform/linux/x11_connection.h"

namespace qav::platform {
namespace {

// Keysyms of <X11/keysymdef.h>.
constexpr xcb_keysym_t kNumLock = 0xff7f;
constexpr xcb_keysym_t kScrollLock = 0xff14;
constexpr xcb_keysym_t kAltLeft = 0xffe9;
constexpr xcb_keysym_t kAltRight = 0xffea;
constexpr xcb_keysym_t kSuperLeft = 0xffeb;
constexpr xcb_keysym_t kSuperRight = 0xffec;
constexpr xcb_keysym_t kF1 = 0xffbe;

constexpr std::pair<std::string_view, xcb_keysym_t> kNamedKeysyms[] = {
    {"Space", 0x0020},     {"Tab", 0xff09},    {"Return", 0xff0d},   {"Escape", 0xff1b},
    {"Backspace", 0xff08}, {"Insert", 0xff63}, {"Delete", 0xffff},   {"Home", 0xff50},
    {"End", 0xff57},       {"PageUp", 0xff55}, {"PageDown", 0xff56}, {"Left", 0xff51},
    {"Up", 0xff52},        {"Right", 0xff53},  {"Down", 0xff54},     {"Pause", 0xff13},
    {"Print", 0xff61}};

// The keysym of a key name (letters by their unshifted, lower-case symbol); 0 when unknown.
xcb_keysym_t KeysymOf(const std::string& key) {
  if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z') {
    return static_cast<xcb_keysym_t>('a' + (key[0] - 'A'));
  }
  if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') return static_cast<xcb_keysym_t>(key[0]);
  if (IsFunctionKey(key)) return kF1 + static_cast<xcb_keysym_t>(std::stoi(key.substr(1)) - 1);
  for (const auto& [name, keysym] : kNamedKeysyms) {
    if (name == key) return keysym;
  }
  return 0;
}

struct KeySymbolsDeleter {
  void operator()(xcb_key_symbols_t* symbols) const { xcb_key_symbols_free(symbols); }
};
using KeySymbols = std::unique_ptr<xcb_key_symbols_t, KeySymbolsDeleter>;

// Every keycode that gives `keysym` in the current mapping.
std::vector<xcb_keycode_t> KeycodesOf(xcb_key_symbols_t* symbols, xcb_keysym_t keysym) {
  std::vector<xcb_keycode_t> codes;
  xcb_keycode_t* list = xcb_key_symbols_get_keycode(symbols, keysym);
  for (const xcb_keycode_t* c = list; c && *c != XCB_NO_SYMBOL; ++c) codes.push_back(*c);
  std::free(list);
  return codes;
}

// The modifier bit a key is mapped to (Num Lock and Alt sit on different ModN on different
// systems); 0 when none.
std::uint16_t ModifierOf(xcb_connection_t* c, xcb_key_symbols_t* symbols,
                         std::initializer_list<xcb_keysym_t> keysyms) {
  std::vector<xcb_keycode_t> codes;
  for (xcb_keysym_t keysym : keysyms) {
    for (xcb_keycode_t code : KeycodesOf(symbols, keysym)) codes.push_back(code);
  }
  const XcbReply<xcb_get_modifier_mapping_reply_t> reply(
      xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
  if (!reply) return 0;
  const xcb_keycode_t* map = xcb_get_modifier_mapping_keycodes(reply.get());
  const int perModifier = reply->keycodes_per_modifier;
  for (int modifier = 0; modifier < 8; ++modifier) {
    for (int i = 0; i < perModifier; ++i) {
      const xcb_keycode_t code = map[modifier * perModifier + i];
      if (code != 0 && std::find(codes.begin(), codes.end(), code) != codes.end()) {
        return static_cast<std::uint16_t>(1u << modifier);
      }
    }
  }
  return 0;
}

// Every combination of the given lock bits, starting with none.
std::vector<std::uint16_t> Combinations(const std::vector<std::uint16_t>& bits) {
  std::vector<std::uint16_t> result{0};
  for (std::uint16_t bit : bits) {
    const std::size_t n = result.size();
    for (std::size_t i = 0; i < n; ++i)
      result.push_back(static_cast<std::uint16_t>(result[i] | bit));
  }
  return result;
}

}  // namespace

struct X11HotKeys::Modifiers {
  KeySymbols symbols;
  std::uint16_t alt = XCB_MOD_MASK_1;
  std::uint16_t super = XCB_MOD_MASK_4;

  // The server's modifier bits of a combination's modifiers.
  std::uint16_t Of(unsigned modifiers) const {
    std::uint16_t bits = 0;
    if (modifiers & kCtrl) bits |= XCB_MOD_MASK_CONTROL;
    if (modifiers & kShift) bits |= XCB_MOD_MASK_SHIFT;
    if (modifiers & kAlt) bits |= alt;
    if (modifiers & kSuper) bits |= super;
    return bits;
  }
};

X11HotKeys::~X11HotKeys() {
  Remove();
}

std::vector<HotKey> X11HotKeys::Install(const HotKeyBindings& bindings,
                                        std::function<void(HotKey)> pressed) {
  Remove();
  pressed_ = std::move(pressed);
  connection_ = XcbConnection();
  std::vector<HotKey> bound;
  for (HotKey key : kAllHotKeys) {
    const auto& combination = bindings[static_cast<std::size_t>(key)];
    if (combination) {
      wanted_.push_back({key, *combination});
      bound.push_back(key);
    }
  }
  if (!connection_) {
    wanted_.clear();
    return bound;
  }
  root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
  GrabAgain();
  std::vector<HotKey> refused;
  for (HotKey key : bound) {
    const bool taken =
        std::any_of(grabs_.begin(), grabs_.end(), [key](const Grab& g) { return g.key == key; });
    if (!taken) refused.push_back(key);
  }
  // Only what was taken at start is taken again after a pause or a change of the keyboard
  // mapping.
  std::erase_if(wanted_, [&refused](const Wanted& w) {
    return std::find(refused.begin(), refused.end(), w.key) != refused.end();
  });
  calls_ = std::make_unique<QObject>();
  QCoreApplication::instance()->installNativeEventFilter(this);
  filtering_ = true;
  return refused;
}

void X11HotKeys::GrabAgain() {
  UngrabAll();
  Modifiers modifiers{KeySymbols(xcb_key_symbols_alloc(connection_))};
  if (!modifiers.symbols) return;
  const std::uint16_t num = ModifierOf(connection_, modifiers.symbols.get(), {kNumLock});
  const std::uint16_t scroll = ModifierOf(connection_, modifiers.symbols.get(), {kScrollLock});
  const std::uint16_t alt = ModifierOf(connection_, modifiers.symbols.get(), {kAltLeft, kAltRight});
  if (alt != 0) modifiers.alt = alt;
  const std::uint16_t super =
      ModifierOf(connection_, modifiers.symbols.get(), {kSuperLeft, kSuperRight});
  if (super != 0) modifiers.super = super;
  std::vector<std::uint16_t> locks{XCB_MOD_MASK_LOCK};
  for (std::uint16_t bit : {num, scroll}) {
    if (bit != 0 && std::find(locks.begin(), locks.end(), bit) == locks.end()) locks.push_back(bit);
  }
  lockCombinations_ = Combinations(locks);
  lockMask_ = 0;
  for (std::uint16_t bit : locks) lockMask_ = static_cast<std::uint16_t>(lockMask_ | bit);
  if (!paused_) {
    for (const Wanted& wanted : wanted_) GrabCombination(wanted, modifiers);
  }
  xcb_flush(connection_);
}

bool X11HotKeys::GrabCombination(const Wanted& wanted, const Modifiers& modifiers) {
  const HotKey key = wanted.key;
  const std::uint16_t base = modifiers.Of(wanted.combination.modifiers);
  const xcb_keysym_t keysym = KeysymOf(wanted.combination.key);
  const std::vector<xcb_keycode_t> codes =
      keysym == 0 ? std::vector<xcb_keycode_t>{} : KeycodesOf(modifiers.symbols.get(), keysym);
  if (codes.empty()) return false;
  std::vector<xcb_void_cookie_t> cookies;
  for (xcb_keycode_t code : codes) {
    for (std::uint16_t locks : lockCombinations_) {
      cookies.push_back(xcb_grab_key_checked(connection_, 0, root_,
                                             static_cast<std::uint16_t>(base | locks), code,
                                             XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
  }
  bool refused = false;
  for (xcb_void_cookie_t cookie : cookies) {
    if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
      refused = true;
      std::free(error);
    }
  }
  // Half a combination would work only with some locks on; give all of it back instead.
  for (xcb_keycode_t code : codes) {
    if (refused) {
      for (std::uint16_t locks : lockCombinations_) {
        xcb_ungrab_key(connection_, code, root_, static_cast<std::uint16_t>(base | locks));
      }
    } else {
      grabs_.push_back({key, code, base});
    }
  }
  return !refused;
}

void X11HotKeys::UngrabAll() {
  for (const Grab& g : grabs_) {
    for (std::uint16_t locks : lockCombinations_) {
      xcb_ungrab_key(connection_, g.keycode, root_,
                     static_cast<std::uint16_t>(g.modifiers | locks));
    }
  }
  grabs_.clear();
}

void X11HotKeys::Remove() {
  if (filtering_ && QCoreApplication::instance()) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
  filtering_ = false;
  calls_.reset();
  // The connection goes with the application object; grabs end with it.
  if (connection_ && XcbConnection() == connection_) {
    UngrabAll();
    xcb_flush(connection_);
  }
  grabs_.clear();
  wanted_.clear();
  paused_ = false;
  connection_ = nullptr;
  pressed_ = nullptr;
}

void X11HotKeys::Pause(bool paused) {
  if (paused == paused_) return;
  paused_ = paused;
  if (!connection_ || XcbConnection() != connection_) return;
  if (paused) {
    UngrabAll();
    xcb_flush(connection_);
  } else {
    GrabAgain();
  }
  keyDown_ = 0;
}

void X11HotKeys::OnPress(std::uint8_t keycode, std::uint16_t state, std::uint32_t time) {
  if (keycode == keyDown_) return;
  if (keycode == lastReleaseKey_ && time == lastRelease_) return;  // repeat without detection
  const auto modifiers = static_cast<std::uint16_t>(state & ~lockMask_ & 0xff);
  for (const Grab& g : grabs_) {
    if (g.keycode != keycode || g.modifiers != modifiers) continue;
    keyDown_ = keycode;
    // Run outside the event filter: the actions animate and let events run meanwhile.
    QMetaObject::invokeMethod(
        calls_.get(),
        [this, key = g.key] {
          if (pressed_) pressed_(key);
        },
        Qt::QueuedConnection);
    return;
  }
}

bool X11HotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t" || !message) return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  switch (event->response_type & ~0x80) {
    case XCB_KEY_PRESS: {
      const auto* key = static_cast<const xcb_key_press_event_t*>(message);
      if (key->event != root_) return false;
      OnPress(key->detail, key->state, key->time);
      return false;  // Qt takes the event's time, which the dock needs to take the focus
    }
    case XCB_KEY_RELEASE: {
      const auto* key = static_cast<const xcb_key_release_event_t*>(message);
      if (key->event != root_) return false;
      if (key->detail == keyDown_) keyDown_ = 0;
      lastRelease_ = key->time;
      lastReleaseKey_ = key->detail;
      return false;
    }
    case XCB_MAPPING_NOTIFY: {
      const auto* mapping = static_cast<const xcb_mapping_notify_event_t*>(message);
      if (mapping->request != XCB_MAPPING_POINTER) {
        QMetaObject::invokeMethod(
            calls_.get(), [this] { GrabAgain(); }, Qt::QueuedConnection);
      }
      return false;  // Qt follows the new mapping too
    }
    default:
      return false;
  }
}

}  // namespace qav::platform
