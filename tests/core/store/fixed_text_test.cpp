#include "core/store/fixed_text.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

TEST(FixedText, PadsCutsAndStartsAsNuls) {
  FixedText<8> field;
  EXPECT_EQ(field.Raw(), std::string(8, '\0'));
  EXPECT_EQ(field.Get(), "");
  field = "abc";
  EXPECT_EQ(field.Raw(), "abc     ");
  field = "abcdefghij";
  EXPECT_EQ(field.Raw(), "abcdefgh");
  field = "";
  EXPECT_EQ(field.Raw(), std::string(8, ' '));

  FixedText<255> path;
  path = std::string(255, 'p');  // fills exactly, no terminator
  EXPECT_EQ(path.Get(), std::string(255, 'p'));
  FixedText<128> title;
  title = std::string(200, 't');
  EXPECT_EQ(title.Get().size(), 128u);
}

TEST(FixedText, NeverCutsInsideACharacter) {
  FixedText<6> field;
  field = "ab\xE2\x82\xAC\xE2\x82\xAC";  // "ab€€": the second euro sign would be split
  EXPECT_EQ(field.Raw(), "ab\xE2\x82\xAC ");
  field = "\xF0\x9F\x99\x82\xF0\x9F\x99\x82";  // two 4-byte characters into 6 bytes
  EXPECT_EQ(field.Raw(), "\xF0\x9F\x99\x82  ");
  field = "abcd\xC3\xA9";  // fits exactly
  EXPECT_EQ(field.Get(), "abcd\xC3\xA9");
}

}  // namespace
}  // namespace qav
