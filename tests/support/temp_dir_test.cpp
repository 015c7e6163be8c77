#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace qav::test {
namespace {

TEST(TempDir, AFolderThatCannotBeMadeIsAnErrorNotAnEmptyPath) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no folder that even an administrator cannot write in";
#else
  const char* previous = std::getenv("TMPDIR");
  const std::string saved = previous ? previous : "";
  ::setenv("TMPDIR", "/proc", 1);  // a folder nobody, not even root, can make folders in
  EXPECT_THROW(TempDir(), std::filesystem::filesystem_error);
  if (previous) {
    ::setenv("TMPDIR", saved.c_str(), 1);
  } else {
    ::unsetenv("TMPDIR");
  }
#endif
}

TEST(TempDir, JoinsNamesWithTheSystemsSeparator) {
  const TempDir folder;
  EXPECT_EQ(folder / "a b", folder.path() + platform::kPathSeparator + "a b");
  WriteText(folder / "\xc3\xa9t\xc3\xa9.txt", "summer");  // "été": a name outside ASCII
  EXPECT_EQ(ReadText(folder / "\xc3\xa9t\xc3\xa9.txt"), "summer");
  EXPECT_TRUE(
      std::filesystem::is_regular_file(platform::PathFromUtf8(folder / "\xc3\xa9t\xc3\xa9.txt")));
}

}  // namespace
}  // namespace qav::test
