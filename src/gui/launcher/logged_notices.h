#pragma once
// Messages on the way out after a termination request. Nobody may be there to click and the
// program must end, so nothing here waits: each message is written to the error output, handed
// to `notify` (a desktop notice) and answered with its default button.

#include <functional>
#include <string>

#include "platform/message_boxes.h"

namespace qav {

class LoggedNotices final : public platform::MessageBoxes {
 public:
  using Notify = std::function<void(const std::string& caption, const std::string& text)>;
  explicit LoggedNotices(Notify notify = {}) : notify_(std::move(notify)) {}
  platform::MessageAnswer Show(const platform::MessageRequest& request) override;

 private:
  Notify notify_;
};

}  // namespace qav
