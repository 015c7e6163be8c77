#include "gui/launcher/qt_dialogs.h"

#include "core/shortcuts/commands.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/dialogs/input_dialog.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>

namespace qav {

QtDialogs::QtDialogs(platform::ProgramLauncher& launcher, platform::MessageBoxes& messages,
                     std::string osName)
    : launcher_(launcher), messages_(messages), osName_(std::move(osName)), files_(messages) {}

void QtDialogs::ShowSettings() {
  if (openSettings_) openSettings_();
}

void QtDialogs::ShowAbout() {
  if (!about_) {
    about_ = new AboutDialog(
        {QAV_VERSION_MAJOR, QAV_VERSION_MINOR, QAV_VERSION_PATCH, osName_,
         [this](const std::string& address) { OpenOrTell(launcher_, messages_, address); }},
        owner_);
    about_->setAttribute(Qt::WA_DeleteOnClose);
    about_->setWindowModality(Qt::ApplicationModal);
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

std::optional<std::string> QtDialogs::OpenFile(const std::string& caption,
                                               const std::string& filter) {
  platform::FileDialogRequest request;
  request.title = caption;
  request.filter = filter;
  std::string file = files_.ShowFileDialog(request);
  if (file.empty()) return std::nullopt;
  return file;
}

std::optional<std::string> QtDialogs::InputBox(const std::string& prompt,
                                               const std::string& caption,
                                               const std::string& defaultText) {
  bool accepted = false;
  std::string text = InputText(prompt, caption, defaultText, owner_, &accepted);
  if (!accepted) return std::nullopt;
  return text;
}

// A typed command is split like a command line and started directly; a path or web address
// goes to its opener.
void QtDialogs::RunBox() {
  const auto typed =
      InputBox(QCoreApplication::translate("QtDialogs",
                                           "Type the name of a program, folder, document or "
                                           "Internet resource, and QAV Launcher will open it for "
                                           "you.")
                   .toStdString(),
               QCoreApplication::translate("QtDialogs", "Run").toStdString(), "");
  if (!typed) return;
  const QStringList words = QProcess::splitCommand(QString::fromStdString(*typed).trimmed());
  if (words.isEmpty()) return;
  std::vector<std::string> arguments;
  for (const QString& word : words.mid(1)) arguments.push_back(word.toStdString());
  if (!launcher_.Launch(
          {words.front().toStdString(), arguments, "", platform::WindowStyle::kNormal})) {
    QMessageBox::warning(owner_, QCoreApplication::translate("QtDialogs", "Run"),
                         QCoreApplication::translate("QtDialogs",
                                                     "QAV Launcher cannot find '%1'. Make sure "
                                                     "you typed the name correctly, and then try "
                                                     "again.")
                             .arg(words.front()));
  }
}

}  // namespace qav
