#include "core/search/result_cursor.h"

#include <gtest/gtest.h>

namespace qav::search {
namespace {

TEST(ResultCursor, ArrowsStopAtTheEndsAndScrollToKeepTheHighlightShown) {
  ResultCursor cursor;
  cursor.Reset(0, 5);
  EXPECT_EQ(cursor.Highlighted(), -1);
  cursor.Move(1);
  cursor.Page(1);
  EXPECT_EQ(cursor.Highlighted(), -1);

  cursor.Reset(8, 5);
  EXPECT_EQ(cursor.Highlighted(), 0);
  cursor.Move(-1);
  EXPECT_EQ(cursor.Highlighted(), 0);
  cursor.Move(5);
  EXPECT_EQ(cursor.Highlighted(), 5);
  EXPECT_EQ(cursor.Top(), 1);
  EXPECT_EQ(cursor.HighlightedRow(), 4);
  cursor.Move(10);
  EXPECT_EQ(cursor.Highlighted(), 7);
  EXPECT_EQ(cursor.Top(), 3);
  EXPECT_FALSE(cursor.CanScrollDown());
  EXPECT_TRUE(cursor.CanScrollUp());
  cursor.Move(-7);
  EXPECT_EQ(cursor.Top(), 0);
}

TEST(ResultCursor, PagesKeepTheRowAndGoToTheEndWhenTheyCannotScroll) {
  ResultCursor cursor;
  cursor.Reset(30, 10);
  cursor.Move(3);
  cursor.Page(1);
  EXPECT_EQ(cursor.Top(), 10);
  EXPECT_EQ(cursor.Highlighted(), 13);
  cursor.Page(1);
  EXPECT_EQ(cursor.Top(), 20);
  cursor.Page(1);
  EXPECT_EQ(cursor.Highlighted(), 29);
  cursor.Page(-5);
  EXPECT_EQ(cursor.Top(), 0);
  EXPECT_EQ(cursor.Highlighted(), 0);

  cursor.Reset(4, 10);  // everything shown: a page goes to the last or the first
  cursor.Page(1);
  EXPECT_EQ(cursor.Highlighted(), 3);
  EXPECT_EQ(cursor.Top(), 0);
}

TEST(ResultCursor, TheWheelAndThePointerKeepTheHighlightOnAShownRow) {
  ResultCursor cursor;
  cursor.Reset(20, 5);
  cursor.Scroll(3);
  EXPECT_EQ(cursor.Top(), 3);
  EXPECT_EQ(cursor.Highlighted(), 3);
  cursor.Scroll(100);
  EXPECT_EQ(cursor.Top(), 15);
  EXPECT_TRUE(cursor.HighlightRow(4));
  EXPECT_EQ(cursor.Highlighted(), 19);
  EXPECT_FALSE(cursor.HighlightRow(5));
  EXPECT_FALSE(cursor.HighlightRow(-1));
  cursor.Reset(2, 5);
  EXPECT_FALSE(cursor.HighlightRow(2));
  EXPECT_EQ(cursor.ShownRows(), 2);
}

}  // namespace
}  // namespace qav::search
