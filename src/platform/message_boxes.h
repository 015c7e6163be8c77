#pragma once
// Modal message boxes with the program's fixed texts. Implemented by the user interface; tests
// record the calls.

#include <string>
#include <utility>

#include "base/ui_text.h"

namespace qav::platform {

enum class MessageIcon { kNone, kInformation, kExclamation, kQuestion, kCritical };
enum class MessageButtons { kOk, kYesNo, kOkCancel };
enum class MessageAnswer { kOk, kYes, kNo, kCancel };

struct MessageRequest {
  // In English: what a notice or the command line's answer says, and what the box translates
  // when `filled` is empty.
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;
  bool defaultIsSecond = false;  // the second button (No, Cancel) is the default
  // How `text` was made when it has runtime parts (a file name, a title), so that the box can
  // translate the rest around them; empty for a text that is all fixed.
  FilledText filled = {};
};

// A request for a text with runtime parts: `text` is its English, `filled` how it was made.
inline MessageRequest FilledMessage(FilledText text, std::string caption, MessageIcon icon,
                                    MessageButtons buttons, bool defaultIsSecond = false) {
  std::string english = English(text);
  return {std::move(english), std::move(caption), icon, buttons, defaultIsSecond, std::move(text)};
}

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageAnswer Show(const MessageRequest& request) = 0;
};

}  // namespace qav::platform
