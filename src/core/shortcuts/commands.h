#pragma once
// Starting what an item stands for: a shortcut's target, or one of the built-in commands
// (power, system pages, recycle bin, desktop and dock toggles, the user item).

#include <functional>
#include <optional>
#include <string>

#include "core/shortcuts/dock_control.h"
#include "core/shortcuts/item_pictures.h"
#include "core/state/app_state.h"
#include "platform/platform.h"

namespace qav {

// Saves the configuration files; implemented where their paths are known.
class ConfigurationSaver {
 public:
  virtual ~ConfigurationSaver() = default;
  virtual void SaveSettings() = 0;
  virtual void SaveMenu() = 0;
};

struct CommandContext {
  AppState& state;
  platform::Platform& platform;
  ItemPictures& pictures;
  DockControl& dock;
  Dialogs& dialogs;
  ConfigurationSaver& saver;
  std::function<void(int milliseconds)> sleep;
  std::string decimalPoint = ".";
  std::string thousands = ",";
};

// Starts the record's target with its arguments and window style. True when the system accepted
// it.
// A target that is gone is reported to the user; one that exists is handed to its default action
// once more.
bool LaunchShortcut(CommandContext& context, int record);

// Starts a file that is no item, as an item made of it would start: a desktop entry as the
// program it names (in a terminal when it asks for one), anything else with the desktop's
// opener. `title` names it in what the user is told. True when the system accepted it.
bool LaunchFile(CommandContext& context, const std::string& path, const std::string& title);

// A question a built-in command needs answered before it acts. `onlyYesGoesOn`: a closed box
// counts as No; otherwise only No stops it.
struct BuiltInQuestion {
  platform::MessageRequest request;
  bool onlyYesGoesOn = false;
};

// What running a built-in command came to: done, or waiting for the answer to `question`.
struct BuiltInOutcome {
  std::optional<BuiltInQuestion> question;
};

// Runs built-in command `commandId` (the record number of its catalog item). Emptying the
// recycle bin stops before it acts with the question to ask (only when the bin holds anything);
// the window asks it and calls FinishBuiltIn with the answer. The core never asks.
BuiltInOutcome ExecuteBuiltIn(CommandContext& context, int commandId);
// The rest of a command that stopped at its question: acts when `confirmed`, then ends as every
// command does.
void FinishBuiltIn(CommandContext& context, int commandId, bool confirmed);

// Between the dock and the plain desktop: hides the dock and shows the desktop's icons, or the
// other way round, without animating the dock.
void SwitchDesktop(CommandContext& context);

// Asks for a new user picture and user name (each may be cancelled on its own).
void ChangeUserNameAndIcon(CommandContext& context);

// Hides (true) or shows the desktop's icons where the desktop has them, keeping the setting and
// the toggle item's title in step.
void ShowDesktopIcons(CommandContext& context, bool hide);
void ShowTaskbar(CommandContext& context, bool hide);

// What the user is told when a document, folder or web address could not be opened: what it
// was, and `why` (the system's reason; empty when it gave none), with what to do about it.
FilledText CannotOpenText(const std::string& target, const std::string& why);
void TellCannotOpen(platform::MessageBoxes& messages, const std::string& target,
                    const std::string& why);
// Hands a document or web address to the desktop's default program; a refusal is told at once,
// a failure found later through the launcher's late failures.
void OpenOrTell(platform::ProgramLauncher& launcher, platform::MessageBoxes& messages,
                const std::string& target);

// Moves a dropped file into the recycle bin. True on success.
bool SendToRecycleBin(CommandContext& context, const std::string& path);

}  // namespace qav
