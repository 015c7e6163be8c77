#include "gui/dialogs/file_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

#include <string>

#include "platform/fake/fake_platform.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

TEST(FileDialog, FiltersBecomeQtFiltersPairByPair) {
  EXPECT_EQ(QtFileFilter("*.bak|*.bak|*.*|*.*"), "*.bak (*.bak);;*.* (*)");
  // Names without a dot (programs) are shown wherever "*.*" is offered.
  EXPECT_EQ(QtFileFilter("*.lnk;*.exe;*.*|*.lnk;*.exe;*.*"), "*.lnk;*.exe;*.* (*.lnk *.exe *)");
  EXPECT_EQ(QtFileFilter("Pictures|*.bmp;*.png"), "Pictures (*.bmp *.png)");
  EXPECT_EQ(QtFileFilter("*.exe"), "*.exe (*.exe)");
  EXPECT_EQ(QtFileFilter(""), "");
}

TEST(FileDialog, OverlongProposedNameIsRefusedWithItsMessageAndNoDialog) {
  platform::fake::RecordingMessageBoxes messages;
  QtFileDialogs dialogs(messages);
  platform::FileDialogRequest request;
  request.save = true;
  request.initialName = std::string(261, 'a');
  // A dialog that opened would block this test; none may appear.
  EXPECT_EQ(dialogs.ShowFileDialog(request), "");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Filename Length Overflow");
  EXPECT_EQ(messages.shown[0].caption, "QAV Launcher - FileDialog Function");
  EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::kExclamation);

  // Characters, not bytes, count: 200 two-byte letters still fit.
  std::string cyrillic;
  for (int i = 0; i < 200; ++i) cyrillic += "\xD0\x96";
  EXPECT_FALSE(FileNameOverflows(cyrillic));
  EXPECT_FALSE(FileNameOverflows(std::string(260, 'a')));
  EXPECT_TRUE(FileNameOverflows(std::string(261, 'a')));
}

TEST(FileDialog, SaveDialogProposesTheNameAndReturnsTheChoice) {
  platform::fake::RecordingMessageBoxes messages;
  QtFileDialogs dialogs(messages);
  platform::FileDialogRequest request;
  request.save = true;
  request.title = "QAV Launcher - Backup Configuration";
  request.filter = "*.bak|*.bak|*.*|*.*";
  const test::TempDir folder;
  request.initialName = folder / "QAV Launcher Cfg.bak";
  QString seenTitle;
  QStringList seenFilters;
  QTimer::singleShot(0, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QFileDialog*>(widget);
      if (dialog == nullptr || !dialog->isVisible()) continue;
      seenTitle = dialog->windowTitle();
      seenFilters = dialog->nameFilters();
      static_cast<QDialog*>(dialog)->accept();
    }
  });
  EXPECT_EQ(dialogs.ShowFileDialog(request), request.initialName);
  EXPECT_EQ(seenTitle, "QAV Launcher - Backup Configuration");
  EXPECT_EQ(seenFilters, QStringList({"*.bak (*.bak)", "*.* (*)"}));
  EXPECT_TRUE(messages.shown.empty());
}

// What the open dialog shows first; it is then given `choice` (a file in the folder shown when
// relative) and accepted, or cancelled when `choice` is empty.
QString StartFolder(QtFileDialogs& dialogs, const platform::FileDialogRequest& request,
                    const QString& choice, std::string* chosen = nullptr) {
  QString shown;
  QTimer::singleShot(0, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QFileDialog*>(widget);
      if (dialog == nullptr || !dialog->isVisible()) continue;
      shown = dialog->directory().absolutePath();
      if (choice.isEmpty()) {
        dialog->reject();
      } else {
        dialog->selectFile(choice);
        static_cast<QDialog*>(dialog)->accept();
      }
    }
  });
  const std::string result = dialogs.ShowFileDialog(request);
  if (chosen) *chosen = result;
  return shown;
}

TEST(FileDialog, StartsAtHomeThenWhereTheLastFileWasChosenNeverInTheWorkingFolder) {
  platform::fake::RecordingMessageBoxes messages;
  QtFileDialogs dialogs(messages);
  const test::TempDir elsewhere;
  const QString started = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(elsewhere.path())));
  platform::FileDialogRequest request;
  request.title = "QAV Launcher - Restore Configuration";
  request.initialName = "QAV Launcher Cfg.bak";  // a proposed name without a folder
  EXPECT_EQ(StartFolder(dialogs, request, {}), QDir::homePath());

  const test::TempDir backups;
  test::WriteText(backups / "Cfg.bak", "cfg");
  std::string chosen;
  StartFolder(dialogs, request, QString::fromStdString(backups / "Cfg.bak"), &chosen);
  EXPECT_EQ(chosen, backups / "Cfg.bak");
  EXPECT_EQ(StartFolder(dialogs, request, {}),
            QDir(QString::fromStdString(backups.path())).absolutePath());
  // A folder the caller names still wins.
  request.initialName = elsewhere.path();
  EXPECT_EQ(StartFolder(dialogs, request, {}),
            QDir(QString::fromStdString(elsewhere.path())).absolutePath());
  QDir::setCurrent(started);
}

}  // namespace
}  // namespace qav
