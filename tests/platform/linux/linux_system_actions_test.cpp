#include "platform/linux/linux_system_actions.h"

#include <gtest/gtest.h>

#include <QDBusObjectPath>
#include <filesystem>

#include "platform/linux/fake_commands.h"
#include "support/temp_dir.h"

namespace qav::platform {
namespace {

namespace fs = std::filesystem;

class SystemActionsTest : public ::testing::Test {
 protected:
  LinuxSystemActions Actions() {
    return LinuxSystemActions(machine.Commands(), bus, nullptr, "/home/ann/.local/share/Trash");
  }
  void WriteEntry(const std::string& path, const std::string& exec) {
    fs::create_directories(fs::path(path).parent_path());
    test::WriteText(path, "[Desktop Entry]\nName=X\nExec[de]=wrong\nExec=" + exec + "\n");
  }
  std::string Browser() { return Actions().DefaultProgram(DefaultProgramKind::kWebBrowser); }
  std::string Mail() { return Actions().DefaultProgram(DefaultProgramKind::kMail); }

  test::TempDir dir;
  test::FakeMachine machine{
      {},
      {},
      {{"XDG_DATA_HOME", dir / "home"}, {"XDG_DATA_DIRS", dir / "local" + ":" + dir / "usr"}},
      {},
      {}};
  std::vector<LogindCall> sent;
  std::optional<QVariant> session;
  bool busUp = true;
  LogindBus bus{[this](const LogindCall&) { return session; },
                [this](const LogindCall& call) {
                  sent.push_back(call);
                  return busUp;
                }};
};

TEST_F(SystemActionsTest, DefaultProgramResolvesTheDesktopEntryOnPath) {
  EXPECT_EQ(Browser(), "");  // nothing set
  machine.outputs["xdg-settings get default-web-browser"] = "kde-konqueror.desktop\n";
  machine.programs = {"konqueror", "/opt/mail app/run"};
  WriteEntry(dir / "usr/applications/kde/konqueror.desktop", "env GTK_THEME=Adwaita konqueror %u");
  EXPECT_EQ(Browser(), "/usr/bin/konqueror");

  // The user's own entries come before the system's.
  WriteEntry(dir / "home/applications/kde-konqueror.desktop", "missing-browser %u");
  EXPECT_EQ(Browser(), "");

  machine.outputs.erase("xdg-settings get default-web-browser");
  machine.outputs["xdg-mime query default x-scheme-handler/http"] = "firefox.desktop\n";
  machine.programs.insert("firefox");
  WriteEntry(dir / "local/applications/firefox.desktop", "firefox %u");
  EXPECT_EQ(Browser(), "/usr/bin/firefox");

  machine.outputs["xdg-mime query default x-scheme-handler/mailto"] = "mail.desktop";
  WriteEntry(dir / "usr/applications/mail.desktop", R"("/opt/mail app/run" -compose "%u")");
  EXPECT_EQ(Mail(), "/opt/mail app/run");
}

TEST_F(SystemActionsTest, PagesOpenWithTheFirstProgramOfTheirDesktop) {
  const auto opened = [this](const char* desktop, SystemPage page) {
    machine.environment["XDG_CURRENT_DESKTOP"] = desktop;
    machine.started.clear();
    const bool ok = Actions().OpenPage(page);
    return ok ? machine.started.back() : std::string("none");
  };
  machine.programs = {"gnome-control-center",  "kcmshell5", "xfce4-display-settings",
                      "system-config-printer", "xdg-open",  "nemo"};
  EXPECT_EQ(opened("ubuntu:GNOME", SystemPage::kScreenResolution),
            "/usr/bin/gnome-control-center display");
  EXPECT_EQ(opened("KDE", SystemPage::kScreenResolution), "/usr/bin/kcmshell5 kcm_kscreen");
  EXPECT_EQ(opened("XFCE", SystemPage::kScreenResolution), "/usr/bin/xfce4-display-settings");
  EXPECT_EQ(opened("XFCE", SystemPage::kPrinters), "/usr/bin/system-config-printer");
  EXPECT_EQ(opened("X-Cinnamon", SystemPage::kWorkgroup), "/usr/bin/nemo network:///");
  EXPECT_EQ(opened("i3", SystemPage::kTrash),
            "/usr/bin/xdg-open /home/ann/.local/share/Trash/files");
  EXPECT_EQ(opened("i3", SystemPage::kControlPanel), "none");  // GNOME's centre is not tried
  EXPECT_EQ(opened("MATE", SystemPage::kSearch), "none");

  EXPECT_EQ(DesktopFromXdg("Budgie:GNOME"), DesktopKind::kBudgie);
  EXPECT_EQ(DesktopFromXdg("x-cinnamon"), DesktopKind::kCinnamon);
  EXPECT_EQ(DesktopFromXdg(""), DesktopKind::kOther);
}

TEST_F(SystemActionsTest, InternetOptionsOpenTheBrowsersOwnSettings) {
  machine.outputs["xdg-settings get default-web-browser"] = "browser.desktop";
  WriteEntry(dir / "usr/applications/browser.desktop", "firefox-esr %u");
  machine.programs = {"firefox-esr"};
  EXPECT_TRUE(Actions().OpenPage(SystemPage::kInternetOptions));
  EXPECT_EQ(machine.started.back(), "/usr/bin/firefox-esr about:preferences");

  WriteEntry(dir / "usr/applications/browser.desktop", "dillo %u");
  machine.programs = {"dillo"};
  EXPECT_FALSE(Actions().OpenPage(SystemPage::kInternetOptions));
}

TEST_F(SystemActionsTest, PowerAsksLogindInteractivelyForTheCallersSession) {
  LinuxSystemActions actions = Actions();
  EXPECT_TRUE(actions.Power(PowerAction::kShutDown));
  ASSERT_EQ(sent.size(), 1U);
  EXPECT_EQ(sent[0].method, "PowerOff");
  EXPECT_EQ(sent[0].interface, "org.freedesktop.login1.Manager");
  EXPECT_EQ(sent[0].arguments, QVariantList{true});

  session = QVariant::fromValue(QDBusObjectPath("/org/freedesktop/login1/session/_32"));
  EXPECT_TRUE(actions.Power(PowerAction::kLogOff));
  EXPECT_EQ(sent.back().path + " " + sent.back().method,
            "/org/freedesktop/login1/session/_32 Terminate");
  session.reset();
  EXPECT_TRUE(actions.Power(PowerAction::kLock));
  EXPECT_EQ(sent.back().path + " " + sent.back().method,
            "/org/freedesktop/login1/session/auto Lock");

  busUp = false;
  EXPECT_FALSE(actions.Power(PowerAction::kSleep));
  EXPECT_FALSE(actions.MonitorOff());
}

}  // namespace
}  // namespace qav::platform
