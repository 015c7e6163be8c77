#include "gui/dialogs/file_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QString>

#include <algorithm>

#include "gui/text/core_texts.h"

namespace qav {

namespace {

constexpr int kMaxNameCharacters = 260;

QFileDialog::FileMode ModeFor(const platform::FileDialogRequest& request) {
  return request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile;
}

// A proposed name that is a folder is where the dialog starts; anything else is the name shown,
// in the folder asked for, else `fallback`. A name with a folder of its own starts there.
void PlaceStart(QFileDialog& dialog, const platform::FileDialogRequest& request,
                const QString& fallback) {
  const QString folder = QString::fromStdString(request.initialFolder);
  dialog.setDirectory(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback);
  if (request.initialName.empty()) return;
  const QString initial = QString::fromStdString(request.initialName);
  if (const QFileInfo named(initial); named.isAbsolute() && named.isDir()) {
    dialog.setDirectory(initial);
  } else {
    dialog.selectFile(initial);
  }
}

// "*.*" means every file on Windows; here programs and many documents have no dot at all.
std::string AnyNameForAllFiles(const std::string& patterns) {
  std::string result;
  std::size_t start = 0;
  while (start <= patterns.size()) {
    const auto space = std::min(patterns.find(' ', start), patterns.size());
    const std::string pattern = patterns.substr(start, space - start);
    if (!result.empty()) result += ' ';
    result += pattern == "*.*" ? std::string("*") : pattern;
    start = space + 1;
  }
  return result;
}

}  // namespace

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
    patterns = AnyNameForAllFiles(patterns);
    if (!result.empty()) result += ";;";
    result += label + " (" + patterns + ")";
    start = next == std::string::npos ? filter.size() : next + 1;
  }
  return result;
}

bool FileNameOverflows(const std::string& initialName) {
  return QString::fromStdString(initialName).toUcs4().size() > kMaxNameCharacters;
}

std::string QtFileDialogs::ShowFileDialog(const platform::FileDialogRequest& request) {
  if (FileNameOverflows(request.initialName)) {
    messages_.Show(
        {QCoreApplication::translate("QtFileDialogs", "Filename Length Overflow").toStdString(),
         QCoreApplication::translate("QtFileDialogs", "QAV Launcher - FileDialog Function")
             .toStdString(),
         platform::MessageIcon::kExclamation});
    return {};
  }
  // The title is the core's or already translated by the window that asks.
  QFileDialog dialog(owner_, CoreText(request.title));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(ModeFor(request));
  // The callers ask their own question before replacing a file.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!request.filter.empty()) {
    dialog.setNameFilters(QString::fromStdString(QtFileFilter(request.filter)).split(";;"));
  }
  if (!request.defaultExtension.empty()) {
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  }
  const bool remembered = !lastFolder_.isEmpty() && QFileInfo(lastFolder_).isDir();
  PlaceStart(dialog, request, remembered ? lastFolder_ : QDir::homePath());
  dialog.setAccessibleName(dialog.windowTitle());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().front();
  lastFolder_ = QFileInfo(chosen).absolutePath();
  return QDir::toNativeSeparators(chosen).toStdString();
}

}  // namespace qav
