#include "core/environment/path_services.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fake/fake_platform.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

class ExpandPathTest : public ::testing::Test {
 protected:
  ExpandPathTest() {
    paths.WindowsFolder = "C:\\WINDOWS\\";
    paths.SystemFolder = "C:\\WINDOWS\\system32\\";
    system.environment["SystemRoot"] = "C:\\WINDOWS";
    system.environment["HOME"] = "/home/ann";
  }
  std::string Expand(const std::string& path, bool search = false) {
    return ExpandPath(path, search, context);
  }

  Paths paths;
  platform::fake::FakeSystemInfo system;
  PathContext context{paths, system};
};

TEST_F(ExpandPathTest, VariablesExpandAndEndTheWorkWhenNoneIsLeft) {
  EXPECT_EQ(Expand("%SystemRoot%\\notepad.exe"), "C:\\WINDOWS\\notepad.exe");
  // Returned from the variable step, so the leading "@" stays.
  EXPECT_EQ(Expand("@%SystemRoot%\\system32\\shell32.dll"), "@C:\\WINDOWS\\system32\\shell32.dll");
  EXPECT_EQ(Expand("%HOME%/bin/tool"), "/home/ann/bin/tool");
  // Every occurrence of the same reference is replaced at once.
  EXPECT_EQ(Expand("%HOME%:%HOME%"), "/home/ann:/home/ann");
}

TEST_F(ExpandPathTest, UnsetVariableStopsExpansionButPrefixRulesStillRun) {
  EXPECT_EQ(Expand("%NOPE%\\x.exe"), "%NOPE%\\x.exe");
  EXPECT_EQ(Expand("\\??\\C:\\%NOPE%\\x.sys"), "C:\\%NOPE%\\x.sys");
  EXPECT_EQ(Expand("%HOME% and 100%"), "/home/ann and 100%");
}

TEST_F(ExpandPathTest, SelfReferencingVariableDoesNotLoopForever) {
  system.environment["LOOP"] = "%LOOP%";
  EXPECT_EQ(Expand("%LOOP%\\x"), "%LOOP%\\x");
}

TEST_F(ExpandPathTest, SystemRootPrefixesReplaceOnlyTheirLowerCaseForm) {
  EXPECT_EQ(Expand("\\systemroot\\system32\\drivers\\x.sys"),
            "C:\\WINDOWS\\system32\\drivers\\x.sys");
  // Detected in any case, but replaced only as written in lower case.
  EXPECT_EQ(Expand("\\SystemRoot\\system32\\x.sys"), "\\SystemRoot\\system32\\x.sys");
  EXPECT_EQ(Expand("\\??\\C:\\Program Files\\x.exe"), "C:\\Program Files\\x.exe");
  EXPECT_EQ(Expand("C:\\windows\\x.exe"), "C:C:\\WINDOWS\\x.exe");
  EXPECT_EQ(Expand("D:\\winnt\\x.exe"), "D:C:\\WINDOWS\\x.exe");
  EXPECT_EQ(Expand("@shell32.dll,-21"), "shell32.dll,-21");
}

TEST_F(ExpandPathTest, QuotesAndDoubledBackslashes) {
  EXPECT_EQ(Expand("\"C:\\Program Files\\App\\app.exe\" -x \"y\""),
            "C:\\Program Files\\App\\app.exe -x y");
  EXPECT_EQ(Expand("C:\\\\Data\\\\\\\\x"), "C:\\Data\\\\x");
  EXPECT_EQ(Expand("  /usr/bin/vim  "), "/usr/bin/vim");
}

TEST_F(ExpandPathTest, SearchFindsTheFirstCandidateFolder) {
  test::TempDir root;
  paths.WindowsFolder = root / "win/";
  paths.SystemFolder = root / "sys/";
  std::filesystem::create_directories(root / "sys/Drivers/etc");
  std::filesystem::create_directories(root / "win/etc");
  EXPECT_EQ(Expand("etc", true), root / "sys/Drivers/etc");
  EXPECT_EQ(Expand("etc", false), "etc");
  EXPECT_EQ(Expand("missing", true), "missing");
}

TEST(PathTests, ExistenceAndWebAddresses) {
  test::TempDir dir;
  test::WriteText(dir / "file.txt", "x");
  Paths paths;
  platform::fake::FakeSystemInfo system;
  system.environment["DIR"] = dir.path();
  const PathContext context{paths, system};

  const std::string file = "  " + (dir / "file.txt") + "  ";
  EXPECT_TRUE(FileExists(file, false, context));
  EXPECT_EQ(file, "  " + (dir / "file.txt") + "  ");  // a predicate leaves its argument alone
  EXPECT_EQ(ExistingPath(file, false, context), dir / "file.txt");
  EXPECT_TRUE(FileExists(dir.path(), false, context));
  EXPECT_EQ(ExistingPath(test::Native("\"%DIR%/file.txt\""), true, context), dir / "file.txt");
  EXPECT_EQ(ExistingPath(dir / "gone", false, context), "");
  EXPECT_FALSE(FileExists("", true, context));
  EXPECT_FALSE(DirExists(dir / "file.txt"));
  EXPECT_TRUE(DirExists(dir.path() + "   "));

  for (const char* web : {"http://x.org", "HTTPS://x.org", " https:/odd"}) {
    EXPECT_TRUE(IsWebAddress(web)) << web;
  }
  for (const char* other : {"ftp://x.org", "http:/x", "C:\\http://", ""}) {
    EXPECT_FALSE(IsWebAddress(other)) << other;
  }
}

}  // namespace
}  // namespace qav
