// The group menu's answers to the mouse, the wheel and the keys, running members, dragging a
// member out, and the two timers that close it or clear its highlight.

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "core/shortcuts/group_editing.h"
#include "gui/graphics/imaging.h"
#include "gui/group_menu/group_menu_window.h"
#include "gui/services/built_in_after_asking.h"
#include "gui/services/delete_after_asking.h"

namespace qav {
namespace {

constexpr float kDragThreshold = 5.0f;

}  // namespace

void GroupMenuWindow::RedrawAfterScroll() {
  if (state_.MenuHotRow < 0) {
    MenuNormal();
    Push(255);
  } else {
    MenuAction(false);
  }
}

void GroupMenuWindow::MenuWheel(bool up, bool byKey) {
  const int rows = geometry_.menuRows;
  const int visible = std::min(itemCount_, rows);
  bool scroll = !byKey;
  if (byKey) {
    const int h = state_.MenuHotRow;
    const bool valid = h >= 1 && h <= itemCount_;
    const int next = up ? (valid ? h - 1 : visible) : (valid ? h + 1 : 1);
    state_.MenuHotRow = next;
    if (up && next < 1) {
      state_.MenuHotRow = 1;
      scroll = topIndex_ >= 1;
    } else if (!up && next > visible) {
      state_.MenuHotRow = visible;
      scroll = topIndex_ + next <= itemCount_;
    }
  }
  if (scroll && geometry_.scrolling) {
    if (up) {
      topIndex_ = std::max(topIndex_ - 1, 0);
      canScrollUp_ = topIndex_ > 0;
      canScrollDown_ = true;
    } else {
      const bool end = topIndex_ + 1 + rows >= itemCount_;
      topIndex_ = end ? itemCount_ - rows : topIndex_ + 1;
      canScrollUp_ = true;
      canScrollDown_ = !end;
    }
  }
  RedrawAfterScroll();
}

void GroupMenuWindow::MenuUpAndDown(bool up) {
  const int rows = geometry_.menuRows;
  if (geometry_.scrolling && up) {
    topIndex_ = std::max(topIndex_ - rows, 0);
    canScrollUp_ = topIndex_ > 0;
    canScrollDown_ = true;
  } else if (geometry_.scrolling) {
    const bool end = topIndex_ + 2 * rows >= itemCount_;
    topIndex_ = end ? itemCount_ - rows : topIndex_ + rows;
    canScrollUp_ = true;
    canScrollDown_ = !end;
  }
  RedrawAfterScroll();
}

void GroupMenuWindow::MenuClick(int member) {
  EscCancel(false);
  const int r = MemberRecord(member);
  if (r >= 0 && member <= itemCount_) {
    CommandContext commands = services_.commands();
    if (state_.tables.Shortcuts[static_cast<std::size_t>(r)].IsBuiltIn == 0) {
      LaunchShortcut(commands, r);
    } else {
      RunBuiltInAfterAsking(commands, itemCommands_[static_cast<std::size_t>(member)]);
    }
  }
  shown_ = false;
}

void GroupMenuWindow::EscCancel(bool keepFocus) {
  if (!shown_) return;
  ShowCutTitle(0);
  MenuFocus(false, 0);
  timer1_.stop();
  state_.MenuHotRow = -1;
  lastHotRow_ = -1;
  shown_ = false;
  if (!keepFocus && services_.focusDock) services_.focusDock();
}

void GroupMenuWindow::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  const int hit = MenuHitTest(geometry_, static_cast<int>(at.x()), static_cast<int>(at.y()));
  if (hit == -1 && event->button() == Qt::LeftButton) {
    // A click beside the menu closes it, as a click on another window would.
    EscCancel(false);
    return;
  }
  const int h = state_.MenuHotRow;
  if (event->button() == Qt::LeftButton && h >= 1 && h < geometry_.menuRows + 1) {
    const int r = MemberRecord(topIndex_ + h);
    if (r >= 0 && state_.tables.Shortcuts[static_cast<std::size_t>(r)].Kind == kKindMember) {
      dragArmed_ = true;
      dragRecord_ = r;
      dragStartX_ = static_cast<float>(at.x());
      dragStartY_ = static_cast<float>(at.y());
    }
  }
  if (h != -1) MenuAction(true);
}

void GroupMenuWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  const auto x = static_cast<float>(at.x());
  const auto y = static_cast<float>(at.y());
  state_.IdleTicks = 0;
  if ((event->buttons() & Qt::LeftButton) && dragArmed_ &&
      state_.settings.Record.DraggingLocked == 0 &&
      (std::abs(dragStartX_ - x) > kDragThreshold || std::abs(dragStartY_ - y) > kDragThreshold)) {
    dragging_ = true;
    MenuNormal();
    const int row = state_.tables.Shortcuts[static_cast<std::size_t>(dragRecord_)].ImageRow;
    DrawImage(Graphics(), images_.Items, row, 4, static_cast<int>(x) - 16, static_cast<int>(y) - 16,
              32, 32);
    Push(255);
  }
  state_.MenuHotRow = MenuHitTest(geometry_, static_cast<int>(x), static_cast<int>(y));
  if (state_.MenuHotRow != -1 && state_.MenuHotRow != lastHotRow_) {
    lastHotRow_ = state_.MenuHotRow;
    if (!dragging_) MenuAction(false);
  }
}

void GroupMenuWindow::FinishDrag(QMouseEvent* event) {
  if (state_.MenuHotRow == -1) {
    EditingContext editing{state_.tables, services_.pictures, state_.paths.SysIconsFolder};
    if (DeleteAfterAsking(editing, services_.platform.messages, dragRecord_)) {
      MenuDelEffect(static_cast<float>(event->position().x()),
                    static_cast<float>(event->position().y()));
    }
  }
  dragging_ = false;
  MenuResize();
  dragRecord_ = -1;
  dragArmed_ = false;
  if (state_.tables.Groups[static_cast<std::size_t>(groupIndex_)].MemberCount < 1 &&
      services_.dockChanged) {
    services_.dockChanged();
  }
  services_.saver.SaveMenu();
}

void GroupMenuWindow::ClickRow(Qt::MouseButton button) {
  const int h = state_.MenuHotRow;
  if (button == Qt::LeftButton) {
    if (geometry_.scrolling && h == 0) {
      MenuUpAndDown(true);
    } else if (geometry_.scrolling && h == geometry_.menuRows + 1) {
      MenuUpAndDown(false);
    } else if (IsMemberRow(h)) {
      MenuClick(h + topIndex_);
    }
  } else if (IsMemberRow(h)) {
    state_.SelectedMember = h + topIndex_;
    state_.SelectedSlot = groupIndex_;
    state_.CurrentRecord = MemberRecord(state_.SelectedMember);
    services_.itemMenu.ShowItemMenu(state_.CurrentRecord, groupIndex_);
  }
}

void GroupMenuWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (dragArmed_ && dragging_) {
    FinishDrag(event);
    return;
  }
  dragging_ = false;
  dragRecord_ = -1;
  dragArmed_ = false;
  if (state_.MenuHotRow == -1) return;
  ClickRow(event->button());
}

void GroupMenuWindow::wheelEvent(QWheelEvent* event) {
  MenuWheel(event->angleDelta().y() >= 0, false);
  event->accept();
}

void GroupMenuWindow::keyPressEvent(QKeyEvent* event) {
  if (!shown_) return;
  const int key = event->key();
  const int h = state_.MenuHotRow;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (IsMemberRow(h) && topIndex_ + h <= itemCount_) MenuClick(topIndex_ + h);
      return;
    case Qt::Key_Escape:
      EscCancel(false);
      return;
    case Qt::Key_PageUp:
      MenuUpAndDown(true);
      return;
    case Qt::Key_PageDown:
      MenuUpAndDown(false);
      return;
    case Qt::Key_Up:
      MenuWheel(true, true);
      return;
    case Qt::Key_Down:
      MenuWheel(false, true);
      return;
    default:
      break;
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    MenuClick(key - Qt::Key_0 + 1);
  } else if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    MenuClick(key - Qt::Key_A + 11);
  }
}

// Closes the menu once another program has come to the front. While one of this program's own
// windows is active it stays: a click on the dock closes it there, and a window manager may
// hand the keyboard to the menu a moment after the dock was clicked.
void GroupMenuWindow::OnTimer1() {
  if (QApplication::activeWindow() != nullptr || QApplication::activePopupWidget() != nullptr) {
    return;
  }
  timer1_.stop();
  EscCancel(false);
}

void GroupMenuWindow::OnTimer2() {
  if (!shown_) lastHotRow_ = -1;
  if (lastHotRow_ == -1 || dragging_) return;
  const QPoint at =
      QCursor::pos() - QPoint(state_.screen.WorkArea.left, state_.screen.WorkArea.top);
  if (MenuHitTest(geometry_, at.x(), at.y()) != -1) return;
  MenuNormal();
  Push(255);
  ShowCutTitle(0);
  lastHotRow_ = -1;
  state_.MenuHotRow = -1;
}

}  // namespace qav
