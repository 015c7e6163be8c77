#include "core/shortcuts/commands.h"

#include <gtest/gtest.h>

#include "base/path_separator.h"
#include "core/shortcuts/recycle_bin.h"
#include "shortcuts_fixture.h"

namespace qav {
namespace {

class RecordingDock final : public DockControl, public Dialogs, public ConfigurationSaver {
 public:
  void EscCancel() override { calls.push_back("esc"); }
  void MinWindows(DockView state) override {
    calls.push_back("min" + std::to_string(static_cast<int>(state)));
  }
  void DockFocus(bool show) override { calls.push_back(show ? "focus" : "unfocus"); }
  void DockNormal() override { calls.push_back("normal"); }
  bool DockHidden() override { return hidden; }
  void SetAnimateShowHide(bool animate) override { animated = animate; }
  bool AnimateShowHide() override { return animated; }
  void ExitApplication() override { calls.push_back("exit"); }
  void ShowSettings() override { calls.push_back("settings"); }
  void ShowAbout() override { calls.push_back("about"); }
  std::optional<std::string> OpenFile(const std::string&, const std::string&) override {
    return file;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return answer;
  }
  void RunBox() override { calls.push_back("run"); }
  void SaveSettings() override { calls.push_back("save-settings"); }
  void SaveMenu() override { calls.push_back("save-menu"); }

  std::vector<std::string> calls;
  bool hidden = false;
  bool animated = true;
  std::optional<std::string> file;
  std::optional<std::string> answer;
};

class CommandsTest : public ::testing::Test, protected test::ShortcutsFixture {
 protected:
  CommandContext Commands() {
    return {state, platform, pictures, dock, dock, dock, [this](int ms) { slept += ms; }, ",", "."};
  }
  RecordingDock dock;
  int slept = 0;
};

TEST_F(CommandsTest, LaunchPassesTargetArgumentsFolderAndStyleAsStored) {
  ShortcutRecord& r = Record(20);
  r.Target = "  /opt/Tools/Setup.EXE ";
  r.Arguments = "--name \"two words\" $HOME";
  r.RunStyle = 5;
  CommandContext c = Commands();
  EXPECT_TRUE(LaunchShortcut(c, 20));
  ASSERT_EQ(launcher.launched.size(), 1u);
  EXPECT_EQ(launcher.launched[0].target, "/opt/Tools/Setup.EXE");
  EXPECT_EQ(launcher.launched[0].arguments,
            (std::vector<std::string>{"--name", "two words", "$HOME"}));
  EXPECT_EQ(launcher.launched[0].workingDir, "/opt/Tools/");
  EXPECT_EQ(launcher.launched[0].style, platform::WindowStyle::kNormal);
  r.Target = "/home/ann/report.pdf";
  r.RunStyle = 2;
  LaunchShortcut(c, 20);
  EXPECT_EQ(launcher.launched[1].workingDir, "");
  EXPECT_EQ(launcher.launched[1].style, platform::WindowStyle::kMaximized);
}

TEST_F(CommandsTest, FailedLaunchExplainsAMissingTargetOrRetriesTheDefaultAction) {
  launcher.accept = false;
  state.settings.Record.AutoHide = 1;
  Record(20).Target = "/gone/tool";
  CommandContext c = Commands();
  EXPECT_FALSE(LaunchShortcut(c, 20));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Problem with Shortcut");
  EXPECT_EQ(messages.shown[0].text,
            "The item '/gone/tool' that this shortcut refers to has been changed or removed, so "
            "this shortcut will no longer work properly.\r\n\r\n");
  EXPECT_EQ(dock.calls, (std::vector<std::string>{"esc", "min2"}));
  Record(20).Target = home.path();
  LaunchShortcut(c, 20);
  EXPECT_EQ(launcher.opened, std::vector<std::string>{home.path()});
}

// An address nothing opens, an item with no target and a terminal program with no terminal
// each say what is wrong instead of failing quietly or naming an empty item.
TEST_F(CommandsTest, LaunchesThatCannotWorkSayWhy) {
  CommandContext c = Commands();
  Record(8).Title = "Internet";
  EXPECT_FALSE(LaunchShortcut(c, 8));
  EXPECT_TRUE(launcher.launched.empty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Problem with Shortcut");
  EXPECT_EQ(messages.shown[0].text.rfind("'Internet' has nothing to open", 0), 0u);

  launcher.accept = false;
  Record(20).Target = "http://www.example.org/";
  LaunchShortcut(c, 20);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text.rfind("No program on this system could open "
                                         "'http://www.example.org/'",
                                         0),
            0u);

  launcher.accept = true;
  const std::string entry = home / "vim.desktop";
  test::WriteText(entry,
                  "[Desktop Entry]\nType=Application\nName=Vim\nExec=vim %F\n"
                  "Terminal=true\n");
  Record(21).Path = entry;
  Record(21).Target = "/usr/bin/vim";
  Record(21).Title = "Vim";
  EXPECT_TRUE(LaunchShortcut(c, 21));
  ASSERT_EQ(launcher.launched.size(), 2u);  // the address was tried first
  EXPECT_TRUE(launcher.launched[1].inTerminal);
  Record(20).Target = "/usr/bin/true";
  LaunchShortcut(c, 20);
  EXPECT_FALSE(launcher.launched[2].inTerminal);

  launcher.terminal = false;
  EXPECT_FALSE(LaunchShortcut(c, 21));
  EXPECT_EQ(launcher.launched.size(), 3u);
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[2].text.rfind("'Vim' runs in a terminal, but no terminal emulator", 0),
            0u);
}

TEST_F(CommandsTest, CommandsReachTheSystemOrSayTheyCannot) {
  CommandContext c = Commands();
  ExecuteBuiltIn(c, kCmdShutDown);
  ExecuteBuiltIn(c, kCmdLock);
  EXPECT_EQ(actions.power, (std::vector<platform::PowerAction>{platform::PowerAction::kShutDown,
                                                               platform::PowerAction::kLock}));
  ExecuteBuiltIn(c, kCmdMonitorOff);
  EXPECT_EQ(slept, 1000);
  EXPECT_EQ(actions.monitorOffs, 1);
  EXPECT_TRUE(messages.shown.empty());
  actions.monitorOffWorks = false;  // a desktop that switches no monitor off for a program
  ExecuteBuiltIn(c, kCmdMonitorOff);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "The monitor could not be switched off: this desktop does not let programs do it.");
  messages.shown.clear();
  ExecuteBuiltIn(c, kCmdUserDocuments);
  EXPECT_EQ(actions.folders, std::vector<std::string>{home.path() + platform::kPathSeparator});
  actions.pageAvailable = false;
  ExecuteBuiltIn(c, kCmdDeviceManager);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "\"Device Manager\" is not available on this desktop.");
  ExecuteBuiltIn(c, 97);  // no command: nothing
  EXPECT_EQ(actions.pages.size(), 1u);
  dock.calls.clear();
  ExecuteBuiltIn(c, kCmdExit);
  EXPECT_EQ(dock.calls, (std::vector<std::string>{"esc", "unfocus", "exit"}));
}

TEST_F(CommandsTest, TogglesReturnToTheirFirstStateAndAreSaved) {
  CommandContext c = Commands();
  ExecuteBuiltIn(c, kCmdDragging);
  EXPECT_EQ(Record(kCmdDragging).Title.Get(), "Allow Dragging");
  EXPECT_NE(state.settings.Record.DraggingLocked, 0);
  ExecuteBuiltIn(c, kCmdDragging);
  EXPECT_EQ(Record(kCmdDragging).Title.Get(), "Lock Dragging");
  EXPECT_EQ(Record(kCmdDragging).IconFile.Get(), "/app/SysIcons/Lock Dragging.png");
  EXPECT_EQ(state.settings.Record.DraggingLocked, 0);

  ExecuteBuiltIn(c, kCmdDesktopIcons);
  EXPECT_EQ(Record(kCmdDesktopIcons).Title.Get(), "Always Show Desktop Icons");
  EXPECT_EQ(state.settings.Record.HideDesktopIcons, 1);
  desktop.hasIconView = false;  // a desktop without icons: nothing changes
  ExecuteBuiltIn(c, kCmdDesktopIcons);
  EXPECT_EQ(state.settings.Record.HideDesktopIcons, 1);
  EXPECT_EQ(std::count(dock.calls.begin(), dock.calls.end(), "save-settings"), 4);
}

TEST_F(CommandsTest, RecycleBinStatusMessagesAndEmptying) {
  const std::pair<platform::TrashStatus, const char*> cases[] = {
      {{1048576, 3}, "Your Recycle Bin consumes 1,MB (3 Items) right now."},
      {{1572864 * 1000, 2}, "Your Recycle Bin consumes 1.500,MB (2 Items) right now."},
      {{1536, 1}, "Your Recycle Bin consumes 1,5KB (1 Items) right now."},
      {{1023, 1}, "Your Recycle Bin consumes 1023 Bytes (1 Items) right now."},
      {{0, 2}, "Your Recycle Bin consumes 0 Byte (2 Items) right now."},
      {{3ull << 31, 9}, "Your Recycle Bin consumes over 2GB right now!"},
  };
  for (const auto& [status, text] : cases) {
    const BinReport report = RecycleBinReport(status, ",", ".");
    EXPECT_EQ(report.text, std::string(text) + "\r\nDo you want to empty Recycle Bin?");
    EXPECT_TRUE(report.asksToEmpty);
  }
  const BinReport empty = RecycleBinReport({0, 0}, ",", ".");
  EXPECT_EQ(empty.text, "Your Recycle Bin consumes 0 Byte (0 Item) right now.");
  EXPECT_FALSE(empty.asksToEmpty);

  CommandContext c = Commands();
  EXPECT_FALSE(ExecuteBuiltIn(c, kCmdEmptyRecycleBin).question);   // empty bin: no question
  EXPECT_FALSE(ExecuteBuiltIn(c, kCmdRecycleBinStatus).question);  // told, not asked
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].buttons, platform::MessageButtons::kOk);
  EXPECT_EQ(trash.empties, 0);

  // A bin with something in it: the command stops at its question, and the window finishes it
  // with the answer. The core itself shows no question.
  trash.status = {10, 1};
  const auto emptying = ExecuteBuiltIn(c, kCmdEmptyRecycleBin).question;
  ASSERT_TRUE(emptying);
  EXPECT_EQ(emptying->request.text, "Are you sure you want to empty the Recycle Bin?");
  EXPECT_EQ(emptying->request.caption, "Empty Recycle Bin");
  EXPECT_TRUE(emptying->request.defaultIsSecond);
  EXPECT_FALSE(emptying->onlyYesGoesOn);
  EXPECT_EQ(trash.empties, 0);
  FinishBuiltIn(c, kCmdEmptyRecycleBin, false);
  EXPECT_EQ(trash.empties, 0);
  const auto status = ExecuteBuiltIn(c, kCmdRecycleBinStatus).question;
  ASSERT_TRUE(status);
  EXPECT_EQ(status->request.caption, "Recycle Bin");
  EXPECT_EQ(status->request.buttons, platform::MessageButtons::kYesNo);
  EXPECT_TRUE(status->onlyYesGoesOn);
  FinishBuiltIn(c, kCmdRecycleBinStatus, true);
  EXPECT_EQ(trash.empties, 1);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(CommandsTest, UserPictureAndNameChangeIndependently) {
  dock.file = home / "me.png";
  dock.answer = "  Ann Smith ";
  CommandContext c = Commands();
  ExecuteBuiltIn(c, kCmdChangeUser);
  EXPECT_EQ(Record(0).IconFile.Get(), state.paths.UserIconFile);
  EXPECT_EQ(Record(0).Title.Get(), "Ann Smith");
  dock.file.reset();
  dock.answer = "   ";
  ExecuteBuiltIn(c, kCmdChangeUser);
  EXPECT_EQ(Record(0).Title.Get(), "Ann Smith");
}

}  // namespace
}  // namespace qav
