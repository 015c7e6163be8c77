#pragma once
// Removing the user's configuration files and extracted pictures (first run, restore).

#include "core/environment/paths.h"

namespace qav {

// Deletes the menu file and its twin, every "*.png" of the icon store and, when `alsoSettings`,
// the settings file and its twin. Files that are not there are skipped.
void ClearDataFiles(const Paths& paths, bool alsoSettings);

}  // namespace qav
