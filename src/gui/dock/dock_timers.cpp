// The dock's five timers: leaving the ring, another program coming to the front, the recycle
// bin's picture, hiding after seven idle seconds, and the rest before the centre cross-fade.

#include <QApplication>
#include <QCursor>
#include <utility>

#include "core/shortcuts/catalog.h"
#include "gui/dock/dock_window.h"

namespace qav {
namespace {

constexpr int kIdleTicksToHide = 7;
constexpr int kDwellTicks = 3;

}  // namespace

void DockWindow::OnTimer1() {
  if (state_.DockState != DockView::kShown) lastHoverSlot_ = -1;
  if (lastHoverSlot_ == -1 || state_.Dragging) return;
  const QPoint at =
      QCursor::pos() - QPoint(state_.screen.WorkArea.left, state_.screen.WorkArea.top);
  if (HitTestSlot(state_.ring, IconCount(), static_cast<float>(at.x()),
                  static_cast<float>(at.y())) == -1) {
    DockNormal(false);
    lastHoverSlot_ = -1;
    state_.HoverSlot = -1;
  }
}

void DockWindow::OnTimer2() {
  const bool pending = std::exchange(activationPending_, false);
  if (QApplication::activeWindow() != nullptr || pending) return;
  EscCancel();
  if (AutoHides()) MinWindows(DockView::kHidden);
  Timer2().stop();
}

void DockWindow::OnTimer3() {
  const int face = RecycleBinTemplate(services_.platform.trash.HasItems());
  ShortcutRecord& bin = state_.tables.Shortcuts[kRecycleBinRecord];
  if (bin.ImageRow == face) return;
  bin = state_.tables.Shortcuts[face];
  IniIconParam();
  RefreshDock();
}

void DockWindow::OnTimer4() {
  const bool busy = !AutoHides() || state_.HoverSlot != -1 || services_.menu.MenuBusy() ||
                    services_.search.SearchShown() || state_.Dragging;
  state_.IdleTicks = busy ? 0 : state_.IdleTicks + 1;
  if (state_.IdleTicks < kIdleTicksToHide) return;
  state_.IdleTicks = 0;
  if (services_.menu.MenuShown()) services_.menu.MenuEscCancel(true);
  const bool animate = state_.AnimateShowHide;
  if (state_.DockState != DockView::kMinimized) state_.AnimateShowHide = true;
  EscCancel();
  MinWindows(DockView::kHidden);
  state_.AnimateShowHide = animate;
  Timer4().stop();
}

void DockWindow::OnTimer5() {
  if (mouseX_ != dwellX_ || mouseY_ != dwellY_) {
    dwellX_ = mouseX_;
    dwellY_ = mouseY_;
    dwellCount_ = 0;
    return;
  }
  if (++dwellCount_ <= kDwellTicks) return;
  EffectAction(state_.HoverSlot);
  dwellX_ = dwellY_ = dwellCount_ = 0;
  if (state_.HoverSlot < 1) Timer5().stop();
}

}  // namespace qav
