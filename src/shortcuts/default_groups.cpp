#include "shortcuts/default_groups.h"

namespace qav {

void BuildDefaultGroup(Tables& /*tables*/, int /*number*/, int /*recordNumber*/) {}

}  // namespace qav
