#include "platform/linux/linux_program_launcher.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <QCoreApplication>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/temp_dir.h"

namespace qav::platform {
namespace {

namespace fs = std::filesystem;

// Real processes: a script that writes its folder and arguments to `out` once it has them all.
class ProgramLauncherTest : public ::testing::Test {
 protected:
  std::string Script(const std::string& name, const std::string& out) {
    const std::string path = dir / name;
    test::WriteText(
        path, "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } > '" + out +
                  ".part' && mv '" + out + ".part' '" + out + "'\n");
    fs::permissions(path, fs::perms::owner_all);
    return path;
  }
  // What the script wrote, waiting up to ten seconds for it.
  std::string Output(const std::string& out) {
    for (int i = 0; i < 200 && !fs::exists(out); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return test::ReadText(out);
  }
  LinuxProgramLauncher Launcher() {
    SystemCommands commands = RealSystemCommands();
    commands.find = [this](const std::string& program) {
      if (program == "xdg-open") return opener;
      return program == "gio" ? std::string() : RealSystemCommands().find(program);
    };
    return LinuxProgramLauncher(commands);
  }

  test::TempDir dir;
  std::string opener = Script("opener", dir / "opened");
};

TEST_F(ProgramLauncherTest, ProgramsGetTheirArgumentsSeparatelyWithoutAShell) {
  const std::string program = Script("program", dir / "ran");
  fs::create_directories(dir / "work");
  EXPECT_TRUE(Launcher().Launch({program, {"one", "two three", "$HOME;x"}, dir / "work"}));
  EXPECT_EQ(Output(dir / "ran"), dir / "work\n[one]\n[two three]\n[$HOME;x]\n");
  EXPECT_FALSE(fs::exists(dir / "opened"));
}

TEST_F(ProgramLauncherTest, DocumentsAndAddressesGoToTheOpenerWithoutArguments) {
  test::WriteText(dir / "report.pdf", "%PDF-1.4");
  fs::permissions(dir / "report.pdf", fs::perms::owner_all);  // as on a FAT stick
  EXPECT_TRUE(Launcher().Launch({dir / "report.pdf", {"--ignored"}, ""}));
  EXPECT_EQ(Output(dir / "opened"), fs::current_path().string() + "\n[" + dir / "report.pdf]\n");
  fs::remove(dir / "opened");
  EXPECT_TRUE(Launcher().OpenWithDefault("mailto:ann@example.org"));
  EXPECT_EQ(Output(dir / "opened"), fs::current_path().string() + "\n[mailto:ann@example.org]\n");
  EXPECT_FALSE(Launcher().Launch({dir / "missing.txt", {}, ""}));
  EXPECT_FALSE(Launcher().Launch({"no-such-program-qav", {}, ""}));
}

TEST_F(ProgramLauncherTest, DesktopEntriesRunTheirExecLine) {
  const std::string program = Script("program", dir / "ran");
  test::WriteText(dir / "tool.desktop",
                  "[Desktop Entry]\nType=Application\nName=Tool\nPath=" + dir.path() + "\nExec=\"" +
                      program + "\" --from %k %U\n");
  EXPECT_TRUE(Launcher().Launch({dir / "tool.desktop", {"a", "b c"}, ""}));
  EXPECT_EQ(Output(dir / "ran"),
            dir.path() + "\n[--from]\n[" + dir / "tool.desktop]\n[a]\n[b c]\n");
}

// A program made for a terminal runs inside the system's terminal emulator, word for word.
TEST_F(ProgramLauncherTest, TerminalProgramsRunInsideTheTerminalEmulator) {
  const std::string terminal = Script("x-terminal-emulator", dir / "terminal");
  const std::string program = Script("editor", dir / "unused");
  SystemCommands commands = RealSystemCommands();
  commands.find = [&](const std::string& name) {
    if (name == "x-terminal-emulator") return terminal;
    return name == "gio" ? std::string() : RealSystemCommands().find(name);
  };
  LinuxProgramLauncher launcher(commands);
  EXPECT_TRUE(launcher.HasTerminal());
  platform::LaunchRequest request{program, {"two words"}, ""};
  request.inTerminal = true;
  EXPECT_TRUE(launcher.Launch(request));
  EXPECT_EQ(Output(dir / "terminal"),
            fs::current_path().string() + "\n[-e]\n[" + program + "]\n[two words]\n");

  commands.find = [](const std::string&) { return std::string(); };
  EXPECT_FALSE(LinuxProgramLauncher(commands).HasTerminal());
  EXPECT_FALSE(LinuxProgramLauncher(commands).Launch(request));
}

// The switch the program sets for Qt's Wayland client stays the program's own: what it starts,
// directly or through the opener, sees the rest of its environment without it.
TEST_F(ProgramLauncherTest, StartedProgramsDoNotInheritTheToolkitsOwnSwitch) {
  ::setenv("QT_WAYLAND_USE_BYPASSWINDOWMANAGERHINT", "1", 1);
  ::setenv("QAV_TEST_KEPT", "kept", 1);
  const std::string body =
      "#!/bin/sh\nprintf '%s %s\\n' \"${QT_WAYLAND_USE_BYPASSWINDOWMANAGERHINT-unset}\" "
      "\"$QAV_TEST_KEPT\" > \"$0.part\" && mv \"$0.part\" \"$0.out\"\n";
  const std::string program = dir / "program";
  test::WriteText(program, body);
  fs::permissions(program, fs::perms::owner_all);
  test::WriteText(opener, body);
  EXPECT_TRUE(Launcher().Launch({program, {}, ""}));
  EXPECT_TRUE(Launcher().OpenWithDefault("http://www.example.org/"));
  EXPECT_EQ(Output(program + ".out"), "unset kept\n");
  EXPECT_EQ(Output(opener + ".out"), "unset kept\n");
  ::unsetenv("QT_WAYLAND_USE_BYPASSWINDOWMANAGERHINT");
  ::unsetenv("QAV_TEST_KEPT");
}

// An opener that fails at once (nothing can open the address) is not waited for: the launch is
// accepted and the failure told from the event loop afterwards, with the opener's reason.
TEST_F(ProgramLauncherTest, AnOpenerThatFailsIsToldAfterwardsWithoutBeingWaitedFor) {
  test::WriteText(opener, "#!/bin/sh\nsleep 0.3\nexit 3\n");
  LinuxProgramLauncher launcher = Launcher();
  std::vector<std::string> told;
  launcher.TellLateFailures([&told](const std::string& target, const std::string& why) {
    told.push_back(target + " | " + why);
  });
  EXPECT_TRUE(launcher.Launch({"http://www.example.org/", {}, ""}));
  EXPECT_TRUE(told.empty());  // the opener is still running: nothing has waited for it
  for (int i = 0; i < 100 && told.empty(); ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0], "http://www.example.org/ | " + OpenerFailure(3));

  // One still busy after the moment it is watched for is left to run, and nothing is told.
  test::WriteText(opener, "#!/bin/sh\nsleep 3\n");
  EXPECT_TRUE(launcher.OpenWithDefault("http://www.example.org/"));
  for (int i = 0; i < 100; ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(told.size(), 1u);
}

// A verdict that arrives once its launcher is gone reaches nothing.
TEST_F(ProgramLauncherTest, AVerdictAfterTheLauncherIsGoneIsDropped) {
  test::WriteText(opener, "#!/bin/sh\nexit 4\n");
  int told = 0;
  {
    LinuxProgramLauncher launcher = Launcher();
    launcher.TellLateFailures([&told](const std::string&, const std::string&) { ++told; });
    EXPECT_TRUE(launcher.OpenWithDefault("/tmp"));
  }
  for (int i = 0; i < 50; ++i) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(told, 0);
  EXPECT_NE(OpenerFailure(3).find("no program"), std::string::npos);
}

}  // namespace
}  // namespace qav::platform
