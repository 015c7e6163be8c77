#include "base/ui_text.h"

#include <gtest/gtest.h>

#include "base/result.h"

namespace qav {
namespace {

TEST(FillPattern, PutsEachPartWhereItsNumberStandsInOnePass) {
  EXPECT_EQ(FillPattern("%2 before %1", {"one", "two"}), "two before one");
  // A file name that holds a marker is not filled again.
  EXPECT_EQ(FillPattern("Cannot write %1: %2", {"/tmp/%2.bak", "full"}),
            "Cannot write /tmp/%2.bak: full");
  // A marker without its part, a lone "%" and "%0" are text.
  EXPECT_EQ(FillPattern("100% of %1 and %3, %0 %", {"x"}), "100% of x and %3, %0 %");
}

TEST(FilledText, AFailureSaysItsEnglishAndKeepsHowItWasWritten) {
  const Result plain = Result::Failure("Writing configuration file failed! ");
  EXPECT_EQ(plain.Error(), "Writing configuration file failed! ");
  EXPECT_EQ(plain.ErrorText().pattern, plain.Error());
  EXPECT_TRUE(plain.ErrorText().parts.empty());

  const Result filled = Result::From(false, FilledText{"Writing icon file failed! %1", {"/m"}});
  EXPECT_EQ(filled.Error(), "Writing icon file failed! /m");
  EXPECT_EQ(filled.ErrorText().pattern, "Writing icon file failed! %1");
  EXPECT_TRUE(Result::From(true, FilledText{"%1", {"x"}}).Error().empty());
}

}  // namespace
}  // namespace qav
