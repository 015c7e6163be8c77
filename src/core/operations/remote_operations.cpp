#include "core/operations/remote_operations.h"

#include <cstdio>

namespace qav {

platform::MessageAnswer CommandLineAnswers::Show(const platform::MessageRequest& request) {
  if (request.buttons != platform::MessageButtons::kOk) {
    return request.buttons == platform::MessageButtons::kYesNo ? platform::MessageAnswer::kYes
                                                               : platform::MessageAnswer::kOk;
  }
  lastTold_ = request.text;
  // The flows end some texts with a space meant for the message box.
  while (!lastTold_.empty() && lastTold_.back() == ' ') lastTold_.pop_back();
  return platform::MessageAnswer::kOk;
}

RemoteAnswer RunDataOperation(const RemoteRequest& request, BackupFlowContext& context,
                              CommandLineAnswers& told) {
  const std::string& file = request.argument;
  context.explain = [&told](const std::string& why) { told.Explain(why); };
  const auto explain = context.explain;
  bool ok = false;
  switch (request.verb) {
    case RemoteVerb::kBackupConfig:
      ok = ClearTarget(file, told, explain) && BackupConfiguration(file, context);
      break;
    case RemoteVerb::kBackupIcons:
      ok = ClearTarget(file, told, explain) && BackupShortcutsAndIcons(file, context);
      break;
    case RemoteVerb::kRestoreConfig:
      ok = RestoreConfiguration(file, context);
      break;
    case RemoteVerb::kRestoreIcons:
      ok = RestoreShortcutsAndIcons(file, context);
      break;
    case RemoteVerb::kResetSettings:
      ok = ResetProgramSettings(context);
      break;
    case RemoteVerb::kResetShortcuts:
      ok = ResetShortcutsAndIcons(context);
      break;
    default:
      return {false, "Not a data operation: " + std::string(VerbName(request.verb)), {}};
  }
  std::string text = told.LastTold();
  if (text.empty()) text = std::string(VerbName(request.verb)) + (ok ? " done." : " failed.");
  return {ok, text, ok ? std::string() : told.Reason()};
}

RemoteAnswer HandleRemoteRequest(const RemoteRequest& request, RemoteDock& dock) {
  if (IsDataOperation(request.verb)) return dock.RunData(request);
  switch (request.verb) {
    case RemoteVerb::kShow:
      dock.Show();
      break;
    case RemoteVerb::kKeyboard:
      dock.Keyboard();
      break;
    case RemoteVerb::kSearch:
      dock.Search(request.argument);
      break;
    case RemoteVerb::kSwitch:
      dock.Switch();
      break;
    case RemoteVerb::kMinimize:
      dock.Minimize();
      break;
    case RemoteVerb::kSettings:
      dock.OpenSettings();
      break;
    case RemoteVerb::kAbout:
      dock.ShowAbout();
      break;
    case RemoteVerb::kQuit:
      dock.Quit();
      break;
    default:
      break;
  }
  return {true, std::string(VerbName(request.verb)), {}};
}

std::string AnswerRequestLine(const std::string& line, RemoteDock& dock) {
  const auto request = DecodeRequest(line);
  if (!request) {
    std::fprintf(stderr, "qav-launcher: refused a malformed or unknown request\n");
    return EncodeAnswer({false, "Request refused.", {}});
  }
  return EncodeAnswer(HandleRemoteRequest(*request, dock));
}

}  // namespace qav
