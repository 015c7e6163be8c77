#include "gui/dock/dock_window.h"

#include <gtest/gtest.h>

#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "dock_fixture.h"
#include "platform/key_positions.h"

namespace qav {
namespace {

class DockTest : public ::testing::Test, protected test::DockFixture {
 protected:
  // The alpha the dock window's own painting gives one pixel.
  int Alpha(int x, int y) { return qAlpha(dock->grab(QRect(x, y, 1, 1)).toImage().pixel(0, 0)); }
  void Move(QPoint to, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(to), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(dock.get(), &move);
  }
  // Drops files (or addresses) on a slot; true when the drop was reported to the source as
  // taken. `hovered` tells whether the dock accepted it while it was moved over the slot.
  bool Drop(int slot, const QStringList& paths, bool* hovered = nullptr) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths) {
      urls << (path.contains("://") ? QUrl(path) : QUrl::fromLocalFile(path));
    }
    data->setUrls(urls);
    const QPointF at = CentreOf(slot);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(dock.get(), &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(dock.get(), &move);
    if (hovered) *hovered = move.isAccepted();
    QDropEvent drop(at, Qt::CopyAction, data, Qt::NoButton, Qt::NoModifier);
    drop.setAccepted(move.isAccepted());  // as the window system hands it on
    QApplication::sendEvent(dock.get(), &drop);
    delete data;
    return drop.isAccepted();
  }
};

TEST_F(DockTest, HoverMagnifiesTheIconAndLeavingRestoresTheRing) {
  const RingSlot& s = state.ring.Slots[1];
  EXPECT_EQ(Alpha(s.MagLeft + 2, s.MagTop + 32), 0);  // outside the plate at rest
  Move(CentreOf(1));
  EXPECT_EQ(state.HoverSlot, 1);
  EXPECT_EQ(Alpha(s.MagLeft + 2, s.MagTop + 32), 255);  // the magnified plate
  Move(QPoint(50, 50));
  EXPECT_EQ(state.HoverSlot, -1);
  dock->OnTimer1();  // the pointer left every box
  EXPECT_EQ(Alpha(s.MagLeft + 2, s.MagTop + 32), 0);
}

// While a size slider moves, the pictures of the new size do not exist yet: the preview stretches
// the ones there are, but draws every part the resting ring has, tiles and centre included.
TEST_F(DockTest, TheSizePreviewDrawsTheWholeRingWithTheOldPicturesStretched) {
  QImage plate(128, 128, QImage::Format_ARGB32);
  plate.fill(QColor(0, 0, 255));
  images.Skin[kSkinBackSelectColor][0] = MakeScaledImage(plate, 0, 0, true);
  QImage border(190, 190, QImage::Format_ARGB32);
  border.fill(QColor(0, 255, 0));
  images.Skin[kSkinBorder][0] = MakeScaledImage(border, 0, 0, true);
  QImage none(64, 64, QImage::Format_ARGB32);
  none.fill(Qt::transparent);
  images.Items[dock->Slots().SlotImage[5]][0] = MakeScaledImage(none, 0, 0, true);
  state.settings.NormalIconSize = 40;
  CalcRingLayout(state.ring, state.screen, {40, 64, 300, 8});
  dock->DockSizeChange();
  const auto at = [this](QPoint p) {
    return dock->grab(QRect(p, QSize(1, 1))).toImage().pixel(0, 0);
  };
  EXPECT_EQ(at(CentreOf(5)), qRgb(0, 0, 255));  // the tile of a place without a picture
  EXPECT_EQ(at(CentreOf(4)), qRgb(255, 0, 0));  // a picture over its tile
  const RingSlot& centre = state.ring.Slots[0];
  EXPECT_EQ(at(QPoint(centre.MagLeft + 1, centre.MagTop + 1)), qRgb(0, 255, 0));  // the border
}

TEST_F(DockTest, ClickLaunchesAndDraggingOffTheRingDeletes) {
  QTest::mouseClick(dock.get(), Qt::LeftButton, Qt::NoModifier, CentreOf(4));
  ASSERT_EQ(launcher.launched.size(), 1u);
  EXPECT_EQ(launcher.launched[0].target, "/usr/bin/tool");

  const int pushes = dock->PushCount();
  QTest::mousePress(dock.get(), Qt::LeftButton, Qt::NoModifier, CentreOf(4));
  Move(QPoint(40, 40), Qt::LeftButton);
  EXPECT_TRUE(state.Dragging);
  QTest::mouseRelease(dock.get(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
  EXPECT_EQ(state.tables.Shortcuts[4].Kind, kKindBlank);
  EXPECT_EQ(services.menuSaves, 1);
  EXPECT_GE(dock->PushCount() - pushes, 6);  // the drag frame and the five-frame puff
  EXPECT_EQ(services.slept, 5 * 25);
  EXPECT_EQ(launcher.launched.size(), 1u);  // nothing launched on the way
}

TEST_F(DockTest, LockedIconsStayAndGroupsOpenTheirMenu) {
  state.settings.Record.DraggingLocked = kVbTrue;
  QTest::mousePress(dock.get(), Qt::LeftButton, Qt::NoModifier, CentreOf(4));
  Move(QPoint(40, 40), Qt::LeftButton);
  QTest::mouseRelease(dock.get(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
  EXPECT_EQ(state.tables.Shortcuts[4].Kind, kKindDockShortcut);

  test::DockFixture::Shortcut(5, kKindGroup, "");
  dock->IniIconParam();
  QTest::mouseClick(dock.get(), Qt::LeftButton, Qt::NoModifier, CentreOf(5));
  QTest::mouseClick(dock.get(), Qt::RightButton, Qt::NoModifier, CentreOf(1));  // My Computer
  EXPECT_EQ(services.menus, (std::vector<int>{5, 1}));
  QTest::mouseClick(dock.get(), Qt::RightButton, Qt::NoModifier, CentreOf(4));
  EXPECT_EQ(services.itemMenus, std::vector<int>{4});
  EXPECT_EQ(state.CurrentRecord, 4);
}

TEST_F(DockTest, KeyboardModeLabelsSlotsAndLaunchesByLetter) {
  EXPECT_EQ(DockWindow::KeyLetter(1), "0");
  EXPECT_EQ(DockWindow::KeyLetter(10), "9");
  EXPECT_EQ(DockWindow::KeyLetter(11), "A");
  EXPECT_EQ(DockWindow::KeyLetter(36), "Z");
  QTest::keyClick(dock.get(), Qt::Key_3);  // outside keyboard mode letters do nothing
  EXPECT_TRUE(launcher.launched.empty());
  QTest::keyClick(dock.get(), Qt::Key_Space, Qt::AltModifier);
  EXPECT_TRUE(state.TintMode);
  EXPECT_EQ(Alpha(5, 5), 192);             // the whole screen tinted
  EXPECT_EQ(services.region.size(), 1u);   // and all of it takes the mouse
  QTest::keyClick(dock.get(), Qt::Key_3);  // slot 4
  ASSERT_EQ(launcher.launched.size(), 1u);
  QTest::keyClick(dock.get(), Qt::Key_Escape);
  EXPECT_FALSE(state.TintMode);
  EXPECT_EQ(Alpha(5, 5), 0);
  EXPECT_EQ(services.region.size(), 9u);  // the centre and eight ring boxes
}

// In keyboard mode "/" opens the search line, and a printable key that is no ring letter opens it
// with itself typed; the ring's letters, space and shortcuts keep what they do.
TEST_F(DockTest, KeyboardModeOpensTheSearchWithSlashOrAKeyThatIsNoLetter) {
  ASSERT_LT(state.settings.IconCount, 36);  // "Z" labels nothing
  QTest::keyClick(dock.get(), Qt::Key_Slash);
  EXPECT_TRUE(services.searches.empty());  // outside keyboard mode
  QTest::keyClick(dock.get(), Qt::Key_Space, Qt::AltModifier);
  QTest::keyClick(dock.get(), Qt::Key_Slash, Qt::NoModifier);
  QTest::keyClick(dock.get(), 'z');
  QTest::keyClick(dock.get(), Qt::Key_Space);
  QTest::keyClick(dock.get(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(dock.get(), '+');
  EXPECT_EQ(services.searches, (std::vector<std::string>{"", "z", "+"}));
  QTest::keyClick(dock.get(), Qt::Key_3);  // a ring letter still presses its place
  EXPECT_EQ(launcher.launched.size(), 1u);
  EXPECT_EQ(services.searches.size(), 3u);
  const int closes = services.searchCloses;
  QTest::keyClick(dock.get(), Qt::Key_Escape);  // leaving keyboard mode closes the search
  EXPECT_GT(services.searchCloses, closes);
}

// Keyboard mode's centre key is the key left of "1" by its place, whatever the layout prints on
// it ("\xC2\xB2" on a French keyboard): it does what the "`" key does.
TEST_F(DockTest, TheKeyLeftOfOnePicksTheCentreWhateverTheLayoutPrints) {
  const auto effect = [&](Qt::Key key, quint32 scanCode) {
    services.menus.clear();
    const std::size_t launched = launcher.launched.size();
    QTest::keyClick(dock.get(), Qt::Key_Space, Qt::AltModifier);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, scanCode, 0, 0);
    QApplication::sendEvent(dock.get(), &press);
    const auto seen = std::make_pair(services.menus, launcher.launched.size() - launched);
    QTest::keyClick(dock.get(), Qt::Key_Escape);
    return seen;
  };
  const auto centre = effect(Qt::Key_QuoteLeft, 0);
  EXPECT_NE(centre, effect(Qt::Key_twosuperior, 0));  // another key: nothing happens
  EXPECT_EQ(effect(Qt::Key_twosuperior, platform::kScanCodeLeftOfOne), centre);
}

TEST_F(DockTest, MinimizeAndHideStatesWithTheirFade) {
  dock->MinWindows(DockView::kMinimized);
  EXPECT_EQ(state.DockState, DockView::kMinimized);
  const RingLayout& ring = state.ring;
  EXPECT_EQ(services.region,
            (std::vector<platform::ShapeRect>{{ring.MinLeft, ring.MinTop, 190, 190}}));
  QTest::mouseClick(dock.get(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(ring.MinPicLeft + 64, ring.MinPicTop + 64));
  EXPECT_EQ(state.DockState, DockView::kShown);
  const int pushes = dock->PushCount();
  dock->MinWindows(DockView::kShown);  // the same state: nothing
  EXPECT_EQ(dock->PushCount(), pushes);
  state.AnimateShowHide = true;
  dock->MinWindows(DockView::kHidden);
  EXPECT_EQ(dock->PushCount() - pushes, 32);
  EXPECT_EQ(dock->PushedAlpha(), 0);
  EXPECT_TRUE(state.DockHidden);
  EXPECT_TRUE(services.region.empty());
}

TEST_F(DockTest, DropsAddItemsGroupsAndAskBeforeTrashing) {
  test::WriteText(home / "a.txt", "a");
  test::WriteText(home / "b.txt", "b");
  Drop(6, {QString::fromStdString(home / "a.txt")});
  EXPECT_EQ(state.tables.Shortcuts[6].Kind, kKindDockShortcut);
  EXPECT_EQ(state.tables.Shortcuts[6].Title.Get(), "a.txt");
  EXPECT_EQ(services.menuSaves, 1);

  services.groupName = "Papers";
  Drop(4, {QString::fromStdString(home / "a.txt"), QString::fromStdString(home / "b.txt")});
  EXPECT_EQ(state.tables.Shortcuts[4].Kind, kKindGroup);
  EXPECT_EQ(state.tables.Shortcuts[4].Title.Get(), "Papers");
  EXPECT_EQ(state.tables.Groups[4].MemberCount, 2);

  messages.answer = platform::MessageAnswer::kNo;
  Drop(2, {QString::fromStdString(home / "a.txt")});
  EXPECT_TRUE(trash.trashed.empty());
  messages.answer = platform::MessageAnswer::kYes;
  Drop(2, {QString::fromStdString(home / "a.txt")});
  EXPECT_EQ(trash.trashed, std::vector<std::string>{home / "a.txt"});

  state.settings.Record.DraggingLocked = kVbTrue;
  Drop(7, {QString::fromStdString(home / "b.txt")});
  EXPECT_EQ(state.tables.Shortcuts[7].Kind, kKindBlank);
}

// The drag source hears "refused" for a drop that did nothing, while hovering and at the drop.
TEST_F(DockTest, RefusedDropsAreRefusedToTheSource) {
  test::WriteText(home / "a.txt", "a");
  const QString file = QString::fromStdString(home / "a.txt");
  bool hovered = true;
  EXPECT_FALSE(Drop(6, {"http://www.example.org/"}, &hovered));
  EXPECT_FALSE(hovered);
  EXPECT_EQ(state.tables.Shortcuts[6].Kind, kKindBlank);

  messages.answer = platform::MessageAnswer::kNo;  // to "Replace shortcut"
  EXPECT_FALSE(Drop(4, {file}, &hovered));
  EXPECT_TRUE(hovered);
  EXPECT_EQ(state.tables.Shortcuts[4].Target.Get(), "/usr/bin/tool");
  EXPECT_EQ(messages.shown.back().caption, "Replace shortcut");
  EXPECT_FALSE(Drop(2, {file}));  // No to the recycle bin
  EXPECT_TRUE(trash.trashed.empty());

  EXPECT_TRUE(Drop(6, {file}, &hovered));
  EXPECT_TRUE(hovered);
  EXPECT_EQ(state.tables.Shortcuts[6].Kind, kKindDockShortcut);
  state.settings.Record.DraggingLocked = kVbTrue;
  EXPECT_FALSE(Drop(7, {file}, &hovered));
  EXPECT_FALSE(hovered);
}

// Esc closes an open group menu and nothing else: keyboard mode lasts until the next one.
TEST_F(DockTest, EscWithAGroupMenuOpenClosesOnlyTheMenu) {
  QTest::keyClick(dock.get(), Qt::Key_Space, Qt::AltModifier);
  services.menuShown = true;
  QTest::keyClick(dock.get(), Qt::Key_Escape);
  EXPECT_FALSE(services.menuShown);
  EXPECT_TRUE(state.TintMode);
  QTest::keyClick(dock.get(), Qt::Key_Escape);
  EXPECT_FALSE(state.TintMode);
}

// A click on the ring beside an open group menu closes the menu and still does its own work.
TEST_F(DockTest, AClickBesideAnOpenMenuClosesItAndStillCounts) {
  services.menuShown = true;
  QTest::mouseClick(dock.get(), Qt::LeftButton, Qt::NoModifier, CentreOf(4));
  EXPECT_FALSE(services.menuShown);
  ASSERT_EQ(launcher.launched.size(), 1u);
  EXPECT_EQ(launcher.launched[0].target, "/usr/bin/tool");
}

// Closing the window from outside runs the Exit command instead of leaving a hidden process.
TEST_F(DockTest, ClosingTheWindowExitsTheProgram) {
  EXPECT_FALSE(dock->close());
  EXPECT_TRUE(dock->isVisible());
  EXPECT_EQ(services.exits, 1);
}

TEST_F(DockTest, RecycleBinPictureFollowsTheBin) {
  trash.status = {10, 1};
  dock->OnTimer3();
  EXPECT_EQ(state.tables.Shortcuts[2].Title.Get(), "Recycle Bin (Full)");
  EXPECT_EQ(dock->Slots().SlotImage[2], 38);
  trash.status = {};
  dock->OnTimer3();
  EXPECT_EQ(state.tables.Shortcuts[2].ImageRow, 37);
}

}  // namespace
}  // namespace qav
