#include "gui/group_menu/group_menu_window.h"

#include <gtest/gtest.h>

#include <QAccessibleActionInterface>
#include <QAction>
#include <QTest>
#include <QToolTip>

#include "gui/dock/dock_fixture.h"
#include "gui/services/reorder.h"
#include "gui/tray/item_context_menu.h"

namespace qav {
namespace {

// A dock with groups of 5, 11 and 40 members, and its group menu.
class MenuTest : public ::testing::Test, protected test::DockFixture {
 protected:
  MenuTest() {
    state.MenuRows = 17;
    MakeGroup(5, 5);
    MakeGroup(6, 11);
    MakeGroup(3, 40);
    menu = std::make_unique<GroupMenuWindow>(state, images, Services());
  }
  void MakeGroup(int g, int count) {
    state.tables.Shortcuts[static_cast<std::size_t>(g)].Kind =
        g == 3 ? kKindAllPrograms : kKindGroup;
    for (int i = 1; i <= count; ++i) {
      const int r = 128 + g * 50 + i;
      state.tables.Groups[static_cast<std::size_t>(g)].Members[static_cast<std::size_t>(i)] = r;
      Shortcut(r, kKindMember, "/bin/member" + std::to_string(i));
    }
    state.tables.Groups[static_cast<std::size_t>(g)].MemberCount = count;
  }
  MenuServices Services() {
    return {platform, [this] { return Commands(); }, pictures, services, services, services,
            services, [this] { ++dockChanges; },     nullptr};
  }
  void Key(Qt::Key key) { QTest::keyClick(menu.get(), key); }
  QPoint RowCentre(int row) {
    const MenuRect& r = menu->Geometry().rects[static_cast<std::size_t>(row)];
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void Move(QPoint to, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(to), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(menu.get(), &move);
  }
  std::unique_ptr<GroupMenuWindow> menu;
  int dockChanges = 0;
};

TEST_F(MenuTest, KeysMoveTheHighlightWithinRowsAndScrollOnlyAtTheEdges) {
  menu->MenuFocus(true, 3);
  ASSERT_TRUE(menu->MenuShown());
  EXPECT_TRUE(menu->Geometry().scrolling);
  Key(Qt::Key_Down);
  EXPECT_EQ(state.MenuHotRow, 1);
  Key(Qt::Key_Up);  // at the top: stays, no scroll
  EXPECT_EQ(state.MenuHotRow, 1);
  EXPECT_EQ(menu->TopIndex(), 0);
  for (int i = 0; i < 17; ++i) Key(Qt::Key_Down);
  EXPECT_EQ(state.MenuHotRow, 17);
  EXPECT_EQ(menu->TopIndex(), 1);  // the last row scrolled the list by one
  Key(Qt::Key_PageDown);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(menu->TopIndex(), 40 - 17);  // the last member on the last row
  EXPECT_FALSE(menu->CanScrollDown());
  EXPECT_TRUE(menu->CanScrollUp());
  Key(Qt::Key_Down);  // at the bottom: no further scroll
  EXPECT_EQ(menu->TopIndex(), 23);
  QWheelEvent wheel(QPointF(RowCentre(1)), QCursor::pos(), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(menu.get(), &wheel);
  EXPECT_EQ(menu->TopIndex(), 22);  // one notch, one member

  Key(Qt::Key_A);  // member 11, scrolled out of view, runs
  EXPECT_FALSE(menu->MenuShown());
  ASSERT_EQ(launcher.launched.size(), 1u);
  EXPECT_EQ(launcher.launched[0].target, "/bin/member11");
}

// Only the menu's own box takes the mouse, so a click beside it reaches what lies below.
TEST_F(MenuTest, OnlyTheMenuTakesTheMouse) {
  menu->show();
  menu->MenuFocus(true, 5);
  const MenuGeometry g = menu->Geometry();
  EXPECT_EQ(services.region,
            (std::vector<platform::ShapeRect>{{g.x, g.y, kMenuWidth, g.Height()}}));
  menu->MenuFocus(true, 3);  // re-used for another group
  EXPECT_EQ(services.region,
            (std::vector<platform::ShapeRect>{
                {menu->Geometry().x, menu->Geometry().y, kMenuWidth, menu->Geometry().Height()}}));
  EXPECT_GT(menu->Geometry().Height(), g.Height());
}

TEST_F(MenuTest, ShortMenusIgnoreScrollingAndUnknownLettersRunNothing) {
  menu->MenuFocus(true, 6);
  EXPECT_FALSE(menu->Geometry().scrolling);
  Key(Qt::Key_Up);
  EXPECT_EQ(state.MenuHotRow, 11);  // nothing highlighted: the last row
  Key(Qt::Key_PageDown);
  EXPECT_EQ(menu->TopIndex(), 0);
  Key(Qt::Key_B);  // member 12 of 11
  EXPECT_FALSE(menu->MenuShown());
  EXPECT_TRUE(launcher.launched.empty());
  menu->MenuFocus(true, 6);
  Move(RowCentre(3));
  QTest::mouseClick(menu.get(), Qt::LeftButton, Qt::NoModifier, RowCentre(3));
  ASSERT_EQ(launcher.launched.size(), 1u);
  EXPECT_EQ(launcher.launched[0].target, "/bin/member3");
}

TEST_F(MenuTest, DraggingAMemberOutRemovesItAndTheLastOneClosesTheMenu) {
  menu->MenuFocus(true, 5);
  const QPoint start = RowCentre(2);
  Move(start);
  QTest::mousePress(menu.get(), Qt::LeftButton, Qt::NoModifier, start);
  Move(start + QPoint(5, 5), Qt::LeftButton);  // 5 pixels: not yet a drag
  QTest::mouseRelease(menu.get(), Qt::LeftButton, Qt::NoModifier, start + QPoint(5, 5));
  EXPECT_EQ(state.tables.Groups[5].MemberCount, 5);

  menu->MenuFocus(true, 5);
  Move(start);
  QTest::mousePress(menu.get(), Qt::LeftButton, Qt::NoModifier, start);
  Move(QPoint(20, 20), Qt::LeftButton);
  Move(QPoint(20, 20), Qt::LeftButton);  // outside every row
  QTest::mouseRelease(menu.get(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(state.tables.Groups[5].MemberCount, 4);
  EXPECT_EQ(menu->ItemRecords().size(), 5u);  // members 1..4
  EXPECT_EQ(services.menuSaves, 1);

  state.tables.Groups[5].MemberCount = 1;
  menu->MenuResize();
  Move(RowCentre(1));
  QTest::mousePress(menu.get(), Qt::LeftButton, Qt::NoModifier, RowCentre(1));
  Move(QPoint(20, 20), Qt::LeftButton);
  QTest::mouseRelease(menu.get(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_FALSE(menu->MenuShown());
  EXPECT_EQ(dockChanges, 1);
}

TEST_F(MenuTest, MovesReorderMembersAndDockPlacesWithTheirPictures) {
  Tables& t = state.tables;
  const auto order = [&t] {
    std::vector<int> members;
    for (int i = 1; i <= 5; ++i)
      members.push_back(t.Groups[5].Members[static_cast<std::size_t>(i)] - 378);
    return members;
  };
  MoveRequest move{kMoveTop, 381, 5, 3, 24};
  ChangePosition(t, images, move);
  EXPECT_EQ(order(), (std::vector<int>{3, 1, 2, 4, 5}));
  move = {kMoveBottom, 381, 5, 1, 24};
  ChangePosition(t, images, move);
  EXPECT_EQ(order(), (std::vector<int>{1, 2, 4, 5, 3}));

  QImage marker(8, 8, QImage::Format_ARGB32_Premultiplied);
  marker.fill(Qt::green);
  images.Items[6][1] = marker;
  ChangePosition(t, images, {kMoveUp, 6, 6, 0, 24});
  EXPECT_EQ(t.Groups[5].MemberCount, 11);  // the group of place 6 moved to place 5
  EXPECT_EQ(t.Groups[5].Members[0], 5);
  EXPECT_EQ(t.Groups[6].MemberCount, 5);
  EXPECT_EQ(t.Shortcuts[5].ImageRow, 5);
  EXPECT_EQ(t.Shortcuts[6].ImageRow, 6);
  EXPECT_EQ(images.Items[5][1].pixel(0, 0), marker.pixel(0, 0));
  ChangePosition(t, images, {kMoveTop, 5, 5, 0, 24});
  EXPECT_EQ(t.Groups[4].MemberCount, 11);
  EXPECT_EQ(t.Shortcuts[4].Target.Get(), "");
  EXPECT_EQ(t.Shortcuts[5].Target.Get(), "/usr/bin/tool");  // the old place 4 moved down one
}

TEST_F(MenuTest, ContextMenuDeleteAsksAndOffersWhatTheItemAllows) {
  ItemMenuServices itemServices{state, images, messages, pictures, services, nullptr};
  ItemContextMenu contextMenu(itemServices, *dock, *menu);
  contextMenu.Prepare(4, 4);  // the first movable dock place
  const auto offered = contextMenu.Offered();
  EXPECT_FALSE(offered[0]);
  EXPECT_FALSE(offered[3]);
  EXPECT_TRUE(offered[4]);

  state.CurrentRecord = 4;
  messages.answer = platform::MessageAnswer::kNo;
  contextMenu.Delete();
  EXPECT_EQ(state.tables.Shortcuts[4].Kind, kKindDockShortcut);
  EXPECT_EQ(messages.shown.back().caption, "Delete Shortcut");
  messages.answer = platform::MessageAnswer::kYes;
  contextMenu.Delete();
  EXPECT_EQ(state.tables.Shortcuts[4].Kind, kKindBlank);
  EXPECT_EQ(services.menuSaves, 1);
}

QAccessibleInterface* Accessible(GroupMenuWindow* menu) {
  return QAccessible::queryAccessibleInterface(menu);
}

// The item context menu is a menu of named rows on the accessibility bus: opening it moves the
// focus into it (reported by Qt while a screen reader listens), and a screen reader's Press closes
// it and runs the entry once its request is answered, as the group menu's rows do.
TEST_F(MenuTest, TheItemContextMenuTakesTheFocusAndItsRowsArePressable) {
  int properties = 0;
  ItemMenuServices itemServices{state,    images,   messages,
                                pictures, services, [&](bool add) { properties += add ? 10 : 1; }};
  ItemContextMenu contextMenu(itemServices, *dock, *menu);
  state.CurrentRecord = 4;
  contextMenu.ShowItemMenu(4, 4);
  ASSERT_TRUE(contextMenu.Menu().isVisible());
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&contextMenu.Menu());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->role(), QAccessible::PopupMenu);
  QStringList rows;
  for (int i = 0; i < view->childCount(); ++i) {
    if (view->child(i)->role() == QAccessible::MenuItem)
      rows << view->child(i)->text(QAccessible::Name);
  }
  EXPECT_EQ(rows, QStringList({"Add Shortcut", "Delete", "Move Up", "Move Down", "Move Top",
                               "Move Bottom", "Properties"}));
  // The first entry offered on place 4 has the focus, which Qt reports to the bus.
  ASSERT_NE(contextMenu.Menu().activeAction(), nullptr);
  EXPECT_EQ(contextMenu.Menu().activeAction()->text(), "&Delete");

  QAccessibleInterface* row = view->child(8);
  ASSERT_EQ(row->text(QAccessible::Name), "Properties");
  row->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_FALSE(contextMenu.Menu().isVisible());
  EXPECT_EQ(properties, 0);  // not while the request is being answered
  QCoreApplication::processEvents();
  EXPECT_EQ(properties, 1);
}

TEST_F(MenuTest, TheOpenMenuListsItsMembersAsMenuItemsWithTheHighlightFocused) {
  QAccessibleInterface* menuView = Accessible(menu.get());
  ASSERT_NE(menuView, nullptr);
  EXPECT_EQ(menuView->role(), QAccessible::PopupMenu);
  EXPECT_EQ(menuView->childCount(), 0);  // closed
  state.tables.Shortcuts[3].Title = "Everything";
  menu->MenuFocus(true, 3);
  EXPECT_EQ(menuView->text(QAccessible::Name), "Everything");
  ASSERT_EQ(menuView->childCount(), 40);
  QAccessibleInterface* first = menuView->child(0);
  EXPECT_EQ(first->role(), QAccessible::MenuItem);
  EXPECT_EQ(first->text(QAccessible::Name), "Item 279");
  EXPECT_EQ(menuView->child(10)->text(QAccessible::Accelerator), "A");
  const MenuRect& r = menu->Geometry().rects[1];
  EXPECT_EQ(first->rect(), QRect(r.left, r.top, r.right - r.left, r.bottom - r.top)
                               .translated(menu->mapToGlobal(QPoint(0, 0))));
  EXPECT_TRUE(menuView->child(39)->state().offscreen);  // scrolled out of view

  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(menuView->focusChild(), menuView->child(1));
  EXPECT_FALSE(first->state().focused);
  for (int i = 0; i < 17; ++i) Key(Qt::Key_Down);  // the list scrolls under the highlight
  EXPECT_EQ(menuView->focusChild(), menuView->child(18));
  EXPECT_FALSE(menuView->child(18)->state().offscreen);
  EXPECT_TRUE(first->state().offscreen);
}

// A title too long for its row is cut with an ellipsis; the highlighted row then shows it whole,
// and the accessible name always holds all of it.
TEST_F(MenuTest, ACutTitleIsShownWholeOnTheHighlightedRow) {
  const std::string longTitle =
      "Document Viewer for Portable Documents, Comic Books and Scanned Pages (Second Copy)";
  state.tables.Shortcuts[128 + 5 * 50 + 2].Title = longTitle;
  menu->MenuFocus(true, 5);
  Move(RowCentre(1));  // a title that fits: no tip
  EXPECT_FALSE(QToolTip::isVisible());
  Key(Qt::Key_Down);  // the keys reach the row as the pointer does
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text().toStdString(), longTitle);
  EXPECT_EQ(Accessible(menu.get())->child(1)->text(QAccessible::Name).toStdString(), longTitle);
}

TEST_F(MenuTest, PressingARowRunsItsMemberAsAClickDoes) {
  menu->MenuFocus(true, 6);
  QAccessibleInterface* row = Accessible(menu.get())->child(2);
  ASSERT_NE(row, nullptr);
  row->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(launcher.launched.empty());  // not while the request is being answered
  QCoreApplication::processEvents();
  ASSERT_EQ(launcher.launched.size(), 1u);
  EXPECT_EQ(launcher.launched[0].target, "/bin/member3");
  EXPECT_FALSE(menu->MenuShown());
  EXPECT_EQ(Accessible(menu.get())->childCount(), 0);
  row->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();  // a stale row of a closed menu runs nothing
  EXPECT_EQ(launcher.launched.size(), 1u);
}

}  // namespace
}  // namespace qav
