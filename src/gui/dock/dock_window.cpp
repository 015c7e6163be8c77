#include "gui/dock/dock_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>

#include "base/text.h"
#include "core/shortcuts/catalog.h"
#include "core/shortcuts/commands.h"
#include "gui/dock/dock_accessible.h"
#include "gui/services/built_in_after_asking.h"

namespace qav {
namespace {

constexpr int kTimerIntervals[] = {100, 100, 1000, 1000, 50};

platform::ShapeRect Box(int left, int top, int size) {
  return {left, top, size, size};
}

}  // namespace

DockWindow::DockWindow(AppState& state, const ImageTables& images, DockServices services)
    : LayeredSurface(SurfaceKind::kDock),
      state_(state),
      images_(images),
      services_(std::move(services)) {
  setWindowTitle(QCoreApplication::translate("DockWindow", "QAV Launcher"));
  InstallDockAccessibility();
  IniForm(WorkAreaRect(state_.screen));
  setMouseTracking(true);
  setAcceptDrops(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  ShowThrough(services_.shape.Pixels());
  TakePlace(services_.shape);
  CreateGraphic();
  IniIconParam();
  centreImage_ = -1;
  void (DockWindow::*handlers[])() = {&DockWindow::OnTimer1, &DockWindow::OnTimer2,
                                      &DockWindow::OnTimer3, &DockWindow::OnTimer4,
                                      &DockWindow::OnTimer5};
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    timers_[i].setInterval(kTimerIntervals[i]);
    QObject::connect(&timers_[i], &QTimer::timeout,
                     [this, handler = handlers[i]] { (this->*handler)(); });
  }
  Timer1().start();
}

// Closing the dock from outside (the window manager's Close, Alt+F4) is the Exit command: both
// files are saved and the program ends, instead of living on without a window.
void DockWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  CommandContext commands = services_.commands();
  ExecuteBuiltIn(commands, kCmdExit);
}

void DockWindow::IniIconParam() {
  slots_ = qav::IniIconParam(state_.tables);
}

std::string DockWindow::KeyLetter(int slot) {
  if (slot < 1 || slot > 36) return {};
  return std::string(1, static_cast<char>(slot <= 10 ? 47 + slot : 54 + slot));
}

void DockWindow::RefreshDock() {
  if (state_.HoverSlot < 1) {
    DockNormal(false);
  } else {
    DockAction(false);
  }
}

void DockWindow::DockFocus(bool show) {
  IniIconParam();
  if (!show) return;
  DockNormal(false);
  state_.IdleTicks = 0;
  for (QTimer& timer : timers_) timer.start();
  UpdateInputRegion();
}

void DockWindow::FollowScreen() {
  Relocate(WorkAreaRect(state_.screen));
  state_.HoverSlot = -1;
  lastHoverSlot_ = -1;
  if (state_.DockState == DockView::kShown) {
    RefreshDock();
  } else if (state_.DockState == DockView::kMinimized) {
    DrawMinimized();
  }
  UpdateInputRegion();
}

void DockWindow::ToBottom() {
  Lower();
  UpdateInputRegion();
}

void DockWindow::ToTop() {
  Raise();
  UpdateInputRegion();
}

void DockWindow::DockReload() {
  IniIconParam();
  DockNormal(false);
}

bool DockWindow::DockActive() {
  return QApplication::activeWindow() == this;
}

void DockWindow::EscCancel() {
  services_.search.CloseSearch();
  ToBottom();
  if (!state_.TintMode) return;
  state_.TintMode = false;
  if (state_.DockState == DockView::kShown) RefreshDock();
  ToBottom();
}

void DockWindow::AltSpace() {
  if (state_.TintMode) {
    ToTop();
    return;
  }
  state_.TintMode = true;
  Timer2().start();
  if (state_.DockState != DockView::kShown) {
    MinWindows(DockView::kShown);
  } else {
    RefreshDock();
  }
  ToTop();
  Activate();
  setFocus();
  ReportSlotFocus(*this, -1);
}

void DockWindow::IconClick(ClickMode mode) {
  const int slot = state_.HoverSlot;
  if (slot < 0 || slot >= static_cast<int>(state_.tables.Shortcuts.size())) return;
  ShortcutRecord& r = state_.tables.Shortcuts[slot];
  const int kind = r.Kind;
  if (kind == kKindFree || kind == kKindBlank) return;
  const std::string target = r.Target.Get();
  r.Target = target;
  const bool builtIn = r.IsBuiltIn != 0;
  const auto run = [&] {
    CommandContext commands = services_.commands();
    if (builtIn) {
      RunBuiltInAfterAsking(commands, r.CommandId);
    } else {
      LaunchShortcut(commands, slot);
    }
  };
  const auto openMenu = [&] { services_.menu.MenuFocus(true, slot); };
  if (mode == ClickMode::kRightClick) {
    if (kind >= kKindGroup) openMenu();
    return;
  }
  if (kind == kKindDockShortcut) {
    run();
  } else if (mode == ClickMode::kKeyLetter) {
    if (kind >= kKindGroup) openMenu();
  } else if (kind == kKindGroup || kind == kKindAllPrograms || kind == kKindRecycleBin ||
             kind == kKindComputer) {
    if (builtIn || !target.empty()) {
      run();
    } else {
      openMenu();
    }
  } else if (kind == kKindUser) {
    openMenu();
  }
}

// The ring (and the centre with its border) takes the mouse; everywhere else clicks reach the
// windows below. In keyboard mode the whole screen is the dock's, so a click anywhere ends it.
std::vector<platform::ShapeRect> DockWindow::InputRegion() const {
  if (state_.DockState == DockView::kHidden) return {};
  const RingLayout& ring = state_.ring;
  if (state_.DockState == DockView::kMinimized)
    return {Box(ring.MinLeft, ring.MinTop, ring.MinSize)};
  if (state_.TintMode) return {{0, 0, width(), height()}};
  std::vector<platform::ShapeRect> boxes;
  const RingSlot& centre = ring.Slots[0];
  boxes.push_back(Box(centre.MagLeft, centre.MagTop, centre.MagSize));
  for (int k = 1; k <= IconCount() && k < kRingSlotCount; ++k) {
    const RingSlot& s = ring.Slots[k];
    boxes.push_back(Box(s.MagLeft, s.MagTop, s.MagSize));
  }
  return boxes;
}

void DockWindow::UpdateInputRegion() {
  if (!isVisible()) return;
  SetInputShape(services_.shape, InputRegion());
}

}  // namespace qav
