// The readers of formats/ given files of the user's world: a program's version from its file, a
// desktop entry from its file, and nothing from what is missing or no regular file.

#include "platform/files/format_files.h"

#include <gtest/gtest.h>

#include "formats/links/version_info.h"
#include "support/samples.h"
#include "support/temp_dir.h"

namespace qav::platform {
namespace {

TEST(FormatFiles, ProgramVersionsAndDesktopEntriesFromTheirFiles) {
  const std::string iexplore = (test::SamplesDir() / "pe" / "iexplore.exe").string();
  EXPECT_EQ(GetFileVersionField(iexplore, readers::kFileDescription), "Wine Internet Explorer");
  const test::TempDir dir;
  EXPECT_EQ(GetFileVersionField(dir / "missing.exe", readers::kFileDescription), "");
  EXPECT_EQ(GetFileVersionField(dir.path(), readers::kFileDescription), "");  // a folder

  test::WriteText(dir / "editor.desktop", "[Desktop Entry]\nName=Editor\nName[de]=Bearbeiter\n");
  const auto entry = ReadDesktopEntryFile(dir / "editor.desktop", "de_DE.UTF-8");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->name, "Bearbeiter");
  EXPECT_FALSE(ReadDesktopEntryFile(dir / "missing.desktop", ""));
  EXPECT_FALSE(ReadDesktopEntryFile(dir.path(), ""));
}

}  // namespace
}  // namespace qav::platform
