#pragma once
// What the dock window works with besides the state and the pictures: the group menu, the item
// context menu, the actions of its items, the window system and the clock of its animations.
// The interfaces of the other windows are in gui/services/window_services.h.

#include <functional>
#include <string>

#include "core/shortcuts/commands.h"
#include "core/shortcuts/group_editing.h"
#include "gui/services/window_services.h"
#include "platform/window_shape.h"

namespace qav {

struct DockServices {
  platform::Platform& platform;
  // Launching, built-in commands and their dialogs; asked for at each use.
  std::function<CommandContext()> commands;
  ItemPictures& pictures;
  ConfigurationSaver& saver;
  GroupMenuRequests& menu;
  SearchRequests& search;
  ItemMenuRequests& itemMenu;
  platform::WindowShape& shape;
  FrameClock& clock;
  // Shows the getting-started window (F1).
  std::function<void()> showStarted;
};

}  // namespace qav
