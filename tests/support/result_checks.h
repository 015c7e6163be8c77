#pragma once
// Checks of a Result for the tests: a failure must say what failed and why, so a test names the
// words it expects and sees the whole text when they are missing.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "base/result.h"

namespace qav::test {

inline ::testing::AssertionResult FailsSaying(const Result& result,
                                              std::initializer_list<std::string> words) {
  if (result.Ok()) return ::testing::AssertionFailure() << "the step succeeded";
  for (const std::string& word : words) {
    if (result.Error().find(word) == std::string::npos) {
      return ::testing::AssertionFailure()
             << "\"" << result.Error() << "\" does not say \"" << word << "\"";
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace qav::test
