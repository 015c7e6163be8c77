#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

#include "core/store/settings_file.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/getting_started_dialog.h"
#include "gui/dialogs/input_dialog.h"
#include "platform/fake/fake_platform.h"
#include "support/real_files.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

// Runs `step` on the input box once it is up, then lets InputText return.
std::string RunInput(const std::string& caption, const std::string& initial,
                     const std::function<void(InputDialog&)>& step, bool* accepted = nullptr) {
  QTimer::singleShot(0, [&] {
    auto* box = dynamic_cast<InputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    step(*box);
  });
  return InputText("Enter the new user name.", caption, initial, nullptr, accepted);
}

void Press(QWidget& dialog, const char* button) {
  dialog.findChild<QPushButton*>(button)->click();
}

TEST(InputText, CaptionPromptAndTheAnswer) {
  QString caption;
  QString shown;
  bool accepted = false;
  EXPECT_EQ(RunInput(
                "", "Ann",
                [&](InputDialog& box) {
                  caption = box.windowTitle();
                  shown = box.Field().selectedText();
                  box.Field().setText("Bea");
                  Press(box, "CmdInput0");
                },
                &accepted),
            "Bea");
  EXPECT_EQ(caption, "QAV Launcher Input");
  EXPECT_EQ(shown, "Ann");  // selected, ready to be typed over
  EXPECT_TRUE(accepted);

  EXPECT_EQ(RunInput(
                "Change User Name", "Ann",
                [&](InputDialog& box) {
                  caption = box.windowTitle();
                  box.Field().setText("Bea");
                  Press(box, "CmdInput1");
                },
                &accepted),
            "Ann");
  EXPECT_EQ(caption, "Change User Name");
  EXPECT_FALSE(accepted);
}

TEST(InputText, OnlyBlanksKeepTheInitialTextButStillClose) {
  bool accepted = false;
  EXPECT_EQ(RunInput(
                "", "Ann",
                [](InputDialog& box) {
                  box.Field().setText("   ");
                  QTest::keyClick(&box.Field(), Qt::Key_Return);
                },
                &accepted),
            "Ann");
  EXPECT_TRUE(accepted);
  // Surrounding blanks of a real answer are kept as typed.
  EXPECT_EQ(RunInput("", "Ann",
                     [](InputDialog& box) {
                       box.Field().setText(" Bea ");
                       box.CmdOKClick();
                     }),
            " Bea ");
}

TEST(GettingStartedDialog, PagesForwardAndBackWithinTheSix) {
  std::int16_t page = 4;
  GettingStartedDialog started(page, nullptr);
  auto* last = started.findChild<QPushButton*>("Cmd0");
  auto* next = started.findChild<QPushButton*>("Cmd1");
  EXPECT_EQ(started.Page(), 4);
  EXPECT_TRUE(last->isEnabled());
  EXPECT_TRUE(next->isEnabled());
  // Only the page on show holds its picture, and it is the right one.
  const auto pictured = [&started] {
    std::vector<QString> names;
    for (auto* label : started.findChildren<QLabel*>(QRegularExpression("^PicStarted\\d$"))) {
      if (!label->pixmap().isNull()) names.push_back(label->objectName());
    }
    return names;
  };
  EXPECT_EQ(pictured(), std::vector<QString>{"PicStarted4"});
  next->click();
  EXPECT_EQ(page, 5);  // the search's page, the last
  EXPECT_EQ(pictured(), std::vector<QString>{"PicStarted5"});
  EXPECT_FALSE(next->isEnabled());
  for (int i = 0; i < 6; ++i) started.CmdClick(0);
  EXPECT_EQ(page, 0);
  EXPECT_FALSE(last->isEnabled());
  EXPECT_TRUE(next->isEnabled());

  std::int16_t outOfRange = 9;
  GettingStartedDialog reset(outOfRange, nullptr);
  EXPECT_EQ(reset.Page(), 0);
  EXPECT_FALSE(reset.findChild<QPushButton*>("Cmd0")->isEnabled());
}

struct SettingsOnDisk {
  bool Write() { return WriteSettingsFile(settings, user, Context()).Ok(); }
  std::int16_t ReadPage() {
    Settings read;
    ShortcutRecord readUser;
    (void)ReadSettingsFile(read, readUser, Context());
    return read.Record.StartedPage;
  }
  SettingsFileContext Context() {
    return {dir / "settings.dat", dir / "user.png", screen, files, [](bool) { return true; }};
  }
  test::TempDir dir;
  Settings settings;
  ShortcutRecord user;
  ScreenMetrics screen = [] {
    ScreenMetrics m;
    m.ScreenWidth = 1366;
    m.ScreenHeight = 768;
    return m;
  }();
  test::RealFiles files;
};

TEST(GettingStartedDialog, ClosingStoresThePageOrThatItStaysClosed) {
  SettingsOnDisk disk;
  std::int16_t& page = disk.settings.Record.StartedPage;
  page = 1;
  {
    GettingStartedDialog started(page, [&] { disk.Write(); });
    started.CmdClick(1);
    started.CmdClick(1);
    started.CmdClick(2);
  }
  EXPECT_EQ(disk.ReadPage(), 3);
  {
    GettingStartedDialog started(page, [&] { disk.Write(); });
    EXPECT_EQ(started.Page(), 3);
    started.DontShowAgain().setChecked(true);
    started.reject();  // Esc or the title bar
  }
  EXPECT_EQ(page, kStartedOff);
  EXPECT_EQ(disk.ReadPage(), kStartedOff);
}

TEST(AboutDialog, ShowsVersionAndSystemAndOpensItsLinks) {
  std::vector<std::string> opened;
  AboutDialog about(
      {1, 4, 12, "Debian GNU/Linux 12", [&](const std::string& a) { opened.push_back(a); }});
  EXPECT_EQ(about.windowTitle(), "About QAV Launcher");
  EXPECT_EQ(about.findChild<QLabel*>("LabAbout")->text(),
            "QAV Launcher  1.4.12\n\nA Powerful Application Launcher");
  EXPECT_EQ(about.findChild<QLabel*>("LabOS")->text(), "Debian GNU/Linux 12");
  Press(about, "LabHome0");
  Press(about, "LabHome1");
  EXPECT_EQ(opened, std::vector<std::string>({kSupportAddress, kHomeAddress}));
}

// Screen readers and test drivers find every control by its name.
TEST(SmallDialogs, EveryControlHasAnAccessibleName) {
  std::int16_t page = 0;
  GettingStartedDialog started(page, nullptr);
  AboutDialog about({1, 0, 0, "Linux", nullptr});
  InputDialog input("Prompt", "", "x");
  for (QWidget* dialog : std::initializer_list<QWidget*>{&started, &about, &input}) {
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
      if (control->focusPolicy() == Qt::NoFocus || control->objectName().isEmpty()) continue;
      EXPECT_FALSE(control->accessibleName().isEmpty())
          << dialog->windowTitle().toStdString() << ": " << control->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace qav
