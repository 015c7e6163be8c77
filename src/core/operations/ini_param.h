#pragma once
// (Re)initialisation of the program's state: screen metrics, defaults, the settings file, the
// built-in records, the menu file or the default groups, and the ring layout.

#include "core/environment/screen_metrics.h"
#include "core/operations/screen_fit.h"
#include "core/shortcuts/catalog.h"
#include "core/shortcuts/item_pictures.h"
#include "core/state/app_state.h"
#include "core/store/menu_file.h"
#include "core/store/settings_file.h"
#include "platform/platform.h"

namespace qav {

// Start-up calls it with all three true; a reload after a reset or restore with `first` false.
// `pictures` makes the pictures of the default items when they are built.
void IniParam(AppState& state, bool first, bool loadSettings, bool loadMenu,
              platform::Platform& platform, const ScreenInfo& screen, ItemPictures& pictures);

// What the catalog needs to know of the user and the system at this moment.
CatalogContext CatalogContextFor(const AppState& state, platform::Platform& platform);

SettingsFileContext SettingsContext(const AppState& state, platform::Platform& platform);
MenuFileContext MenuContext(const AppState& state, platform::Platform& platform);

// Shows the message of a failed step to the user (nothing on success); true on success.
bool ReportFailure(platform::MessageBoxes& messages, const Result& result);

// Write the settings file (from `settings`) or the menu file, showing the user a failure.
bool SaveSettingsFile(Settings& settings, AppState& state, platform::Platform& platform);
bool SaveMenuFile(const AppState& state, platform::Platform& platform);

// Writes the settings file, then the menu file, as the program does on its way out.
void SaveConfiguration(AppState& state, platform::Platform& platform);

// Tells the user, in one message, how many entries the default groups had no room for, then
// forgets them; nothing when there were none.
void TellLeftOutEntries(AppState& state, platform::MessageBoxes& messages);

}  // namespace qav
