#include "startup/gui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <vector>

namespace qav {
namespace {

struct OptionText {
  RemoteVerb verb;
  const char* description;
};

const std::vector<OptionText>& Options() {
  static const std::vector<OptionText> options{
      {RemoteVerb::kShow, "Show the running dock (starts one when none runs)."},
      {RemoteVerb::kKeyboard,
       "Bring the dock up in keyboard mode, as Alt+Space does (starts one when none runs)."},
      {RemoteVerb::kSwitch, "Switch between the dock and the desktop, as Shift+Tab does."},
      {RemoteVerb::kMinimize, "Minimize the dock, as Ctrl+Tab does."},
      {RemoteVerb::kSettings, "Open the settings window (starts a dock when none runs)."},
      {RemoteVerb::kAbout, "Show the About window."},
      {RemoteVerb::kQuit, "End the running dock, saving its settings and shortcuts."},
      {RemoteVerb::kBackupConfig, "Back up the configuration (program settings) to <file>."},
      {RemoteVerb::kRestoreConfig, "Restore the configuration from <file>."},
      {RemoteVerb::kBackupIcons, "Back up all shortcuts and icons to <file>."},
      {RemoteVerb::kRestoreIcons, "Restore all shortcuts and icons from <file>."},
      {RemoteVerb::kResetSettings, "Reset the program settings to their defaults."},
      {RemoteVerb::kResetShortcuts, "Reset the shortcuts and icons to their defaults."},
  };
  return options;
}

QString OptionName(RemoteVerb verb) {
  const std::string_view name = VerbName(verb);
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

CommandLine Ends(int status, const QString& text) {
  return {status, text.toStdString(), std::nullopt};
}

// One line on standard error, in the shape other command-line programs use.
CommandLine Refuse(const QString& why) {
  return Ends(2, "qav-launcher: " + why + " (see --help)\n");
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "A ring-shaped application launcher. Without an option it starts the dock, or brings up "
      "the one that already runs. Each option acts on the running dock; the backup, restore and "
      "reset options work on the files directly when no dock runs.");
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  for (const OptionText& option : Options()) {
    const QString name = OptionName(option.verb);
    if (VerbTakesFile(option.verb)) {
      parser.addOption({name, option.description, "file"});
    } else {
      parser.addOption({name, option.description});
    }
  }
  if (!parser.parse(arguments)) return Refuse(parser.errorText());
  if (parser.isSet(help)) return Ends(0, parser.helpText());
  if (parser.isSet(version)) {
    return Ends(0, QCoreApplication::applicationName() + " " +
                       QCoreApplication::applicationVersion() + "\n");
  }
  if (!parser.positionalArguments().isEmpty()) {
    return Refuse("unexpected argument " + parser.positionalArguments().constFirst());
  }
  CommandLine command;
  for (const OptionText& option : Options()) {
    const QString name = OptionName(option.verb);
    if (!parser.isSet(name)) continue;
    if (command.request) return Refuse("give one option at a time");
    const QStringList values = parser.values(name);
    if (values.size() > 1) return Refuse("give one option at a time");
    std::string file;
    if (VerbTakesFile(option.verb)) {
      if (values.constFirst().isEmpty()) return Refuse("--" + name + " needs a file name");
      file =
          QDir::toNativeSeparators(QFileInfo(values.constFirst()).absoluteFilePath()).toStdString();
    }
    command.request = RemoteRequest{option.verb, file};
  }
  return command;
}

}  // namespace qav
