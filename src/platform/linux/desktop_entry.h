#pragma once
// Reading freedesktop desktop entries (".desktop" files): the keys of the [Desktop Entry] group
// and the Exec command line split into arguments.

#include <map>
#include <string>
#include <vector>

namespace qav::platform {

// The unlocalised keys of the [Desktop Entry] group with their values unescaped ("\s", "\n",
// "\t", "\r", "\\"); empty when the file cannot be read.
std::map<std::string, std::string> ReadDesktopEntry(const std::string& path);

// An (unescaped) Exec value split into arguments by the desktop-entry quoting rules: double
// quotes, inside which a backslash escapes '"', '`', '$' and '\'. Field codes are left in place.
std::vector<std::string> SplitExec(const std::string& exec);

// The arguments of an Exec line with its field codes filled in: %f/%u take the first of `files`,
// %F/%U all of them, %i the icon, %c the name, %k the entry's path, %% a percent sign; the
// deprecated codes are dropped.
std::vector<std::string> ExpandExec(const std::map<std::string, std::string>& entry,
                                    const std::string& entryPath,
                                    const std::vector<std::string>& files);

}  // namespace qav::platform
