#pragma once

#include "platform/message_boxes.h"

namespace qav {

// Message boxes as modal Qt dialogs, brought to the front of the dock.
class QtMessageBoxes final : public platform::MessageBoxes {
 public:
  platform::MessageAnswer Show(const platform::MessageRequest& request) override;
};

}  // namespace qav
