#pragma once
// What the dock window works with besides the state and the pictures: the group menu, the item
// context menu, the actions of its items, the window system and the clock of its animations.

#include <functional>
#include <string>

#include "platform/window_shape.h"
#include "shortcuts/commands.h"
#include "shortcuts/group_editing.h"

namespace qav {

// The group menu as the dock drives it. Until the menu exists these do nothing.
class GroupMenu {
 public:
  virtual ~GroupMenu() = default;
  // Opens (true) the menu of the group at dock place `slot`, or closes it (false).
  virtual void MenuFocus(bool show, int slot) = 0;
  virtual bool MenuShown() = 0;
  // Closes the menu if one is shown; unless `keepFocus`, the keyboard goes back to the dock.
  virtual void MenuEscCancel(bool keepFocus) = 0;
  // A member is highlighted or being dragged: the dock is in use.
  virtual bool MenuBusy() = 0;
};

// The item context menu for record `record` (the dock place or member `slot` it was opened on).
class ItemMenu {
 public:
  virtual ~ItemMenu() = default;
  virtual void ShowItemMenu(int record, int slot) = 0;
};

// Waiting between animation frames. Tests replace it so that animations run at once.
class FrameClock {
 public:
  virtual ~FrameClock() = default;
  virtual void Sleep(int milliseconds) = 0;
  // Lets pending window events run.
  virtual void ProcessEvents() = 0;
};

struct DockServices {
  platform::Platform& platform;
  // Launching, built-in commands and their dialogs; asked for at each use.
  std::function<CommandContext()> commands;
  ItemPictures& pictures;
  ConfigurationSaver& saver;
  GroupMenu& menu;
  ItemMenu& itemMenu;
  platform::WindowShape& shape;
  FrameClock& clock;
  // Shows the getting-started window (F1).
  std::function<void()> showStarted;
};

}  // namespace qav
