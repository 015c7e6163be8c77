// Facts the system gives about itself: folders, the program, the user, the drives.

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/files/wide_text.h"
#include "platform/windows/win_shell_folders.h"
#include "platform/windows/win_single_instance.h"
#include "platform/windows/win_system_info.h"
#include "platform/windows/win_volumes.h"

namespace qav::platform {
namespace {

bool IsFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(Utf8ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(WinShellFolders, EveryFolderTheProgramUsesIsThere) {
  WinShellFolders folders;
  for (const int csidl : {0, 5, 6, 13, 14, 25, 26, 36, 37, 38, 39, 40}) {
    const std::string folder = folders.SpecialFolder(csidl);
    ASSERT_FALSE(folder.empty()) << csidl;
    EXPECT_NE(folder.back(), '\\') << csidl;
    EXPECT_EQ(folder[1], ':') << csidl << " " << folder;
    if (csidl == 0 || csidl >= 25) {
      EXPECT_TRUE(IsFolder(folder)) << csidl << " " << folder;
    }
  }
  EXPECT_EQ(folders.SpecialFolder(2), "");  // the Start menu's programs: not one of ours
  EXPECT_EQ(folders.SpecialFolder(-1), "");
  EXPECT_EQ(folders.SpecialFolder(37).rfind(folders.SpecialFolder(36), 0), 0u);
  EXPECT_TRUE(folders.ApplicationFolders().empty());
}

TEST(WinSystemInfo, TheProgramTheUserAndTheEnvironment) {
  WinSystemInfo system;
  const std::string exe = system.ExecutablePath();
  ASSERT_GT(exe.size(), 4u);
  EXPECT_EQ(exe.substr(exe.size() - 4), ".exe");
  EXPECT_NE(::GetFileAttributesW(Utf8ToWide(exe).c_str()), INVALID_FILE_ATTRIBUTES);

  const auto version = system.QueryOsVersion();
  ASSERT_TRUE(version);
  EXPECT_EQ(version->family, OsVersion::Family::kWindowsNT);
  EXPECT_GE(version->major, 5);
  EXPECT_FALSE(system.UserLogonName().empty());

  ASSERT_TRUE(::SetEnvironmentVariableW(L"QAV_TEST_\u00c4", L"Wert \u00fc"));
  EXPECT_EQ(system.Environment("QAV_TEST_\u00c4"), "Wert \u00fc");
  ASSERT_TRUE(::SetEnvironmentVariableW(L"QAV_TEST_EMPTY", L""));
  EXPECT_EQ(system.Environment("QAV_TEST_EMPTY"), "");
  EXPECT_FALSE(system.Environment("QAV_TEST_NEVER_SET"));
  const std::wstring longValue(5000, L'x');
  ASSERT_TRUE(::SetEnvironmentVariableW(L"QAV_TEST_LONG", longValue.c_str()));
  EXPECT_EQ(system.Environment("QAV_TEST_LONG"), std::string(5000, 'x'));
}

TEST(WinVolumes, TheSystemDriveComesFirst) {
  WinVolumes volumes;
  const auto all = volumes.List();
  ASSERT_FALSE(all.empty());
  EXPECT_TRUE(all.front().isSystem);
  EXPECT_EQ(all.front().type, DriveType::kFixed);
  for (const Volume& volume : all) {
    ASSERT_EQ(volume.root.size(), 3u) << volume.root;
    EXPECT_EQ(volume.root.substr(1), ":\\");
    EXPECT_EQ(volume.name, volume.root.substr(0, 2));  // the title reads "Local Disk (C:)"
  }
  const std::string drive = all.front().root.substr(0, 2);
  const auto found = volumes.At(drive);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->root, all.front().root);
  EXPECT_EQ(volumes.At(drive + "/")->root, all.front().root);
  EXPECT_FALSE(volumes.At("Q:\\nowhere"));
}

TEST(WinSingleInstance, ASecondHolderIsRefusedUntilTheFirstEnds) {
  const std::string name = "Local\\QAV-Test-" + std::to_string(::GetCurrentProcessId());
  auto first = std::make_unique<WinSingleInstance>(name);
  ASSERT_TRUE(first->TryAcquire());
  EXPECT_TRUE(first->TryAcquire());  // asking again changes nothing
  WinSingleInstance second(name);
  EXPECT_FALSE(second.TryAcquire());
  first.reset();
  WinSingleInstance third(name);
  EXPECT_TRUE(third.TryAcquire());
}

}  // namespace
}  // namespace qav::platform
