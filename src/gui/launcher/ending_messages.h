#pragma once
// The program's message boxes until a termination request comes; from then on every message goes
// to the notices (the error output and a desktop notice), which never wait. A box that is open
// when the request comes is closed by it (the way out ends every event loop), and what it said
// goes to the notices too, since nobody may have read it: a session that ends, or a signal that
// asks the program to end, meets no box that keeps the program alive.

#include "platform/message_boxes.h"

namespace qav {

class EndingMessages final : public platform::MessageBoxes {
 public:
  EndingMessages(platform::MessageBoxes& boxes, platform::MessageBoxes& notices)
      : boxes_(boxes), notices_(notices) {}
  platform::MessageAnswer Show(const platform::MessageRequest& request) override;
  // The program is to end without questions.
  void End() { ending_ = true; }

 private:
  platform::MessageBoxes& boxes_;
  platform::MessageBoxes& notices_;
  bool ending_ = false;
};

}  // namespace qav
