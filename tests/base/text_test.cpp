#include "base/text.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

TEST(TrimNull, CutsAtFirstNulThenTrimsSpacesOnly) {
  EXPECT_EQ(TrimNull(std::string("  Notepad  \0garbage", 19)), "Notepad");
  EXPECT_EQ(TrimNull(std::string("\0\0\0", 3)), "");
  EXPECT_EQ(TrimNull("\tTab\t"), "\tTab\t");  // only spaces are blanks here
  EXPECT_EQ(TrimNull("   "), "");
}

TEST(Trim, TakesOffOnlyTheGivenBlanks) {
  EXPECT_EQ(Trim(" \tkey = value\t "), "key = value");
  EXPECT_EQ(Trim("\r\nline\r\n", " \t\r\n"), "line");
  EXPECT_EQ(Trim("\r\nline\r\n"), "\r\nline\r\n");
  EXPECT_EQ(Trim(" \t "), "");
}

// Bytes of other characters must never change: "\xC3\x84" is not "\xC3\xA4" in ASCII folding.
TEST(EqualsIgnoreCase, FoldsAsciiLettersOnly) {
  EXPECT_TRUE(EqualsIgnoreCase("HKEY_Current_User", "hkey_current_user"));
  EXPECT_FALSE(EqualsIgnoreCase("\xC3\x84", "\xC3\xA4"));
  EXPECT_FALSE(EqualsIgnoreCase("abc", "abcd"));
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
