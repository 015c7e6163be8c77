#pragma once
// The group menu: a skinned list of a group's members beside its dock icon, short or scrolling,
// drawn on its own full-screen layered surface. It opens and closes with fades, follows the mouse,
// the wheel and the keys, runs members, and lets a member be dragged out to remove it.

#include <QTimer>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/menu_geometry/menu_layout.h"
#include "core/shortcuts/commands.h"
#include "core/shortcuts/item_pictures.h"
#include "core/state/app_state.h"
#include "gui/graphics/image_tables.h"
#include "gui/graphics/layered_surface.h"
#include "gui/services/window_services.h"
#include "platform/window_shape.h"

namespace qav {

struct MenuServices {
  platform::Platform& platform;
  // Launching and built-in commands.
  std::function<CommandContext()> commands;
  ItemPictures& pictures;
  ConfigurationSaver& saver;
  ItemMenuRequests& itemMenu;
  FrameClock& clock;
  platform::WindowShape& shape;
  // The dock re-reads its places (a group became empty) and takes the keyboard back.
  std::function<void()> dockChanged;
  std::function<void()> focusDock;
};

class GroupMenuWindow final : public LayeredSurface, public GroupMenuRequests {
 public:
  GroupMenuWindow(AppState& state, const ImageTables& images, MenuServices services);

  // The dock's view of the menu.
  void MenuFocus(bool show, int slot) override;
  bool MenuShown() override { return shown_; }
  void MenuEscCancel(bool keepFocus) override { EscCancel(keepFocus); }
  bool MenuBusy() override { return state_.MenuHotRow != -1 || dragging_; }
  void MenuRefresh() override;

  int GetMenuLoc(bool horizontal, int memberCount, int position) const;
  void IniMenuParam();
  void MenuNormal();
  void MenuAction(bool pressed);
  void MenuResize();
  void MenuWheel(bool up, bool byKey);
  void MenuUpAndDown(bool up);
  void MenuClick(int member);
  void EscCancel(bool keepFocus);
  // The dock's screen changed: an open menu closes and the window takes the new work area.
  void FollowScreen();
  void MenuDelEffect(float x, float y);

  // The two timers, exposed for tests.
  QTimer& Timer1() { return timer1_; }
  QTimer& Timer2() { return timer2_; }
  void OnTimer1();
  void OnTimer2();

  const MenuGeometry& Geometry() const { return geometry_; }
  const AppState& State() const { return state_; }
  int GroupIndex() const { return groupIndex_; }
  int TopIndex() const { return topIndex_; }
  bool CanScrollUp() const { return canScrollUp_; }
  bool CanScrollDown() const { return canScrollDown_; }
  const std::vector<int>& ItemRecords() const { return itemRecords_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void LayOut(int memberCount);
  void SetScrollFlagsForResize();
  void RedrawAfterScroll();
  void DrawFrame();
  void DrawRow(int row, int member);
  void DrawArrows(int upSkin, int downSkin);
  void ShowCutTitle(int member);
  void DrawSkin(int row, int slot, int left, int top, int width = 0, int height = 0);
  int MemberRecord(int member) const;
  bool IsMemberRow(int row) const;
  void FinishDrag(QMouseEvent* event);
  void ClickRow(Qt::MouseButton button);
  void Fade(const std::vector<int>& alphas);

  AppState& state_;
  const ImageTables& images_;
  MenuServices services_;
  QTimer timer1_;
  QTimer timer2_;
  MenuGeometry geometry_;
  int groupIndex_ = 0;
  int itemCount_ = 0;
  int topIndex_ = 0;
  bool canScrollUp_ = false;
  bool canScrollDown_ = false;
  bool shown_ = false;
  int lastHotRow_ = -1;
  std::vector<int> itemRecords_;
  std::vector<int> itemPictures_;
  std::vector<std::string> itemTitles_;
  std::vector<int> itemCommands_;
  // Dragging a member out.
  bool dragArmed_ = false;
  bool dragging_ = false;
  float dragStartX_ = 0;
  float dragStartY_ = 0;
  int dragRecord_ = -1;
};

}  // namespace qav
