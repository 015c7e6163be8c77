#include "platform/linux/wayland_hot_keys.h"

#include <cstdio>

#include "platform/linux/desktop_key_binding.h"
#include "platform/linux/portal_shortcuts.h"

namespace qav::platform {

WaylandHotKeys::WaylandHotKeys(Session session) : session_(std::move(session)) {}

WaylandHotKeys::~WaylandHotKeys() {
  Remove();
}

void WaylandHotKeys::WhenDesktopBinds(std::function<void(const std::string&)> tell) {
  tell_ = std::move(tell);
}

std::vector<HotKey> WaylandHotKeys::Install(const HotKeyBindings& bindings,
                                            std::function<void(HotKey)> pressed) {
  Remove();
  auto bound = [bindings, pressed = std::move(pressed)](HotKey key) {
    if (bindings[static_cast<std::size_t>(key)]) pressed(key);
  };
  portal_ = std::make_unique<PortalShortcuts>(PortalShortcuts::Events{
      std::move(bound), [this](const std::string& why) { PortalFailed(why); }});
  portal_->Start();
  return {};
}

void WaylandHotKeys::Remove() {
  if (portal_) portal_->Stop();
  portal_.reset();
}

// Every start says it in the log; the user is told once per desktop, since the keys they bind
// there stay bound.
void WaylandHotKeys::PortalFailed(const std::string& why) {
  const std::string notice = DesktopKeysNotice(session_.currentDesktop, session_.command);
  std::fprintf(stderr, "QAV Launcher: no hot keys through the desktop: %s. %s\n", why.c_str(),
               notice.c_str());
  if (tell_ && session_.firstNotice && session_.firstNotice(session_.currentDesktop)) {
    tell_(notice);
  }
}

}  // namespace qav::platform
