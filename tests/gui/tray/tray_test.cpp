#include "gui/tray/tray_icon.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTest>

#include <filesystem>

#include "gui/dock/dock_fixture.h"
#include "gui/group_menu/group_menu_window.h"
#include "gui/tray/product_site.h"
#include "platform/fake/fake_hot_keys.h"
#include "platform/fake/fake_tray_hosts.h"

namespace qav {
namespace {

using platform::HotKey;

// The dock and its windows as the tray drives them: the real dock and group menu underneath,
// with the calls noted in order.
class RecordingTargets final : public DockControl, public Dialogs, public HotKeyDock {
 public:
  RecordingTargets(DockWindow& dock, AppState& state) : dock_(dock), state_(state) {}
  void EscCancel() override { dock_.EscCancel(); }
  void MinWindows(DockView newState) override {
    calls.push_back("min " + std::to_string(static_cast<int>(newState)));
    dock_.MinWindows(newState);
  }
  void DockFocus(bool show) override { calls.push_back(show ? "focus" : "unfocus"); }
  void DockNormal() override { calls.push_back("normal"); }
  bool DockHidden() override { return state_.DockHidden; }
  void SetAnimateShowHide(bool animate) override { state_.AnimateShowHide = animate; }
  bool AnimateShowHide() override { return state_.AnimateShowHide; }
  void ExitApplication() override { calls.push_back("exit"); }
  void AltSpace() override {
    calls.push_back("altspace");
    dock_.AltSpace();
  }
  void SendToBottom() override { calls.push_back("bottom"); }
  void ShowSettings() override { calls.push_back("settings"); }
  void ShowAbout() override { calls.push_back("about"); }
  std::optional<std::string> OpenFile(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string& caption,
                                      const std::string&) override {
    calls.push_back("input " + caption);
    return userName;
  }
  void RunBox() override {}

  std::vector<std::string> calls;
  std::optional<std::string> userName;

 private:
  DockWindow& dock_;
  AppState& state_;
};

class MenuAdapter final : public GroupMenuRequests {
 public:
  explicit MenuAdapter(std::unique_ptr<GroupMenuWindow>& menu) : menu_(menu) {}
  void MenuFocus(bool show, int slot) override { menu_->MenuFocus(show, slot); }
  bool MenuShown() override { return menu_->MenuShown(); }
  void MenuEscCancel(bool keepFocus) override { menu_->EscCancel(keepFocus); }
  bool MenuBusy() override { return menu_->MenuBusy(); }
  void MenuRefresh() override { menu_->MenuRefresh(); }

 private:
  std::unique_ptr<GroupMenuWindow>& menu_;  // made after the adapter
};

class CountingClock final : public FrameClock {
 public:
  void Sleep(int) override {}
  void ProcessEvents() override { ++runs; }
  int runs = 0;
};

class TrayTest : public ::testing::Test, protected test::DockFixture {
 protected:
  TrayTest() {
    state.tables.Shortcuts[5].Kind = kKindGroup;
    state.tables.Groups[5].Members[1] = 300;
    state.tables.Groups[5].MemberCount = 1;
    Shortcut(300, kKindMember, "/bin/member");
    menu = std::make_unique<GroupMenuWindow>(state, images, GroupMenuServices());
  }
  ~TrayTest() override {
    tray.reset();
    menu.reset();
  }
  MenuServices GroupMenuServices() {
    return {platform, [this] { return Context(); },
            pictures, services,
            services, services,
            services, nullptr,
            nullptr};
  }
  CommandContext Context() {
    return {state, platform, pictures, targets, targets, services, [](int) {}};
  }
  TrayIcon& Tray() {
    tray = std::make_unique<TrayIcon>(TrayServices{
        state, hotKeys, trayHosts, [this] { return Context(); }, targets, groupMenu, clock});
    tray->PutUpIcon();
    return *tray;
  }
  std::vector<std::string> Captions(QMenu& m) {
    std::vector<std::string> captions;
    for (QAction* a : m.actions())
      captions.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    return captions;
  }

  RecordingTargets targets{*dock, state};
  std::unique_ptr<GroupMenuWindow> menu;
  MenuAdapter groupMenu{menu};
  platform::fake::FakeHotKeys hotKeys;
  platform::fake::FakeTrayHosts trayHosts;
  CountingClock clock;
  std::unique_ptr<TrayIcon> tray;
};

TEST_F(TrayTest, MenuEntriesInOrderAndWhatEachOpens) {
  TrayIcon& t = Tray();
  EXPECT_EQ(t.Icon(), nullptr);  // no tray yet
  trayHosts.Arrive();
  QSystemTrayIcon* icon = t.Icon();
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(icon->isVisible());
  EXPECT_EQ(icon->contextMenu(), &t.Menu().Menu());
  EXPECT_EQ(icon->toolTip(), TrayIcon::ToolTip());
  trayHosts.Arrive();  // the tray restarted: the same one icon, put up again
  EXPECT_EQ(t.Icon(), icon);
  EXPECT_TRUE(icon->isVisible());
  EXPECT_EQ(t.findChildren<QSystemTrayIcon*>().size(), 1);
  EXPECT_EQ(
      Captions(t.Menu().Menu()),
      (std::vector<std::string>{"&Change User Icon", "&Settings", "&About QAV Launcher", "-",
                                "&Visit Our Official Website", "&Online Help", "-", "&Exit"}));
  const QList<QAction*> entries = t.Menu().Menu().actions();
  entries[1]->trigger();
  entries[2]->trigger();
  EXPECT_TRUE(targets.calls.empty()) << "an entry runs once the menu's event has returned";
  QCoreApplication::processEvents();
  EXPECT_EQ(targets.calls, (std::vector<std::string>{"settings", "about"}));
  entries[4]->trigger();
  entries[5]->trigger();
  QCoreApplication::processEvents();
  ASSERT_EQ(launcher.opened.size(), 2u);
  EXPECT_EQ(launcher.opened[0], kProductSite.index);
  EXPECT_EQ(launcher.opened[1], kProductSite.faq);
  EXPECT_TRUE(launcher.opened[1].starts_with(kProductSite.home));
  EXPECT_TRUE(messages.shown.empty());
  // Where nothing opens web pages, the entry says so instead of doing nothing.
  launcher.accept = false;
  entries[4]->trigger();
  QCoreApplication::processEvents();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(
      messages.shown[0].text.rfind(
          "No program on this system could open '" + std::string(kProductSite.index) + "'.", 0),
      0u);
  launcher.accept = true;

  targets.calls.clear();
  targets.userName = "  Bea  ";
  entries[0]->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(state.tables.Shortcuts[kUserRecord].Title.Get(), "Bea");
  EXPECT_EQ(services.menuSaves, 1);

  const QStringList lines = TrayIcon::ToolTip().split("\r\n");
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith("QAV Launcher "));
  EXPECT_EQ(lines[1], kProductSite.home);
}

// The launcher puts the icon up once the dock is drawn; until then a running tray is not asked.
TEST_F(TrayTest, TheIconWaitsForPutUpIconAndComesOnce) {
  trayHosts.available = true;
  tray = std::make_unique<TrayIcon>(TrayServices{
      state, hotKeys, trayHosts, [this] { return Context(); }, targets, groupMenu, clock});
  EXPECT_EQ(tray->Icon(), nullptr);
  tray->PutUpIcon();
  QSystemTrayIcon* icon = tray->Icon();
  ASSERT_NE(icon, nullptr);
  tray->PutUpIcon();
  EXPECT_EQ(tray->Icon(), icon);
  EXPECT_EQ(tray->findChildren<QSystemTrayIcon*>().size(), 1);
}

TEST_F(TrayTest, ExitLetsAShownDockGoFirst) {
  TrayIcon& t = Tray();
  t.Menu().Exit();
  EXPECT_EQ(targets.calls, (std::vector<std::string>{"unfocus", "exit"}));
  EXPECT_EQ(clock.runs, 1);
  targets.calls.clear();
  dock->MinWindows(DockView::kMinimized);
  t.Menu().Exit();
  EXPECT_EQ(targets.calls, (std::vector<std::string>{"exit"}));
  EXPECT_EQ(clock.runs, 1);
}

TEST_F(TrayTest, AltSpaceClosesAnOpenMenuWithoutItsFadeThenHidesOnTheSecondPress) {
  Tray();
  state.AnimateShowHide = true;
  menu->MenuFocus(true, 5);
  ASSERT_TRUE(menu->MenuShown());
  const int menuPushes = menu->PushCount();
  hotKeys.Press(HotKey::kFocus);
  EXPECT_FALSE(menu->MenuShown());
  EXPECT_EQ(menu->PushCount() - menuPushes, 1);  // cleared at once: no fade frames
  EXPECT_TRUE(state.TintMode);
  EXPECT_EQ(state.DockState, DockView::kShown);
  EXPECT_TRUE(state.AnimateShowHide);  // put back afterwards

  const int dockPushes = dock->PushCount();
  hotKeys.Press(HotKey::kFocus);
  EXPECT_EQ(state.DockState, DockView::kHidden);
  EXPECT_FALSE(state.TintMode);
  EXPECT_EQ(dock->PushCount() - dockPushes, 1);  // hidden at once, not faded
  EXPECT_TRUE(state.AnimateShowHide);

  hotKeys.Press(HotKey::kFocus);  // from hidden: back up in keyboard mode
  EXPECT_EQ(state.DockState, DockView::kShown);
  EXPECT_TRUE(state.TintMode);
  EXPECT_EQ(targets.calls, (std::vector<std::string>{"altspace", "min 2", "altspace"}));
}

TEST_F(TrayTest, CtrlTabMinimizesAndWhenMinimizedOnlyRestacks) {
  Tray();
  hotKeys.Press(HotKey::kMinimize);
  EXPECT_EQ(state.DockState, DockView::kMinimized);
  const int pushes = dock->PushCount();
  targets.calls.clear();
  hotKeys.Press(HotKey::kMinimize);
  EXPECT_EQ(state.DockState, DockView::kMinimized);
  EXPECT_EQ(dock->PushCount(), pushes);
  EXPECT_EQ(targets.calls, (std::vector<std::string>{"min 1", "bottom"}));

  hotKeys.Press(HotKey::kSwitch);  // a minimized dock is not hidden: the switch hides it
  EXPECT_EQ(state.DockState, DockView::kHidden);
  hotKeys.Press(HotKey::kSwitch);
  EXPECT_EQ(state.DockState, DockView::kShown);
}

TEST_F(TrayTest, HotKeysComeFirstAndGoLastAndAHeldOneIsReported) {
  hotKeys.heldElsewhere = {HotKey::kMinimize};
  trayHosts.available = true;
  TrayIcon& t = Tray();
  EXPECT_EQ(t.RefusedHotKeys(), std::vector<HotKey>{HotKey::kMinimize});
  hotKeys.Press(HotKey::kMinimize);  // another program's now
  EXPECT_EQ(state.DockState, DockView::kShown);
  hotKeys.Press(HotKey::kSwitch);  // the others work
  EXPECT_EQ(state.DockState, DockView::kHidden);

  t.Icon()->activated(QSystemTrayIcon::Trigger);  // a left click on the icon
  EXPECT_EQ(state.DockState, DockView::kShown);
  EXPECT_TRUE(state.TintMode);

  const platform::HotKeyBindings defaults = platform::DefaultHotKeys();
  const std::string notice = TrayIcon::RefusedNotice(t.RefusedHotKeys(), defaults);
  EXPECT_NE(notice.find("Ctrl+Tab"), std::string::npos);
  EXPECT_EQ(notice.find("Alt+Space"), std::string::npos);
  EXPECT_NE(notice.find("Keys page of the settings"), std::string::npos);
  EXPECT_NE(TrayIcon::RefusedNotice({HotKey::kSwitch, HotKey::kMinimize}, defaults)
                .find("Shift+Tab and Ctrl+Tab"),
            std::string::npos);
  EXPECT_TRUE(TrayIcon::RefusedNotice({}, defaults).empty());

  tray.reset();
  EXPECT_EQ(hotKeys.events, (std::vector<std::string>{"install", "remove"}));
}

TEST_F(TrayTest, WithoutATrayTheNoticeIsAMessageThatDoesNotWait) {
  hotKeys.heldElsewhere = {HotKey::kFocus};
  Tray();
  QTest::qWait(1700);
  QMessageBox* box = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) box = b;
  }
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->isModal());
  // Held by the window manager, Alt+Space has three ways out, each named.
  EXPECT_TRUE(box->text().contains("Alt+Space"));
  EXPECT_TRUE(box->text().contains("window manager"));
  EXPECT_TRUE(box->text().contains("tray icon"));
  EXPECT_TRUE(box->text().contains("qav-launcher --keyboard"));
  EXPECT_TRUE(box->text().contains("Keys page of the settings"));
  box->close();
}

// The user's own combinations come from the hot-key file at the start; lines that cannot be
// used are told, and their actions keep the usual keys. Changed later, they are taken at once.
TEST_F(TrayTest, TheHotKeyFileChoosesTheCombinationsAndBadLinesAreTold) {
  state.paths.HotKeyFile = home / "config/hot-keys.conf";
  std::filesystem::create_directories(home / "config");
  test::WriteText(state.paths.HotKeyFile,
                  "# mine\nminimize = Ctrl+Alt+M\nswitch = none\nkeyboard = Shift+K\n");
  TrayIcon& t = Tray();
  platform::HotKeyBindings expected = platform::DefaultHotKeys();
  expected[2] = platform::KeyCombination{platform::kCtrl | platform::kAlt, "M"};
  expected[1].reset();
  EXPECT_EQ(hotKeys.bindings, expected);
  EXPECT_EQ(hotKeys.taken, (std::vector<HotKey>{HotKey::kFocus, HotKey::kMinimize}));
  QTest::qWait(1700);
  QMessageBox* box = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) box = b;
  }
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->text().contains("line 4 (keyboard = Shift+K)"));
  box->close();

  expected[1] = platform::KeyCombination{platform::kSuper, "F5"};
  EXPECT_TRUE(t.ApplyHotKeys(expected).empty());
  EXPECT_EQ(hotKeys.bindings, expected);
  EXPECT_EQ(hotKeys.taken.size(), 3u);
}

// In the program's own dialogs the combinations are the dialog's keys (Shift+Tab moves the focus
// back): the hot keys are given back while one has the keyboard.
TEST_F(TrayTest, TheHotKeysPauseWhileOneOfTheProgramsDialogsHasTheKeyboard) {
  Tray();
  QDialog dialog;
  dialog.show();
  dialog.activateWindow();
  QTRY_VERIFY(hotKeys.paused);
  hotKeys.Press(HotKey::kSwitch);
  EXPECT_EQ(state.DockState, DockView::kShown);
  dialog.hide();
  dock->activateWindow();
  QTRY_VERIFY(!hotKeys.paused);
  // A dialog deleted while it has the keyboard gives the keys back too, though the focus may
  // move on without a word.
  auto* closing = new QDialog;
  closing->setAttribute(Qt::WA_DeleteOnClose);
  closing->show();
  closing->activateWindow();
  QTRY_VERIFY(hotKeys.paused);
  closing->close();
  QTRY_VERIFY(!hotKeys.paused);
}

}  // namespace
}  // namespace qav
