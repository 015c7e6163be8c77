#pragma once
// The core's texts in the user's language. The core writes English and marks its texts for the
// translation tools (base/ui_text.h); a window looks them up here, in the core's one context, at
// the moment it shows them. A text without a translation (none is loaded, or it is no text of the
// core: a file name, a title the user gave) stays as it is.

#include <QString>

#include <string_view>

#include "base/ui_text.h"
#include "platform/message_boxes.h"

namespace qav {

// The whole text translated.
QString CoreText(std::string_view english);
// The pattern translated and its parts put in, each part translated too when it is a text of the
// core itself (the title of a built-in command, the name of an action).
QString CoreText(const FilledText& text);
// What a message box says: the request's text, by its pattern when it has runtime parts.
QString MessageText(const platform::MessageRequest& request);

}  // namespace qav
