#pragma once
// Modal message boxes with the program's fixed texts. Implemented by the user interface; tests
// record the calls.

#include <string>

namespace qav::platform {

enum class MessageIcon { kNone, kInformation, kExclamation, kQuestion, kCritical };
enum class MessageButtons { kOk, kYesNo, kOkCancel };
enum class MessageAnswer { kOk, kYes, kNo, kCancel };

struct MessageRequest {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;
  bool defaultIsSecond = false;  // the second button (No, Cancel) is the default
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageAnswer Show(const MessageRequest& request) = 0;
};

}  // namespace qav::platform
