// Through the shell: starting programs and the recycle bin. Run under a private Wine prefix (or
// on a test machine), since the bin is emptied.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/windows/win_process_control.h"
#include "platform/windows/win_program_launcher.h"
#include "platform/windows/win_recycle_bin.h"
#include "platform/windows/win_system_actions.h"
#include "platform/windows/win_test_folder.h"

namespace qav::platform {
namespace {

// What a started program leaves behind arrives a little later.
bool AppearsWithin(const std::string& path, DWORD milliseconds) {
  for (DWORD waited = 0; waited < milliseconds; waited += 50) {
    if (test::Exists(path)) return true;
    ::Sleep(50);
  }
  return test::Exists(path);
}

std::string CommandInterpreter() {
  wchar_t system[MAX_PATH] = {};
  ::GetSystemDirectoryW(system, MAX_PATH);
  return WideToUtf8(system) + "\\cmd.exe";
}

TEST(WinProgramLauncher, StartsAProgramWithItsArgumentsInItsFolder) {
  test::WinTestFolder dir;
  WinProgramLauncher launcher;
  LaunchRequest request;
  request.target = CommandInterpreter();
  request.arguments = {"/c", "echo", "started", ">", "out.txt"};
  request.workingDir = dir.path();
  request.style = WindowStyle::kMinimized;
  ASSERT_TRUE(launcher.Launch(request));
  ASSERT_TRUE(AppearsWithin(dir / "out.txt", 10000));
  // A word with blanks arrives as one word.
  const std::string copy = dir / "copy of out.txt";
  request.arguments = {"/c", "copy", dir / "out.txt", copy};
  ASSERT_TRUE(launcher.Launch(request));
  EXPECT_TRUE(AppearsWithin(copy, 10000));
}

TEST(WinProgramLauncher, WhatCannotBeStartedIsReported) {
  test::WinTestFolder dir;
  WinProgramLauncher launcher;
  EXPECT_FALSE(launcher.Launch({dir / "missing.exe", {}, {}, WindowStyle::kNormal, false}));
  EXPECT_FALSE(launcher.Launch({"", {}, {}, WindowStyle::kNormal, false}));
  EXPECT_FALSE(launcher.OpenWithDefault(dir / "missing.txt"));
}

TEST(WinRecycleBin, AFileGoesInIsCountedAndIsGoneWhenEmptied) {
  test::WinTestFolder dir;
  WinRecycleBin bin;
  ASSERT_TRUE(bin.Empty());
  EXPECT_FALSE(bin.HasItems());
  const std::string file = dir / "thrown away \u00e9.txt";
  const HANDLE handle =
      ::CreateFileW(Utf8ToWide(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ASSERT_TRUE(::WriteFile(handle, "0123456789", 10, &written, nullptr));
  ::CloseHandle(handle);

  ASSERT_TRUE(bin.MoveToTrash(file));
  EXPECT_FALSE(test::Exists(file));
  const TrashStatus status = bin.Query();
  EXPECT_EQ(status.items, 1u);
  EXPECT_GE(status.bytes, 10u);
  EXPECT_TRUE(bin.HasItems());

  EXPECT_TRUE(bin.Empty());
  EXPECT_EQ(bin.Query().items, 0u);
}

TEST(WinRecycleBin, OnlyAbsolutePathsOfExistingItemsAreMoved) {
  WinRecycleBin bin;
  EXPECT_FALSE(bin.MoveToTrash("relative.txt"));
  EXPECT_FALSE(bin.MoveToTrash(""));
  test::WinTestFolder dir;
  EXPECT_FALSE(bin.MoveToTrash(dir / "missing.txt"));
  // A path as Qt spells it, with slashes.
  const std::string file = dir / "slashed.txt";
  ::CloseHandle(
      ::CreateFileW(Utf8ToWide(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  std::string slashed = file;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  EXPECT_TRUE(bin.MoveToTrash(slashed));
  EXPECT_FALSE(test::Exists(file));
  EXPECT_TRUE(bin.Empty());
}

// Wine registers its own browser for web and mail addresses, as Windows registers Edge and Mail.
TEST(WinSystemActions, TheDefaultProgramsArePaths) {
  WinProcessControl process;
  WinSystemActions actions(process);
  for (const auto kind : {DefaultProgramKind::kWebBrowser, DefaultProgramKind::kMail}) {
    const wchar_t* command = kind == DefaultProgramKind::kMail ? L"mailto\\shell\\open\\command"
                                                               : L"http\\shell\\open\\command";
    DWORD size = 0;
    const bool registered = ::RegGetValueW(HKEY_CLASSES_ROOT, command, nullptr, RRF_RT_REG_SZ,
                                           nullptr, nullptr, &size) == ERROR_SUCCESS;
    const std::string program = actions.DefaultProgram(kind);
    ASSERT_EQ(program.empty(), !registered) << program;
    if (program.empty()) continue;
    EXPECT_TRUE(test::Exists(program)) << program;
    EXPECT_EQ(program.substr(program.size() - 4), ".exe") << program;
  }
}

}  // namespace
}  // namespace qav::platform
