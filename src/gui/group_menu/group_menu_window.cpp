#include "gui/group_menu/group_menu_window.h"

#include <QCoreApplication>
#include <QToolTip>

#include "base/text.h"
#include "gui/graphics/imaging.h"
#include "gui/group_menu/menu_accessible.h"
#include "gui/group_menu/menu_painting.h"
#include "gui/text/shown_titles.h"

namespace qav {
namespace {

constexpr int kFrameMilliseconds = 25;
constexpr int kTimerMilliseconds = 100;
constexpr int kSmallSlot = 4;
constexpr double kTitleWidth = 183;  // a row's title column

}  // namespace

GroupMenuWindow::GroupMenuWindow(AppState& state, const ImageTables& images, MenuServices services)
    : LayeredSurface(SurfaceKind::kMenu),
      state_(state),
      images_(images),
      services_(std::move(services)) {
  IniForm(WorkAreaRect(state_.screen));
  InstallMenuAccessibility();
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  ShowThrough(services_.shape.Pixels());
  TakePlace(services_.shape);
  CreateGraphicOnFirstUse(state_.settings.Record.ClearType == 1);
  Push(255);
  timer1_.setInterval(kTimerMilliseconds);
  timer2_.setInterval(kTimerMilliseconds);
  QObject::connect(&timer1_, &QTimer::timeout, [this] { OnTimer1(); });
  QObject::connect(&timer2_, &QTimer::timeout, [this] { OnTimer2(); });
  timer2_.start();
}

int GroupMenuWindow::GetMenuLoc(bool horizontal, int memberCount, int position) const {
  const MenuPlace place{state_.ring, state_.screen, state_.settings.NormalIconSize,
                        state_.MenuRows};
  return qav::GetMenuLoc(horizontal, memberCount, position < 0 ? groupIndex_ : position, place);
}

void GroupMenuWindow::LayOut(int memberCount) {
  geometry_ = LayOutMenu(GetMenuLoc(true, memberCount, groupIndex_),
                         GetMenuLoc(false, memberCount, groupIndex_), memberCount, state_.MenuRows);
  itemCount_ = memberCount;
  // Only the menu takes the mouse: a click beside it reaches the dock or the program below at
  // once (and the menu, no longer in front, closes), instead of being spent on closing it.
  if (isVisible()) {
    SetInputShape(services_.shape, {{geometry_.x, geometry_.y, kMenuWidth, geometry_.Height()}});
  }
}

void GroupMenuWindow::IniMenuParam() {
  const std::size_t n = static_cast<std::size_t>(std::max(itemCount_, 0));
  itemRecords_.assign(n + 1, 0);
  itemPictures_.assign(n + 1, 0);
  itemTitles_.assign(n + 1, std::string());
  itemCommands_.assign(n + 1, 0);
  const GroupRecord& group = state_.tables.Groups[static_cast<std::size_t>(groupIndex_)];
  for (std::size_t m = 1; m <= n && m < group.Members.size(); ++m) {
    const int r = group.Members[m];
    if (r < 0 || r >= static_cast<int>(state_.tables.Shortcuts.size())) continue;
    ShortcutRecord& record = state_.tables.Shortcuts[static_cast<std::size_t>(r)];
    itemRecords_[m] = r;
    itemPictures_[m] = record.ImageRow;
    const std::string title = record.Title.Get();
    record.Title = title;
    itemTitles_[m] = ShownTitle(title).toStdString();
    itemCommands_[m] = record.CommandId;
  }
}

void GroupMenuWindow::FollowScreen() {
  EscCancel(true);
  Relocate(WorkAreaRect(state_.screen));
}

void GroupMenuWindow::MenuRefresh() {
  IniMenuParam();
  MenuNormal();
  Push(255);
}

void GroupMenuWindow::MenuFocus(bool open, int slot) {
  if (!open) {
    if (state_.AnimateShowHide) Fade({191, 127, 63});
    ClearAndHide();
    timer1_.stop();
    timer2_.stop();
    shown_ = false;
    Lower();
    services_.clock.Sleep(50);
    return;
  }
  if (slot < 0 || slot >= kGroupCount) return;
  groupIndex_ = slot;
  const int n = state_.tables.Groups[static_cast<std::size_t>(slot)].MemberCount;
  if (n <= 0) return;
  show();
  LayOut(n);
  canScrollUp_ = false;
  canScrollDown_ = geometry_.scrolling;
  Raise();
  Activate();
  setFocus();
  topIndex_ = 0;
  IniMenuParam();
  Push(0);
  if (state_.AnimateShowHide) {
    Fade({63, 127, 191, 255});
  } else {
    MenuNormal();
    Push(255);
  }
  timer1_.start();
  timer2_.start();
  shown_ = true;
}

void GroupMenuWindow::Fade(const std::vector<int>& alphas) {
  for (const int alpha : alphas) {
    MenuNormal();
    Push(alpha);
    services_.clock.Sleep(kFrameMilliseconds);
  }
}

void GroupMenuWindow::DrawSkin(int row, int slot, int left, int top, int width, int height) {
  DrawMenuSkin({*this, images_, geometry_}, row, slot, left, top, width, height);
}

int GroupMenuWindow::MemberRecord(int member) const {
  if (member < 1 || member >= static_cast<int>(itemRecords_.size())) return -1;
  return itemRecords_[static_cast<std::size_t>(member)];
}

// The menu's own picture: body and caps, and in a scrolling menu the spacers.
void GroupMenuWindow::DrawFrame() {
  const MenuGeometry& g = geometry_;
  // Only the menu is drawn, unless a dragged member may be anywhere on the screen.
  SetDrawnArea(dragging_ ? QRect() : QRect(g.x, g.y, kMenuWidth, g.Height()));
  ClearAll();
  DrawMenuFrame({*this, images_, geometry_});
}

void GroupMenuWindow::DrawRow(int row, int member) {
  if (member < 1 || member > itemCount_) return;
  const int top = geometry_.RowTop(row);
  const auto m = static_cast<std::size_t>(member);
  DrawImage(Graphics(), images_.Items, itemPictures_[m], kSmallSlot, geometry_.x + 13,
            geometry_.y + top + 3, 32, 32);
  DrawLabel(itemTitles_[m], geometry_.x + 48, geometry_.y + top + 5, kTitleWidth, 28, false);
  DrawLabel(MenuAccelerator(member), geometry_.x + 237, geometry_.y + top + 5, 18, 28, false);
}

void GroupMenuWindow::DrawArrows(int upSkin, int downSkin) {
  DrawMenuArrows({*this, images_, geometry_}, upSkin, downSkin, canScrollUp_, canScrollDown_);
}

void GroupMenuWindow::MenuNormal() {
  DrawFrame();
  if (geometry_.scrolling) DrawArrows(kSkinMenuUpUnselect, kSkinMenuDownUnselect);
  for (int row = 1; row <= geometry_.VisibleRows(); ++row) DrawRow(row, topIndex_ + row);
  shown_ = true;
}

void GroupMenuWindow::MenuAction(bool pressed) {
  const int h = state_.MenuHotRow;
  const MenuGeometry& g = geometry_;
  DrawFrame();
  for (int row = 1; row <= g.VisibleRows(); ++row) {
    if (row != h) DrawRow(row, topIndex_ + row);
  }
  const bool memberRow = IsMemberRow(h);
  if (g.scrolling) {
    const int up = h == 0 && canScrollUp_ ? kSkinMenuUpSelect : kSkinMenuUpUnselect;
    const int down =
        h == g.menuRows + 1 && canScrollDown_ ? kSkinMenuDownSelect : kSkinMenuDownUnselect;
    DrawArrows(up, down);
  }
  if (memberRow) {
    DrawSkin(pressed ? kSkinMenuMouseDown : kSkinMenuSelect, 1, 10, g.RowTop(h));
    DrawRow(h, topIndex_ + h);
  }
  Push(255);
  if (pressed) return;
  ReportRowFocus(*this);
  ShowCutTitle(memberRow ? topIndex_ + h : 0);
}

// A title cut to its column is shown whole beside the highlighted row, however the row was
// reached (pointer or keys).
void GroupMenuWindow::ShowCutTitle(int member) {
  if (member < 1 || member > itemCount_ ||
      MenuLabelFits(itemTitles_[static_cast<std::size_t>(member)], kTitleWidth)) {
    QToolTip::hideText();
    return;
  }
  const MenuRect& r = geometry_.rects[static_cast<std::size_t>(member - topIndex_)];
  const QRect row(r.left, r.top, r.right - r.left, r.bottom - r.top);
  const std::string title = TrimNull(itemTitles_[static_cast<std::size_t>(member)]);
  QToolTip::showText(mapToGlobal(row.bottomLeft() + QPoint(48, 2)), QString::fromStdString(title),
                     this, row);
}

bool GroupMenuWindow::IsMemberRow(int row) const {
  return row >= 1 && row <= (geometry_.scrolling ? geometry_.menuRows : itemCount_);
}

void GroupMenuWindow::SetScrollFlagsForResize() {
  const int n = itemCount_;
  const int rows = geometry_.menuRows;
  if (!geometry_.scrolling) {
    canScrollUp_ = canScrollDown_ = false;
    topIndex_ = 0;
    return;
  }
  if (topIndex_ + rows > n) topIndex_ = n - rows;
  canScrollUp_ = topIndex_ > 0;
  canScrollDown_ = topIndex_ + rows < n;
}

void GroupMenuWindow::MenuResize() {
  const int n = state_.tables.Groups[static_cast<std::size_t>(groupIndex_)].MemberCount;
  if (n <= 0) {
    EscCancel(false);
    return;
  }
  LayOut(n);
  SetScrollFlagsForResize();
  IniMenuParam();
  MenuNormal();
  Push(255);
}

void GroupMenuWindow::MenuDelEffect(float x, float y) {
  const QImage& strip = images_.Skin[kSkinDelIcon][0];
  for (int f = 0; f < 5; ++f) {
    MenuNormal();
    DrawPuffFrame(Graphics(), strip, f, x, y);
    Push(255);
    services_.clock.Sleep(kFrameMilliseconds);
  }
  services_.clock.ProcessEvents();
}

}  // namespace qav
