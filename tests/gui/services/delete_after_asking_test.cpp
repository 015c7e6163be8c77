#include "gui/services/delete_after_asking.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "support/fake_item_pictures.h"

namespace qav {
namespace {

using platform::MessageAnswer;

class DeleteAfterAskingTest : public ::testing::Test {
 protected:
  DeleteAfterAskingTest() {
    pictures.tables = &tables;
    // Group 5 with members 200 and 201.
    tables.Shortcuts[5].Kind = kKindGroup;
    tables.Groups[5].Members[0] = 5;
    for (int i = 1; i <= 2; ++i) {
      tables.Groups[5].Members[i] = 199 + i;
      tables.Shortcuts[199 + i].Kind = kKindMember;
    }
    tables.Groups[5].MemberCount = 2;
  }
  Tables tables = MakeTables();
  test::FakeItemPictures pictures;
  platform::fake::RecordingMessageBoxes messages;
  EditingContext editing{tables, pictures, "/s/"};
};

TEST_F(DeleteAfterAskingTest, NoKeepsTheGroupAndYesDeletesIt) {
  messages.answer = MessageAnswer::kNo;
  EXPECT_FALSE(DeleteAfterAsking(editing, messages, 5));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Delete Shortcut Group");
  EXPECT_EQ(tables.Shortcuts[5].Kind, kKindGroup);
  EXPECT_EQ(tables.Groups[5].MemberCount, 2);

  // Anything but No goes on, as a closed box does.
  messages.answer = MessageAnswer::kCancel;
  EXPECT_TRUE(DeleteAfterAsking(editing, messages, 5));
  EXPECT_EQ(tables.Shortcuts[5].Kind, kKindBlank);
  EXPECT_EQ(tables.Shortcuts[200].Kind, kKindFree);
}

TEST_F(DeleteAfterAskingTest, AMemberGoesWithoutAQuestion) {
  messages.answer = MessageAnswer::kNo;
  EXPECT_TRUE(DeleteAfterAsking(editing, messages, 200));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(tables.Groups[5].MemberCount, 1);
  EXPECT_EQ(tables.Groups[5].Members[1], 201);
}

}  // namespace
}  // namespace qav
