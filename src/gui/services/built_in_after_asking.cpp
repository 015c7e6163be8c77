#include "gui/services/built_in_after_asking.h"

namespace qav {

void RunBuiltInAfterAsking(CommandContext& context, int commandId) {
  const BuiltInOutcome outcome = ExecuteBuiltIn(context, commandId);
  if (!outcome.question) return;
  const platform::MessageAnswer answer = context.platform.messages.Show(outcome.question->request);
  const bool confirmed = outcome.question->onlyYesGoesOn ? answer == platform::MessageAnswer::kYes
                                                         : answer != platform::MessageAnswer::kNo;
  FinishBuiltIn(context, commandId, confirmed);
}

}  // namespace qav
