#include "shortcuts/group_editing.h"

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

}  // namespace
}  // namespace qav
