// The dock's mouse and keyboard: hover, click, the context menu, dragging an icon off the ring to
// delete it, and the keys of keyboard mode.

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <optional>
#include <string>

#include "core/shortcuts/classification.h"
#include "gui/dock/dock_accessible.h"
#include "gui/dock/dock_window.h"
#include "gui/graphics/imaging.h"
#include "gui/services/delete_after_asking.h"
#include "platform/key_positions.h"

namespace qav {
namespace {

bool Draggable(int kind) {
  return kind == kKindDockShortcut || kind == kKindGroup || kind == kKindAllPrograms;
}

}  // namespace

Classifier DockWindow::MakeClassifier() {
  platform::Platform& p = services_.platform;
  return Classifier({state_.tables, state_.paths, p.system, p.registry, p.volumes, p.messages,
                     services_.pictures, IconCount()});
}

EditingContext DockWindow::MakeEditing() {
  return {state_.tables, services_.pictures, state_.paths.SysIconsFolder};
}

void DockWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  state_.IdleTicks = 0;
  mouseX_ = static_cast<int>(std::lround(at.x()));
  mouseY_ = static_cast<int>(std::lround(at.y()));
  Timer5().start();
  if ((event->buttons() & Qt::LeftButton) && pressArmed_ && !DraggingLocked()) {
    state_.Dragging = mouseX_ != pressX_ || mouseY_ != pressY_;
    if (state_.Dragging) {
      DockNormal(true);
      const int size = state_.settings.NormalIconSize;
      DrawImage(Graphics(), images_.Items, slots_.SlotImage[dragSlot_], 1, mouseX_ - size / 2,
                mouseY_ - size / 2, size, size);
      Push();
    }
  }
  state_.HoverSlot =
      HitTestSlot(state_.ring, IconCount(), static_cast<float>(at.x()), static_cast<float>(at.y()));
  if (state_.HoverSlot != -1 && state_.HoverSlot != lastHoverSlot_) {
    lastHoverSlot_ = state_.HoverSlot;
    ReportSlotFocus(*this, state_.HoverSlot);
    if (!state_.Dragging && state_.DockState != DockView::kMinimized) DockAction(false);
  }
}

void DockWindow::mousePressEvent(QMouseEvent* event) {
  // A click on the dock beside an open group menu closes the menu at once and goes on to do
  // what it does without one (open another group, run an item).
  if (services_.menu.MenuShown()) services_.menu.MenuEscCancel(true);
  Timer2().start();
  const QPointF at = event->position();
  const int slot =
      HitTestSlot(state_.ring, IconCount(), static_cast<float>(at.x()), static_cast<float>(at.y()));
  state_.HoverSlot = slot;
  if (event->button() == Qt::LeftButton && slot >= 1 && Draggable(slots_.SlotKind[slot])) {
    pressArmed_ = true;
    dragSlot_ = slot;
    pressX_ = static_cast<int>(std::lround(at.x()));
    pressY_ = static_cast<int>(std::lround(at.y()));
  }
  if (slot == -1 && state_.TintMode) {
    EscCancel();
  } else if (slot != -1 && state_.DockState != DockView::kMinimized &&
             event->button() == Qt::LeftButton) {
    DockAction(true);
  }
}

void DockWindow::FinishDragOut(QMouseEvent* event) {
  EditingContext editing = MakeEditing();
  if (DeleteAfterAsking(editing, services_.platform.messages, dragSlot_)) {
    IniIconParam();
    DockDelEffect(static_cast<float>(event->position().x()),
                  static_cast<float>(event->position().y()));
  }
  dragSlot_ = -1;
  DockNormal(false);
  state_.Dragging = false;
  services_.saver.SaveMenu();
  pressArmed_ = false;
}

void DockWindow::ReleaseOverRing(Qt::MouseButton button) {
  const int slot = state_.HoverSlot;
  if (button == Qt::RightButton) {
    DockAction(false);
    if (slot >= 0 && state_.tables.Shortcuts[slot].Kind < 7) {
      state_.CurrentRecord = slot;
      state_.SelectedSlot = slot;
      services_.itemMenu.ShowItemMenu(slot, slot);
    } else {
      IconClick(ClickMode::kRightClick);
    }
  } else if (button == Qt::LeftButton && slot != 0) {
    DockAction(false);
    if (!state_.Dragging) IconClick(ClickMode::kClick);
  } else if (button == Qt::LeftButton && state_.DockState == DockView::kShown) {
    MinWindows(DockView::kMinimized);
    ToBottom();
  }
}

void DockWindow::mouseReleaseEvent(QMouseEvent* event) {
  state_.HoverSlot =
      HitTestSlot(state_.ring, IconCount(), static_cast<float>(event->position().x()),
                  static_cast<float>(event->position().y()));
  if (pressArmed_ && state_.Dragging && !DraggingLocked() && state_.HoverSlot == -1) {
    FinishDragOut(event);
    return;
  }
  pressArmed_ = false;
  dragSlot_ = -1;
  if (state_.DockState == DockView::kMinimized) {
    MinWindows(DockView::kShown);
  } else {
    ReleaseOverRing(event->button());
  }
  state_.Dragging = false;
  if (state_.HoverSlot == -1 && AutoHides()) MinWindows(DockView::kHidden);
}

// The slot a key of keyboard mode stands for: "0".."9" slots 1..10, "A".."Z" 11..36, the key
// left of "1" the centre; -1 for any other key.
static int SlotOfKey(const QKeyEvent* event) {
  const int key = event->key();
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key - Qt::Key_0 + 1;
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 11;
  if (key == Qt::Key_QuoteLeft || key == Qt::Key_AsciiTilde ||
      event->nativeScanCode() == platform::kScanCodeLeftOfOne) {
    return 0;
  }
  return -1;
}

// Keys of keyboard mode that open the search: "/" with an empty line, and any other printable
// key that is no ring letter with itself typed (space and the shortcuts excepted).
static std::optional<std::string> SearchKey(const QKeyEvent* event, int slot, int iconCount) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  if (event->key() == Qt::Key_Slash) return std::string();
  if (slot >= 0 && slot <= iconCount) return {};
  const std::string text = event->text().toStdString();
  const bool printable =
      !text.empty() && text != " " && std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
      });
  if (!printable) return {};
  return text;
}

bool DockWindow::HandleKey(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    EscCancel();
    if (AutoHides()) MinWindows(DockView::kHidden);
    return true;
  }
  if (event->key() == Qt::Key_Space && (event->modifiers() & Qt::AltModifier)) {
    AltSpace();
    return true;
  }
  if (!state_.TintMode) return false;
  const int slot = SlotOfKey(event);
  if (const auto typed = SearchKey(event, slot, IconCount())) {
    services_.search.OpenSearch(*typed);
    return true;
  }
  if (slot < 0 || slot > IconCount()) return false;
  ReportSlotFocus(*this, slot);
  PressSlot(slot, ClickMode::kKeyLetter);
  return true;
}

void DockWindow::keyPressEvent(QKeyEvent* event) {
  if (services_.search.SearchShown()) {
    services_.search.ForwardSearchKey(event);
    return;
  }
  if (services_.menu.MenuShown()) {
    services_.menu.MenuEscCancel(false);
    // Esc closes only the menu; keyboard mode goes on until the next one.
    if (event->key() == Qt::Key_Escape) return;
  }
  if (!HandleKey(event)) LayeredSurface::keyPressEvent(event);
}

void DockWindow::TakeKeyboard() {
  // In keyboard mode the dock must be the active window again, or its foreground watch would
  // take the closed menu for another program coming to the front and end the mode.
  if (state_.TintMode) {
    activationPending_ = true;
    Activate();
  }
  setFocus();
}

void DockWindow::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_F1) return;
  EscCancel();
  if (services_.showStarted) services_.showStarted();
}

}  // namespace qav
