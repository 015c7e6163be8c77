#include "gui/services/delete_after_asking.h"

namespace qav {

bool DeleteAfterAsking(EditingContext& context, platform::MessageBoxes& messages, int record) {
  const auto question = DeleteQuestion(context.tables, record);
  if (question && messages.Show(*question) == platform::MessageAnswer::kNo) return false;
  DeleteItem(context, record);
  return true;
}

}  // namespace qav
