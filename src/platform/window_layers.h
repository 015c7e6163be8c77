#pragma once
// Where the window system keeps a desktop's own surfaces in layers apart from the programs'
// windows (a Wayland session), the dock and its group menu take their places there instead of
// being ordinary top-level windows: the dock an overlay of the output, the menu a part of it.

#include <cstdint>
#include <functional>
#include <string>

namespace qav::platform {

enum class WindowRole {
  kDock,  // covers the output
  kMenu,  // drawn over the dock, in the dock's coordinates
};

class WindowLayers {
 public:
  virtual ~WindowLayers() = default;
  // `window` takes `role` from its next showing on; called once its flags are final.
  virtual void Adopt(std::uintptr_t window, WindowRole role) = 0;
  // Over every program's window, or under them all (the desktop's level).
  virtual void Raise(std::uintptr_t window) = 0;
  virtual void Lower(std::uintptr_t window) = 0;
  // The window gets the keys until it is lowered or hidden, or another one takes them.
  virtual void TakeKeyboard(std::uintptr_t window) = 0;
  // The window system put the dock on the screen named so (its choice, not the program's);
  // `placed` runs on the user-interface thread each time that happens.
  virtual void WhenDockPlaced(std::function<void(const std::string& screenName)> placed) = 0;
};

}  // namespace qav::platform
