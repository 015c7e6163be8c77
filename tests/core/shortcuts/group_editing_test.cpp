#include "core/shortcuts/group_editing.h"

#include "platform/fake/fake_platform.h"
#include "support/fake_item_pictures.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

TEST(UpdateGroupTitle, SuffixFollowsTheMemberCount) {
  Tables t = MakeTables();
  t.Shortcuts[5].Title = "Tools (Full)";
  t.Groups[5].MemberCount = 35;
  UpdateGroupTitle(t, 5);
  EXPECT_EQ(t.Shortcuts[5].Title.Get(), "Tools");
  t.Groups[5].MemberCount = 0;
  UpdateGroupTitle(t, 5);
  EXPECT_EQ(t.Shortcuts[5].Title.Get(), "Tools (Empty)");
  t.Groups[5].MemberCount = 36;
  UpdateGroupTitle(t, 5);
  EXPECT_EQ(t.Shortcuts[5].Title.Get(), "Tools (Full)");
  t.Shortcuts[3].Title = "All Programs Group (Empty)";
  t.Groups[3].MemberCount = 1024;
  UpdateGroupTitle(t, 3);
  EXPECT_EQ(t.Shortcuts[3].Title.Get(), "All Programs Group (Full)");
}

TEST(FindFreeRecord, PoolNeverGrowsPastTheSavedRecords) {
  Tables t = MakeTables();
  EXPECT_EQ(FindFreeRecord(t, false, 24), 129);
  for (int r = 129; r <= 1024; ++r) t.Shortcuts[r].Kind = kKindMember;
  t.Shortcuts[700].Kind = kKindFree;
  EXPECT_EQ(FindFreeRecord(t, false, 24), 700);
  t.Shortcuts[700].Kind = kKindMember;
  EXPECT_EQ(FindFreeRecord(t, false, 24), kNoRecord);
  EXPECT_EQ(t.Shortcuts.size(), 1025u);
}

TEST(FindFreeRecord, DockItemsTakeABlankPlaceThenTheAllProgramsGroup) {
  Tables t = MakeTables();
  for (int r = 1; r <= 36; ++r) t.Shortcuts[r].Kind = kKindDockShortcut;
  t.Shortcuts[30].Kind = kKindBlank;
  EXPECT_EQ(FindFreeRecord(t, true, 24), kAllProgramsGroup);  // 30 is past the icon count
  EXPECT_EQ(FindFreeRecord(t, true, 32), 30);
  t.Groups[3].MemberCount = 1024;
  EXPECT_EQ(FindFreeRecord(t, true, 24), kNoRecord);
}

class EditingTest : public ::testing::Test {
 protected:
  EditingTest() {
    pictures.tables = &tables;
    for (int g = 0; g < kGroupCount; ++g) tables.Groups[g].Members[0] = g;
  }
  // Group `g` of kind `kind` with members 200, 201, ...
  void MakeGroup(int g, int kind, int count) {
    tables.Shortcuts[g].Kind = kind;
    tables.Shortcuts[g].Title = "G";
    for (int i = 1; i <= count; ++i) {
      tables.Groups[g].Members[i] = 199 + i;
      tables.Shortcuts[199 + i].Kind = kKindMember;
    }
    tables.Groups[g].MemberCount = count;
  }
  EditingContext Context() { return {tables, pictures, "/s/"}; }

  Tables tables = MakeTables();
  test::FakeItemPictures pictures;
};

TEST_F(EditingTest, OnlyGroupsNeedAQuestionBeforeTheyAreDeleted) {
  MakeGroup(5, kKindGroup, 2);
  MakeGroup(3, kKindAllPrograms, 3);
  tables.Shortcuts[7].Kind = kKindDockShortcut;
  const auto group = DeleteQuestion(tables, 5);
  ASSERT_TRUE(group);
  EXPECT_EQ(group->text, "Are you sure to delete the selected group?");
  EXPECT_EQ(group->caption, "Delete Shortcut Group");
  EXPECT_EQ(group->buttons, platform::MessageButtons::kYesNo);
  EXPECT_TRUE(group->defaultIsSecond);
  ASSERT_TRUE(DeleteQuestion(tables, 3));
  EXPECT_EQ(DeleteQuestion(tables, 3)->caption, "Delete All Programs Group");
  EXPECT_FALSE(DeleteQuestion(tables, 7));
  EXPECT_FALSE(DeleteQuestion(tables, 200));  // a member
  EXPECT_FALSE(DeleteQuestion(tables, 5000));
}

TEST_F(EditingTest, DeletingGroupsLeavesABlankPlaceOrAnEmptyAllProgramsGroup) {
  MakeGroup(5, kKindGroup, 2);
  EditingContext c = Context();
  DeleteItem(c, 5);
  EXPECT_EQ(tables.Shortcuts[5].Kind, kKindBlank);
  EXPECT_EQ(tables.Shortcuts[5].Title.Get(), "Blank Shortcut");
  EXPECT_EQ(tables.Shortcuts[5].IconFile.Get(), "/s/Shortcut.png");
  EXPECT_EQ(tables.Shortcuts[200].Kind, kKindFree);

  MakeGroup(3, kKindAllPrograms, 3);
  tables.Shortcuts[3].Path = "/somewhere";
  DeleteItem(c, 3);
  EXPECT_EQ(tables.Shortcuts[3].Kind, kKindAllPrograms);
  EXPECT_EQ(tables.Shortcuts[3].Title.Get(), "G (Empty)");
  EXPECT_TRUE(tables.Shortcuts[3].Path.IsEmpty());
}

TEST_F(EditingTest, RemovingAMemberClosesTheGap) {
  MakeGroup(6, kKindGroup, 3);
  EditingContext c = Context();
  DeleteItem(c, 201);
  EXPECT_EQ(tables.Groups[6].MemberCount, 2);
  EXPECT_EQ(tables.Groups[6].Members[2], 202);
  EXPECT_EQ(tables.Groups[6].Members[3], 0);
  tables.Shortcuts[202].Path = " /data/x ";
  EXPECT_FALSE(IsNotInGroup(tables, 6, "/data/x  "));
  EXPECT_TRUE(IsNotInGroup(tables, 6, "/data/X"));
}

TEST_F(EditingTest, ItemMenuOffersWhatTheItemAllows) {
  auto offered = [&](int record, int slot = -1) {
    std::string on;
    const ItemMenuEntries entries = ItemMenuAvailability(tables, record, 24, slot);
    for (int e : {0, 1, 3, 4, 5, 6, 8}) on += entries[static_cast<std::size_t>(e)] ? '+' : '-';
    return on;  // add, delete, up, down, top, bottom, properties
  };
  tables.Shortcuts[10].Kind = kKindDockShortcut;
  EXPECT_EQ(offered(10), "-++++++");
  tables.Shortcuts[11].Kind = kKindBlank;
  EXPECT_EQ(offered(11), "+-++++-");
  MakeGroup(12, kKindGroup, 36);
  EXPECT_EQ(offered(12), "-++++++");
  MakeGroup(3, kKindAllPrograms, 5);
  EXPECT_EQ(offered(3), "++----+");
  tables.Shortcuts[70].Kind = kKindBuiltIn;
  EXPECT_EQ(offered(70), "------+");
  tables.Shortcuts[4].Kind = kKindDockShortcut;
  EXPECT_EQ(offered(4), "-+-+-++");
  tables.Shortcuts[24].Kind = kKindDockShortcut;
  EXPECT_EQ(offered(24), "-++-+-+");
  MakeGroup(7, kKindGroup, 3);
  EXPECT_EQ(offered(200, 7), "-+-+-++");  // first member
  EXPECT_EQ(offered(202, 7), "-++-+-+");  // last member
  MakeGroup(8, kKindGroup, 1);
  EXPECT_EQ(offered(200, 8), "-+----+");  // the only member
}

}  // namespace
}  // namespace qav
