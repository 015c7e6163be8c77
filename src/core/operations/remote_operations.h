#pragma once
// What the dock does for a request from another start of the program, and the data operations
// run for the command line: the same flows as the settings window, without the questions that
// window asks first (the command itself is the answer), and the outcome handed back as one line.

#include "core/operations/backup_flows.h"
#include "core/remote/remote_request.h"
#include "platform/message_boxes.h"

namespace qav {

// Answers Yes to any question a flow might still ask (naming the file or the reset on the command
// line is the user's answer) and keeps the last thing the flow told, with the last reason it gave.
class CommandLineAnswers final : public platform::MessageBoxes {
 public:
  platform::MessageAnswer Show(const platform::MessageRequest& request) override;
  const std::string& LastTold() const { return lastTold_; }
  void Explain(const std::string& why) { reason_ = why; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string lastTold_;
  std::string reason_;
};

// Runs one backup, restore or reset. `context.platform.messages` must be `told`; a failure's
// answer carries the reason the flow gave.
RemoteAnswer RunDataOperation(const RemoteRequest& request, BackupFlowContext& context,
                              CommandLineAnswers& told);

// The dock as requests drive it.
class RemoteDock {
 public:
  virtual ~RemoteDock() = default;
  virtual void Show() = 0;
  virtual void Keyboard() = 0;
  // Keyboard mode with the search line holding `text`.
  virtual void Search(const std::string& text) = 0;
  virtual void Switch() = 0;
  virtual void Minimize() = 0;
  // The windows open once the answer has gone: a request never waits for a window.
  virtual void OpenSettings() = 0;
  virtual void ShowAbout() = 0;
  // Ends the program the orderly way, saving both files, once the answer has gone.
  virtual void Quit() = 0;
  virtual RemoteAnswer RunData(const RemoteRequest& request) = 0;
};

RemoteAnswer HandleRemoteRequest(const RemoteRequest& request, RemoteDock& dock);
// One request line in, one answer line out; a malformed or unknown line is refused and logged,
// never acted on.
std::string AnswerRequestLine(const std::string& line, RemoteDock& dock);

}  // namespace qav
