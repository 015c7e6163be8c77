#include "core/remote/command_options.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "base/utf8_path.h"

namespace qav {
namespace {

struct OptionText {
  RemoteVerb verb;
  const char* description;
};

constexpr std::array<OptionText, 14> kOptions{{
    {RemoteVerb::kShow, "Show the running dock (starts one when none runs)."},
    {RemoteVerb::kKeyboard,
     "Bring the dock up in keyboard mode, as Alt+Space does (starts one when none runs)."},
    {RemoteVerb::kSearch,
     "Bring the dock up in keyboard mode with the search line, holding [text] if given."},
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
}};

constexpr const char* kDescription =
    "A ring-shaped application launcher. Without an option it starts the dock, or brings up\n"
    "the one that already runs. Each option acts on the running dock; the backup, restore and\n"
    "reset options work on the files directly when no dock runs.\n";

// The toolkit's own options, which the dock's toolkit reads and every start passes through.
struct ToolkitOption {
  const char* name;
  const char* value;  // how its value is written; nullptr when it takes none
  const char* description;
};

constexpr std::array<ToolkitOption, 14> kToolkitOptions{{
    {"-platform", "<name>", "The window system to use: xcb, wayland, offscreen..."},
    {"-platformpluginpath", "<path>", "Where to look for window system plugins."},
    {"-platformtheme", "<name>", "The desktop's look to follow."},
    {"-plugin", "<name>", "An input plugin to load."},
    {"-display", "<display>", "The X display to use (X11), instead of $DISPLAY."},
    {"-name", "<name>", "The program's instance name in its windows' class (X11)."},
    {"-qwindowgeometry", "<geometry>", "The first window's place and size."},
    {"-qwindowicon", "<file>", "The windows' icon."},
    {"-qwindowtitle", "<title>", "The first window's title."},
    {"-reverse", nullptr, "Lay the windows out right to left."},
    {"-session", "<id>", "Restore the given session."},
    {"-style", "<style>", "The widget style of the dialogs."},
    {"-stylesheet", "<file>", "A style sheet for the dialogs."},
    {"-widgetcount", nullptr, "Print the number of widgets left at the end."},
}};

constexpr std::size_t kNameColumn = 26;

std::string OptionName(const OptionText& option) {
  std::string name = "--" + std::string(VerbName(option.verb));
  if (VerbTakesFile(option.verb)) name += " <file>";
  if (VerbTakesText(option.verb)) name += " [text]";
  return name;
}

std::string Row(const std::string& name, const char* description) {
  std::string row = "  " + name;
  row.append(row.size() < kNameColumn ? kNameColumn - row.size() : 1, ' ');
  return row + description + "\n";
}

std::string HelpText() {
  std::string text = "Usage: qav-launcher [option]\n" + std::string(kDescription) + "\nOptions:\n";
  text += Row("-h, --help", "Print these options and end.");
  text += Row("--help-all", "Print these options and the toolkit's own, and end.");
  text += Row("-v, --version", "Print the version and end.");
  for (const OptionText& option : kOptions) text += Row(OptionName(option), option.description);
  return text;
}

std::string HelpAllText() {
  std::string text = HelpText() + "\nThe toolkit's options (Qt's), passed on to the dock:\n";
  for (const ToolkitOption& option : kToolkitOptions) {
    const std::string name =
        option.value ? std::string(option.name) + " " + option.value : std::string(option.name);
    text += Row(name, option.description);
  }
  return text;
}

// The toolkit option `argument` names ("-name" or "--name"), if any.
const ToolkitOption* ToolkitOptionNamed(const std::string& argument) {
  const std::string single = argument.starts_with("--") ? argument.substr(1) : argument;
  for (const ToolkitOption& option : kToolkitOptions) {
    if (single == option.name) return &option;
  }
  return nullptr;
}

std::string VersionText() {
  return "QAV Launcher " + std::to_string(QAV_VERSION_MAJOR) + "." +
         std::to_string(QAV_VERSION_MINOR) + "." + std::to_string(QAV_VERSION_PATCH) + "\n";
}

CommandLine Ends(int status, std::string text) {
  return {status, std::move(text), std::nullopt};
}

// One line on standard error, in the shape other command-line programs use.
CommandLine Refuse(const std::string& why) {
  return Ends(2, "qav-launcher: " + why + " (see --help)\n");
}

// The file as the dock will find it from any folder; the separators of the system.
std::string Absolute(const std::string& file) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(platform::PathFromUtf8(file), error);
  if (error) path = platform::PathFromUtf8(file);
  return platform::Utf8FromPath(path.make_preferred());
}

struct Word {
  std::string name;                  // without its leading dashes
  std::optional<std::string> value;  // given after "="
};

// "--name", "--name=value"; nothing for a word that is no option.
std::optional<Word> OptionWord(const std::string& argument) {
  if (!argument.starts_with("--") || argument.size() == 2) return std::nullopt;
  const std::string body = argument.substr(2);
  const auto equals = body.find('=');
  if (equals == std::string::npos) return Word{body, std::nullopt};
  return Word{body.substr(0, equals), body.substr(equals + 1)};
}

}  // namespace

CommandLine ParseArguments(const std::vector<std::string>& arguments) {
  CommandLine command;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "-h" || argument == "--help") return Ends(0, HelpText());
    if (argument == "--help-all") return Ends(0, HelpAllText());
    if (argument == "-v" || argument == "--version") return Ends(0, VersionText());
    // The toolkit's own, with its value, is the toolkit's business.
    if (const ToolkitOption* toolkit = ToolkitOptionNamed(argument)) {
      if (toolkit->value && ++i >= arguments.size()) {
        return Refuse(argument + " needs a value");
      }
      continue;
    }
    const auto word = OptionWord(argument);
    if (!word) {
      if (argument.starts_with("-")) return Refuse("unknown option " + argument);
      return Refuse("unexpected argument " + argument);
    }
    const auto verb = VerbNamed(word->name);
    if (!verb) return Refuse("unknown option --" + word->name);
    if (command.request) return Refuse("give one option at a time");
    std::string file;
    if (VerbTakesFile(*verb)) {
      if (!word->value && i + 1 < arguments.size()) file = arguments[++i];
      if (word->value) file = *word->value;
      if (file.empty()) return Refuse("--" + word->name + " needs a file name");
      file = Absolute(file);
    } else if (VerbTakesText(*verb)) {
      // The text is the next word unless that is an option; "--search=-x" searches for "-x".
      if (word->value) {
        file = *word->value;
      } else if (i + 1 < arguments.size() && !arguments[i + 1].starts_with("-")) {
        file = arguments[++i];
      }
    } else if (word->value) {
      return Refuse("--" + word->name + " takes no value");
    }
    command.request = RemoteRequest{*verb, file};
  }
  return command;
}

RemoteRequest RequestOrSummon(const std::optional<RemoteRequest>& request) {
  return request.value_or(RemoteRequest{RemoteVerb::kKeyboard, {}});
}

}  // namespace qav
