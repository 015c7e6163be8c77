#include "gui/dock/dock_accessible.h"

#include <gtest/gtest.h>

#include <QAccessibleActionInterface>
#include <QTest>

#include "dock_fixture.h"

namespace qav {
namespace {

class DockAccessibleTest : public ::testing::Test, protected test::DockFixture {
 protected:
  QAccessibleInterface* Ring() { return QAccessible::queryAccessibleInterface(dock.get()); }
  QAccessibleInterface* Place(int slot) { return Ring()->child(slot - 1); }
  static QStringList Actions(QAccessibleInterface* item) {
    return item->actionInterface()->actionNames();
  }
  static void Press(QAccessibleInterface* item, const QString& action) {
    item->actionInterface()->doAction(action);
    QCoreApplication::processEvents();
  }
  void Hover(int slot) {
    const QPoint at = CentreOf(slot);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(dock.get(), &move);
  }
};

TEST_F(DockAccessibleTest, TheRingIsAListOfButtonsNamedByTitlesWithGroupsTellingTheirSize) {
  QAccessibleInterface* ring = Ring();
  ASSERT_NE(ring, nullptr);
  EXPECT_EQ(ring->role(), QAccessible::List);
  EXPECT_EQ(ring->text(QAccessible::Name), "QAV Launcher");
  ASSERT_EQ(ring->childCount(), 8);

  QAccessibleInterface* computer = Place(1);
  EXPECT_EQ(computer, Place(1));  // one object per place, asked for twice
  EXPECT_EQ(ring->indexOfChild(computer), 0);
  EXPECT_EQ(computer->parent(), ring);
  EXPECT_EQ(computer->role(), QAccessible::PushButton);
  EXPECT_EQ(computer->text(QAccessible::Name), "My Computer");
  const int members = state.tables.Groups[1].MemberCount;
  ASSERT_GT(members, 1);
  EXPECT_EQ(computer->text(QAccessible::Description), QString("Group of %1 items").arg(members));
  EXPECT_EQ(Actions(computer), (QStringList{QAccessibleActionInterface::pressAction(),
                                            QAccessibleActionInterface::showMenuAction()}));
  EXPECT_EQ(computer->actionInterface()->keyBindingsForAction(
                QAccessibleActionInterface::showMenuAction()),
            QStringList{"0"});

  QAccessibleInterface* tool = Place(4);
  EXPECT_EQ(tool->text(QAccessible::Name), "Item 4");
  EXPECT_EQ(tool->text(QAccessible::Description), "");
  EXPECT_EQ(Actions(tool), QStringList{QAccessibleActionInterface::pressAction()});
  EXPECT_EQ(
      tool->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
      QStringList{"3"});

  const RingSlot& s = state.ring.Slots[4];
  const QRect plate = QRect(s.PlateLeft, s.PlateTop, s.PlateSize, s.PlateSize)
                          .translated(dock->mapToGlobal(QPoint(0, 0)));
  EXPECT_EQ(tool->rect(), plate);
  EXPECT_EQ(ring->childAt(plate.center().x(), plate.center().y()), tool);

  state.settings.IconCount = 3;  // fewer places: the fourth is gone
  EXPECT_EQ(ring->childCount(), 3);
  EXPECT_EQ(ring->child(3), nullptr);
  EXPECT_FALSE(tool->isValid());
  EXPECT_EQ(ring->indexOfChild(tool), -1);
}

TEST_F(DockAccessibleTest, PressingAPlaceDoesWhatAClickDoesOnceTheRequestIsAnswered) {
  Place(4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(launcher.launched.empty());  // not while the request is being answered
  QCoreApplication::processEvents();
  ASSERT_EQ(launcher.launched.size(), 1u);
  EXPECT_EQ(launcher.launched[0].target, "/usr/bin/tool");

  Press(Place(1), QAccessibleActionInterface::pressAction());  // as a click: the computer's page
  EXPECT_EQ(actions.pages, std::vector<platform::SystemPage>{platform::SystemPage::kComputer});
  EXPECT_TRUE(services.menus.empty());
  Press(Place(1), QAccessibleActionInterface::showMenuAction());  // as its key letter
  EXPECT_EQ(services.menus, std::vector<int>{1});
  Press(Place(4), QAccessibleActionInterface::showMenuAction());  // no menu: nothing happens
  EXPECT_EQ(launcher.launched.size(), 1u);
  EXPECT_EQ(state.HoverSlot, -1);  // the pointer's place is kept
}

TEST_F(DockAccessibleTest, TheHoveredPlaceIsTheFocusedOne) {
  EXPECT_EQ(Ring()->focusChild(), nullptr);
  Hover(2);
  EXPECT_EQ(Ring()->focusChild(), Place(2));
  EXPECT_TRUE(Place(2)->state().focused);
  EXPECT_FALSE(Place(1)->state().focused);
  EXPECT_TRUE(Place(1)->state().hasPopup);
  Hover(4);
  EXPECT_EQ(Ring()->focusChild(), Place(4));
  EXPECT_FALSE(Place(2)->state().focused);
}

}  // namespace
}  // namespace qav
