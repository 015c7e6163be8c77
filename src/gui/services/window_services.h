#pragma once
// What the windows ask of each other: the group menu, the item context menu and the dock as the
// others drive them, and the clock of their animations. Each window implements its part, so no
// window library needs another.

#include <string>

class QKeyEvent;

namespace qav {

// The group menu as the dock, the hot keys and the item context menu drive it. Until the menu
// exists these do nothing.
class GroupMenuRequests {
 public:
  virtual ~GroupMenuRequests() = default;
  // Opens (true) the menu of the group at dock place `slot`, or closes it (false).
  virtual void MenuFocus(bool show, int slot) = 0;
  virtual bool MenuShown() = 0;
  // Closes the menu if one is shown; unless `keepFocus`, the keyboard goes back to the dock.
  virtual void MenuEscCancel(bool keepFocus) = 0;
  // A member is highlighted or being dragged: the dock is in use.
  virtual bool MenuBusy() = 0;
  // Re-reads the shown group's members and redraws them at full opacity (their order changed).
  virtual void MenuRefresh() = 0;
};

// Type to search, as the dock and the command line open it. Until the search window exists
// these do nothing.
class SearchRequests {
 public:
  virtual ~SearchRequests() = default;
  // Opens the search line over the dock in keyboard mode, holding `text`.
  virtual void OpenSearch(const std::string& text) = 0;
  virtual bool SearchShown() = 0;
  // Closes the search line and its results, if shown; keyboard mode goes on.
  virtual void CloseSearch() = 0;
  // A key that reached another window while the search is shown (typed before the window system
  // moved the keyboard to it): the search takes it as its own.
  virtual void ForwardSearchKey(QKeyEvent* event) = 0;
};

// The dock as the item context menu changes it.
class DockRequests {
 public:
  virtual ~DockRequests() = default;
  // Leaves keyboard mode and closes an open group menu.
  virtual void DockEscCancel() = 0;
  // Re-reads the dock places from the tables and redraws the ring at rest.
  virtual void DockReload() = 0;
  // Whether the dock is the application's active window.
  virtual bool DockActive() = 0;
};

// The item context menu for record `record` (the dock place or member `slot` it was opened on).
class ItemMenuRequests {
 public:
  virtual ~ItemMenuRequests() = default;
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

}  // namespace qav
