// The launcher's way out: what runs after it, what a request to end does while a handler is
// still running below a message box, and what happens when the save fails on the way out.

#include "gui/launcher/launcher.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <filesystem>

#include "core/operations/startup_fixture.h"
#include "core/shortcuts/catalog.h"
#include "core/store/menu_file.h"
#include "gui/dialogs/settings_dialog.h"
#include "gui/dock/dock_window.h"
#include "platform/fake/fake_native_platform.h"

namespace qav {
namespace {

class LauncherTest : public ::testing::Test, protected test::StartupFixture {
 protected:
  platform::fake::FakeWindowShape shape;
  platform::fake::FakeHotKeys hotKeys;
  platform::fake::FakeTrayHosts trayHosts;
  platform::fake::RecordingMessageBoxes notices;
};

// The way out asked for from inside a window is queued; a launcher that is gone by the time the
// queue runs (a second one in the same application, as the start-up benchmark makes) must not
// be reached.
TEST_F(LauncherTest, QueuedExitDiesWithItsLauncher) {
  for (int round = 0; round < 2; ++round) {
    Launcher app(platform, shape, hotKeys, trayHosts);
    ASSERT_TRUE(app.Start());
    app.ExitApplication();
  }
  QApplication::processEvents();
  Launcher last(platform, shape, hotKeys, trayHosts);
  ASSERT_TRUE(last.Start());
  EXPECT_FALSE(last.exited());
}

// A click handler shows a message box; the request to end arrives while it is open. The box
// closes, the handler finishes with its window still there, both files are saved, and only
// then do the event loops end.
TEST_F(LauncherTest, TerminationWhileAMessageBoxIsOpenSavesAndLetsTheHandlerReturn) {
  Launcher app(platform, shape, hotKeys, trayHosts);
  ASSERT_TRUE(app.Start());
  app.state().tables.Shortcuts[300].Title = "made before the end";
  bool handlerReturned = false;
  QTimer::singleShot(0, [&] {
    QMessageBox box(QMessageBox::Warning, "Problem with Shortcut", "text", QMessageBox::Ok,
                    app.Dock());
    QTimer::singleShot(0, [&] { app.Terminate(notices); });
    box.exec();
    // The handler carries on with the window it belongs to.
    app.Dock()->update();
    handlerReturned = app.Dock()->isHidden();
  });
  QApplication::exec();
  EXPECT_TRUE(handlerReturned);
  EXPECT_TRUE(app.exited());
  Tables saved = MakeTables();
  ASSERT_TRUE(LoadMenuFile(saved, {state.paths.MenuFile, files}));
  EXPECT_EQ(saved.Shortcuts[300].Title.Get(), "made before the end");
  EXPECT_TRUE(std::filesystem::exists(state.paths.SettingsFile));
}

// With a folder where the twin belongs the save at exit cannot be whole: the file itself is
// still saved, the failure goes to the notices (nothing waits for a click), and the program ends.
TEST_F(LauncherTest, FailingSaveOnTerminationIsReportedWithoutWaiting) {
  Launcher app(platform, shape, hotKeys, trayHosts);
  ASSERT_TRUE(app.Start());
  const std::string menu = app.state().paths.MenuFile;
  std::filesystem::remove(menu + ".bak");
  std::filesystem::create_directory(menu + ".bak");
  app.state().tables.Shortcuts[300].Title = "kept";
  const std::size_t boxesBefore = messages.shown.size();
  QTimer::singleShot(0, [&] { app.Terminate(notices); });
  QApplication::exec();
  EXPECT_EQ(messages.shown.size(), boxesBefore);
  ASSERT_EQ(notices.shown.size(), 1u);
  EXPECT_NE(notices.shown[0].text.find(menu), std::string::npos);
  Tables saved = MakeTables();
  ASSERT_TRUE(LoadMenuFile(saved, {menu, files}));
  EXPECT_EQ(saved.Shortcuts[300].Title.Get(), "kept");
}

// With Auto-Hide on, the settings window opened by the centre's "Settings" command (or the tray,
// or a request) shows its changes on the dock: the command's own end does not hide the dock, nor
// does the idle timer while the window is open; once it closes, the dock hides again.
TEST_F(LauncherTest, TheSettingsWindowKeepsAnAutoHidingDockShownWhileItIsOpen) {
  Launcher app(platform, shape, hotKeys, trayHosts);
  ASSERT_TRUE(app.Start());
  AppState& s = app.state();
  s.settings.Record.AutoHide = 1;
  CommandContext commands = app.Commands();
  ExecuteBuiltIn(commands, kCmdSettings);
  ASSERT_NE(app.Settings()->Window(), nullptr);
  EXPECT_EQ(s.DockState, DockView::kShown);
  for (int tick = 0; tick < 10; ++tick) app.Dock()->OnTimer4();
  EXPECT_EQ(s.DockState, DockView::kShown);

  // Opened again while the dock had hidden itself, the dock comes back for the preview.
  app.Dock()->MinWindows(DockView::kHidden);
  app.Settings()->Show();
  EXPECT_EQ(s.DockState, DockView::kShown);

  app.Settings()->Window()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(app.Settings()->Window(), nullptr);
  app.Dock()->Timer4().start();
  for (int tick = 0; tick < 7; ++tick) app.Dock()->OnTimer4();
  EXPECT_EQ(s.DockState, DockView::kHidden);
}

// A document or address the opener gives up on a moment after it started is told in one
// message that says what and why; the launcher stops listening when it goes.
TEST_F(LauncherTest, AnOpeningThatFailsLaterIsToldWithItsReason) {
  {
    Launcher app(platform, shape, hotKeys, trayHosts);
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(launcher.lateFailures);
    const std::size_t before = messages.shown.size();
    launcher.lateFailures("http://www.example.org/", "no program for it was found");
    ASSERT_EQ(messages.shown.size(), before + 1);
    EXPECT_EQ(messages.shown.back().text,
              "No program on this system could open 'http://www.example.org/': no program for "
              "it was found.\r\n\r\nChoose a default program for such addresses in the "
              "desktop's settings and try again.");
  }
  EXPECT_FALSE(launcher.lateFailures);
}

}  // namespace
}  // namespace qav
