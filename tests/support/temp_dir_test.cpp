#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace qav::test {
namespace {

TEST(TempDir, AFolderThatCannotBeMadeIsAnErrorNotAnEmptyPath) {
  const char* previous = std::getenv("TMPDIR");
  const std::string saved = previous ? previous : "";
  ::setenv("TMPDIR", "/proc", 1);  // a folder nobody, not even root, can make folders in
  EXPECT_THROW(TempDir(), std::filesystem::filesystem_error);
  if (previous) {
    ::setenv("TMPDIR", saved.c_str(), 1);
  } else {
    ::unsetenv("TMPDIR");
  }
}

}  // namespace
}  // namespace qav::test
