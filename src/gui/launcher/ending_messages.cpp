#include "gui/launcher/ending_messages.h"

namespace qav {

platform::MessageAnswer EndingMessages::Show(const platform::MessageRequest& request) {
  if (ending_) return notices_.Show(request);
  const platform::MessageAnswer answer = boxes_.Show(request);
  if (ending_) return notices_.Show(request);
  return answer;
}

}  // namespace qav
