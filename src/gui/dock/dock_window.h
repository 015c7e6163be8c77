#pragma once
// The dock window: the ring of item pictures around the centre picture, composed on its own
// layered surface over the whole work area, with its animations, timers, mouse and keyboard
// input and file drops.

#include <QTimer>

#include <array>
#include <string>
#include <vector>

#include "core/dock_geometry/slot_items.h"
#include "core/shortcuts/classification.h"
#include "core/state/app_state.h"
#include "gui/dock/dock_services.h"
#include "gui/graphics/image_tables.h"
#include "gui/graphics/layered_surface.h"

namespace qav {

// How a ring place is pressed: a left click, a right click (opens only a group's menu), or its
// key letter in keyboard mode.
enum class ClickMode { kClick, kRightClick, kKeyLetter };

class DockWindow final : public LayeredSurface, public DockRequests {
 public:
  DockWindow(AppState& state, const ImageTables& images, DockServices services);

  // The other windows' view of the dock.
  void DockEscCancel() override { EscCancel(); }
  void DockReload() override;
  bool DockActive() override;

  // Frames.
  void DockNormal(bool noPush = false);
  void DockAction(bool pressed);
  void EffectAction(int slot);
  void DockFocus(bool show);
  void MinWindows(DockView state);
  void DockDelEffect(float x, float y);
  void DockSizeChange();
  void RefreshDock();
  // The dock's screen changed (another one, or a new size): the window takes its work area and
  // shows the current state there.
  void FollowScreen();

  // Input.
  void IconClick(ClickMode mode);
  void EscCancel();
  void AltSpace();
  // Takes the keyboard back when the group menu has closed.
  void TakeKeyboard();
  // Presses ring place `slot` as a click or its key letter would.
  void PressSlot(int slot, ClickMode mode);

  // Rebuilds what each ring slot shows.
  void IniIconParam();
  const SlotItems& Slots() const { return slots_; }
  const AppState& State() const { return state_; }
  // The key letter of ring slot k (1..36): "0".."9", then "A".."Z".
  static std::string KeyLetter(int slot);
  // The regions that take the mouse in the current state.
  std::vector<platform::ShapeRect> InputRegion() const;

  // The five timers, exposed for tests.
  QTimer& Timer1() { return timers_[0]; }
  QTimer& Timer2() { return timers_[1]; }
  QTimer& Timer3() { return timers_[2]; }
  QTimer& Timer4() { return timers_[3]; }
  QTimer& Timer5() { return timers_[4]; }
  void OnTimer1();
  void OnTimer2();
  void OnTimer3();
  void OnTimer4();
  void OnTimer5();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Drawing helpers.
  void Background();
  QRect RingArea() const;
  void DrawRingSlot(int k);
  void DrawKeyLetter(int k);
  void DrawCentreTitle(const std::string& title);
  int TitleLeft() const;
  int TitleWidth() const;
  QRect TitleBand() const;
  void DrawCentrePicture(int row, int fade);
  void DrawOver(int skinRow, int x, int y);
  void DrawMinimized();
  bool LettersShown() const;

  // Hover frames (dock_hover_frame.cpp): the ring with place `hover` magnified, as parts drawn
  // in order. After one such frame, the next composes and pushes only the parts that changed
  // and whatever overlaps them.
  enum class PartKind { kPlace, kHovered, kTitle, kCentre };
  struct FramePart {
    PartKind kind;
    int slot;
    QRect extent;  // everything the part draws
  };
  struct ComposedFrame {
    int serial = -1;  // the surface's serial after it; -1: none
    std::size_t key = 0;
    int hover = -1;
    bool pressed = false;
    bool centreStale = false;  // the centre was cross-faded over it since
  };
  std::vector<FramePart> HoverParts(int hover, bool pressed) const;
  void DrawPart(const FramePart& part, bool pressed);
  std::size_t FrameKey() const;
  bool PartialFramesPossible() const;
  bool ComposeChangedParts(int hover, bool pressed);
  void NoteComposed(int hover, bool pressed);
  int IconCount() const { return state_.settings.IconCount; }

  // Input helpers.
  void FinishDragOut(QMouseEvent* event);
  void ReleaseOverRing(Qt::MouseButton button);
  bool HandleKey(QKeyEvent* event);
  void UpdateInputRegion();
  void ToBottom();
  void ToTop();

  // Drops.
  int DropPicture(int slot, bool hasFiles) const;
  void ShowDropFeedback(int slot, bool hasFiles);
  int DropTarget(int slot);
  // True when the drop changed something: an item added or a group made.
  bool AddDroppedFiles(int target, const std::vector<std::string>& files);
  bool GroupFull(int record) const;
  bool DraggingLocked() const { return state_.settings.Record.DraggingLocked != 0; }
  // Whether leaving the dock hides it: Auto-Hide is on and no settings window shows its changes
  // on the dock.
  bool AutoHides() const { return state_.settings.Record.AutoHide == 1 && !state_.SettingsShown; }
  Classifier MakeClassifier();
  EditingContext MakeEditing();

  AppState& state_;
  const ImageTables& images_;
  DockServices services_;
  SlotItems slots_;
  std::array<QTimer, 5> timers_;
  int lastHoverSlot_ = -1;
  // The group menu has just handed the keyboard back: the window system may need a moment to
  // make the dock active again, so the foreground watch waits one more round.
  bool activationPending_ = false;
  int centreImage_ = -1;
  ComposedFrame composed_;
  int dragSlot_ = -1;
  bool dragHasFiles_ = false;  // whether the drag over the dock carries local files
  bool pressArmed_ = false;
  int pressX_ = 0;
  int pressY_ = 0;
  int mouseX_ = 0;
  int mouseY_ = 0;
  int dwellX_ = 0;
  int dwellY_ = 0;
  int dwellCount_ = 0;
};

}  // namespace qav
