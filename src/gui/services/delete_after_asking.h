#pragma once
// Deleting an item from a window: the question the core says a delete needs is asked here, in
// the window's layer, and only then is the item deleted. The dock, the group menu and the item
// menu delete alike.

#include "core/shortcuts/group_editing.h"
#include "platform/message_boxes.h"

namespace qav {

// Asks the item's question, if it has one; No keeps the item. True when the item was deleted.
bool DeleteAfterAsking(EditingContext& context, platform::MessageBoxes& messages, int record);

}  // namespace qav
