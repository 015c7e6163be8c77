#pragma once
// The title of an item as the windows show it. The records keep the titles the core gave them in
// English (the built-in commands, the default groups, a group's " (Empty)" mark) beside the titles
// the user gave; the first are shown in the user's language, the user's own as they are.

#include <QString>

#include <string>
#include <string_view>

namespace qav {

QString ShownTitle(std::string_view title);

// What to store when the user confirms `typed` (trimmed) in a title field that showed `stored`: the
// stored title, trimmed, while the user left the shown one as it was, so that the record keeps the
// English title the next language shows in its own words.
std::string TitleToStore(const std::string& stored, const QString& typed);

}  // namespace qav
