// The whole program on the fake platform: the start-up, the control channel and the way out, with
// nothing of the operating system but real files in a temporary home.

#include "gui/launcher/run_launcher.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <filesystem>

#include "core/remote/remote_request.h"
#include "platform/fake/fake_native_platform.h"
#include "support/real_files.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

struct RunFixture : ::testing::Test {
  RunFixture() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto& services = fake.services;
    services.folders.folders[26] = home / ".local/share";
    services.system.environment["HOME"] = home.path();
    services.system.environment["XDG_DATA_DIRS"] = home / "no-system-data";
  }
  int Run() {
    char name[] = "qav-launcher";
    char* argv[] = {name, nullptr};
    return RunLauncher(1, argv, fake);
  }

  test::TempDir home;
  test::RealFiles files;
  platform::fake::FakePlatformServices fake{files};
};

TEST_F(RunFixture, ASecondCopyOnlyAsksTheRunningDockForKeyboardMode) {
  fake.instanceHeld = true;
  fake.sendResult = {platform::SendOutcome::kAnswered, EncodeAnswer({true, "done", {}})};
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(fake.sentLines, std::vector<std::string>{EncodeRequest({RemoteVerb::kKeyboard, {}})});
  EXPECT_FALSE(std::filesystem::exists(home / ".local/share/Brevona"));
}

TEST_F(RunFixture, StartsAnswersTheControlChannelAndSavesOnTermination) {
  std::string answer;
  QTimer poll;
  fake.onIconTheme = [&] {
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (!fake.Listening()) return;
      poll.stop();
      answer = fake.Deliver(EncodeRequest({RemoteVerb::kShow, {}}));
      fake.RequestTermination();
    });
    poll.start(50);
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(answer.starts_with("OK")) << answer;
  const auto data = home / ".local/share/Brevona/QAV Launcher/";
  EXPECT_TRUE(std::filesystem::exists(data + "QAVCfg.cfg"));
  EXPECT_TRUE(std::filesystem::exists(data + "QAVMenu.cfg"));
  // Taken first and given back last (paused between while the getting-started window had the
  // keyboard).
  const std::vector<std::string>& keys = fake.services.hotKeys.events;
  ASSERT_FALSE(keys.empty());
  EXPECT_EQ(keys.front(), "install");
  EXPECT_EQ(keys.back(), "remove");
  EXPECT_FALSE(fake.services.shape.regions.empty());
  EXPECT_EQ(fake.startUpEnds, 1);
}

// The way out finds both files unwritable; while the first failure's box is open, a termination
// signal comes: that box closes, no second one opens, and both failures go to the notices.
TEST_F(RunFixture, ATerminationDuringAnExitSaveBoxEndsWithoutFurtherBoxes) {
  const auto data = home / ".local/share/Brevona/QAV Launcher/";
  int boxes = 0;
  QTimer poll;
  fake.onIconTheme = [&] {
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (!fake.Listening()) return;
      if (boxes == 0 && !fake.Deliver(EncodeRequest({RemoteVerb::kQuit, {}})).empty()) {
        for (const char* name :
             {"QAVCfg.cfg", "QAVCfg.cfg.bak", "QAVMenu.cfg", "QAVMenu.cfg.bak"}) {
          std::filesystem::remove(data + name);
          std::filesystem::create_directories(data + name + "/in the way");
        }
        boxes = -1;  // asked once
      }
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      if (boxes <= 0) {
        boxes = 1;
        fake.RequestTermination();
      } else {
        ++boxes;  // a box after the termination: counted, and closed so that the test ends
        box->reject();
      }
    });
    poll.start(20);
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(boxes, 1);
  // The box's failure and the next one's (a window that saves as it closes may add its own).
  const auto told = [&](const std::string& text) {
    return std::any_of(fake.notices.begin(), fake.notices.end(),
                       [&](const std::string& n) { return n.find(text) != std::string::npos; });
  };
  EXPECT_TRUE(told("Writing configuration file failed!")) << ::testing::PrintToString(fake.notices);
  EXPECT_TRUE(told("Writing icon file failed!")) << ::testing::PrintToString(fake.notices);
}

}  // namespace
}  // namespace qav
