#include "startup/gui/qt_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>

namespace qav {

QtDialogs::QtDialogs(platform::ProgramLauncher& launcher, std::string osName)
    : launcher_(launcher), osName_(std::move(osName)) {}

std::string QtFileFilter(const std::string& filter) {
  std::string result;
  std::size_t start = 0;
  while (start < filter.size()) {
    const auto bar = filter.find('|', start);
    const auto next = bar == std::string::npos ? filter.size() : filter.find('|', bar + 1);
    const std::string label = filter.substr(start, bar == std::string::npos ? next : bar - start);
    std::string patterns =
        bar == std::string::npos ? label : filter.substr(bar + 1, next - bar - 1);
    for (char& c : patterns) {
      if (c == ';') c = ' ';
    }
    if (!result.empty()) result += ";;";
    result += label + " (" + patterns + ")";
    start = next == std::string::npos ? filter.size() : next + 1;
  }
  return result;
}

void QtDialogs::ShowSettings() {
  QMessageBox::information(owner_, "QAV Launcher",
                           "The settings window is not part of this version yet.");
}

void QtDialogs::ShowAbout() {
  QMessageBox::about(
      owner_, "About QAV Launcher",
      QStringLiteral("QAV Launcher  %1.%2.%3\n\nA Powerful Application Launcher\n\n%4")
          .arg(QAV_VERSION_MAJOR)
          .arg(QAV_VERSION_MINOR)
          .arg(QAV_VERSION_PATCH)
          .arg(QString::fromStdString(osName_)));
}

std::optional<std::string> QtDialogs::OpenFile(const std::string& caption,
                                               const std::string& filter) {
  const QString file = QFileDialog::getOpenFileName(owner_, QString::fromStdString(caption), {},
                                                    QString::fromStdString(QtFileFilter(filter)));
  if (file.isEmpty()) return std::nullopt;
  return file.toStdString();
}

std::optional<std::string> QtDialogs::InputBox(const std::string& prompt,
                                               const std::string& caption,
                                               const std::string& defaultText) {
  bool accepted = false;
  const QString text =
      QInputDialog::getText(owner_, QString::fromStdString(caption), QString::fromStdString(prompt),
                            QLineEdit::Normal, QString::fromStdString(defaultText), &accepted);
  if (!accepted) return std::nullopt;
  return text.toStdString();
}

// A typed command is split like a command line and started directly; a path or web address
// goes to its opener.
void QtDialogs::RunBox() {
  const auto typed = InputBox(
      "Type the name of a program, folder, document or Internet resource, and QAV Launcher will "
      "open it for you.",
      "Run", "");
  if (!typed) return;
  const QStringList words = QProcess::splitCommand(QString::fromStdString(*typed).trimmed());
  if (words.isEmpty()) return;
  std::vector<std::string> arguments;
  for (const QString& word : words.mid(1)) arguments.push_back(word.toStdString());
  if (!launcher_.Launch(
          {words.front().toStdString(), arguments, "", platform::WindowStyle::kNormal})) {
    QMessageBox::warning(owner_, "Run",
                         QStringLiteral("QAV Launcher cannot find '%1'. Make sure you typed the "
                                        "name correctly, and then try again.")
                             .arg(words.front()));
  }
}

}  // namespace qav
