// The search's answers to the keys, the pointer and the wheel: typing edits the query; the
// arrows, the Page keys, Enter and Alt with a row's letter work the results; Esc clears the query
// and, on an empty one, closes the search and leaves keyboard mode.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "gui/group_menu/search_accessible.h"
#include "gui/group_menu/search_window.h"

namespace qav {
namespace {

constexpr std::size_t kMaxQueryBytes = 256;

// The result a row letter stands for with Alt: "0".."9" the first ten, "A".."Z" the next.
int ResultOfLetter(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key - Qt::Key_0;
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 10;
  return -1;
}

// Whether the key's text is something to type: printable, and not a shortcut.
bool IsTyping(const QKeyEvent* event, const std::string& text) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  if (text.empty()) return false;
  return std::none_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7f;
  });
}

// The query without its last character (UTF-8: the continuation bytes go with it).
std::string WithoutLastCharacter(std::string text) {
  while (!text.empty()) {
    const auto byte = static_cast<unsigned char>(text.back());
    text.pop_back();
    if ((byte & 0xC0) != 0x80) break;
  }
  return text;
}

}  // namespace

void SearchWindow::CursorMoved() {
  Draw();
  ReportResultFocus(*this);
}

bool SearchWindow::ListKey(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Run(cursor_.Highlighted());
      return true;
    case Qt::Key_Escape:
      if (query_.empty()) {
        Close(true);
      } else {
        SetQuery({});
      }
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      cursor_.Move(event->key() == Qt::Key_Up ? -1 : 1);
      CursorMoved();
      return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      cursor_.Page(event->key() == Qt::Key_PageUp ? -1 : 1);
      CursorMoved();
      return true;
    default:
      break;
  }
  const bool alt =
      (event->modifiers() & Qt::AltModifier) && !(event->modifiers() & Qt::ControlModifier);
  const int letter = alt ? ResultOfLetter(event->key()) : -1;
  if (letter < 0) return false;
  Run(letter);
  return true;
}

bool SearchWindow::EditKey(QKeyEvent* event) {
  if (event->key() == Qt::Key_Backspace) {
    if (!query_.empty()) SetQuery(WithoutLastCharacter(query_));
    return true;
  }
  const std::string text = event->text().toStdString();
  if (!IsTyping(event, text)) return false;
  if (query_.size() + text.size() <= kMaxQueryBytes) SetQuery(query_ + text);
  return true;
}

void SearchWindow::keyPressEvent(QKeyEvent* event) {
  if (!shown_) return;
  state_.IdleTicks = 0;
  if (!ListKey(event) && !EditKey(event)) event->ignore();
}

int SearchWindow::RowAt(QPoint at) const {
  if (hits_.empty()) return -1;
  return MenuHitTest(results_, at.x(), at.y());
}

void SearchWindow::mouseMoveEvent(QMouseEvent* event) {
  state_.IdleTicks = 0;
  const int hit = RowAt(event->position().toPoint());
  const bool row = hit >= 1 && hit <= cursor_.ShownRows();
  if (row && hit - 1 != cursor_.HighlightedRow() && cursor_.HighlightRow(hit - 1)) CursorMoved();
}

void SearchWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  const int hit = RowAt(at);
  if (hit >= 1 && hit <= cursor_.ShownRows()) {
    Run(cursor_.Top() + hit - 1);
  } else if (results_.scrolling && (hit == 0 || hit == results_.menuRows + 1)) {
    cursor_.Page(hit == 0 ? -1 : 1);
    CursorMoved();
  } else if (!QRect(line_.x, line_.y, kMenuWidth, line_.Height()).contains(at) && hit == -1) {
    // A click beside the search ends it, as a click beside the ring ends keyboard mode.
    Close(true);
  }
}

void SearchWindow::wheelEvent(QWheelEvent* event) {
  cursor_.Scroll(event->angleDelta().y() >= 0 ? -1 : 1);
  CursorMoved();
  event->accept();
}

}  // namespace qav
