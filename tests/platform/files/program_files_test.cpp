// The system's rules for programs, as the build's platform layer implements them.
#include "platform/files/program_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/path_separator.h"
#include "base/utf8_path.h"
#include "support/temp_dir.h"

namespace qav::platform {
namespace {

TEST(ProgramFiles, SearchPathListsItsFoldersInOrderWithoutEmptyOnes) {
  const std::string s(1, kSearchPathSeparator);
  EXPECT_EQ(SearchPathFolders(s + "one" + s + s + "two" + s),
            (std::vector<std::string>{"one", "two"}));
  EXPECT_TRUE(SearchPathFolders("").empty());
  EXPECT_EQ(SearchPathFolders("only"), std::vector<std::string>{"only"});
#ifdef _WIN32
  EXPECT_EQ(SearchPathFolders("\"C:\\a;b\";C:\\c"), (std::vector<std::string>{"C:\\a;b", "C:\\c"}));
#endif
}

TEST(ProgramFiles, NamesWithAFolderAreNotLookedUp) {
  EXPECT_FALSE(NamesFolder("gedit"));
  EXPECT_TRUE(NamesFolder(test::Native("/usr/bin/gedit")));
  EXPECT_TRUE(NamesFolder(test::Native("bin/gedit")));
}

TEST(ProgramFiles, RunnableAndNativePrograms) {
  namespace fs = std::filesystem;
  test::TempDir dir;
  const std::string script = dir / "tool";
  test::WriteText(script, "#!/bin/sh\n");
  const std::string text = dir / "notes";
  test::WriteText(text, "plain words");
  fs::permissions(PathFromUtf8(script), fs::perms::owner_all | fs::perms::others_exec);
  fs::permissions(PathFromUtf8(text), fs::perms::owner_all | fs::perms::others_exec);
  EXPECT_TRUE(IsRunnableFile(script));
  EXPECT_FALSE(IsRunnableFile(dir.path()));  // a folder is never a program
  EXPECT_FALSE(IsRunnableFile(dir / "missing"));
  EXPECT_FALSE(IsNativeProgram(text));  // runnable, but neither an image nor a script
#ifdef _WIN32
  EXPECT_FALSE(IsNativeProgram(script));  // Windows knows programs by their extension
#else
  EXPECT_TRUE(IsNativeProgram(script));
  fs::permissions(script, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_FALSE(IsRunnableFile(script));
  EXPECT_FALSE(IsNativeProgram(script));
#endif
}

}  // namespace
}  // namespace qav::platform
