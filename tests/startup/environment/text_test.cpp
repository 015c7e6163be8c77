#include "text/text.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

TEST(TrimNull, CutsAtFirstNulThenTrimsSpacesOnly) {
  EXPECT_EQ(TrimNull(std::string("  Notepad  \0garbage", 19)), "Notepad");
  EXPECT_EQ(TrimNull(std::string("\0\0\0", 3)), "");
  EXPECT_EQ(TrimNull("\tTab\t"), "\tTab\t");  // only spaces are blanks here
  EXPECT_EQ(TrimNull("   "), "");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(658.5), 658);
  EXPECT_EQ(RoundHalfEven(659.5), 660);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
}

TEST(ReplaceAll, OnePassLeftToRight) {
  EXPECT_EQ(ReplaceAll("a\\\\\\\\b", "\\\\", "\\"), "a\\\\b");  // four backslashes become two
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

}  // namespace
}  // namespace qav
