#pragma once
// A state with a temporary home, fake platform services and recorded item pictures.

#include <filesystem>

#include "core/shortcuts/catalog.h"
#include "core/shortcuts/classification.h"
#include "core/state/app_state.h"
#include "platform/fake/fake_platform.h"
#include "platform/platform.h"
#include "support/fake_item_pictures.h"
#include "support/fake_system.h"
#include "support/temp_dir.h"

namespace qav::test {

struct ShortcutsFixture : FakeSystem {
  ShortcutsFixture() {
    namespace fs = std::filesystem;
    Paths& p = state.paths;
    p.SysIconsFolder = "/app/SysIcons/";
    p.IconStore = home / "store/";
    p.ProfileFolder = home.path() + platform::kPathSeparator;
    p.MyDocuments = home / "Documents/";
    p.WindowsFolder = "/usr/";
    p.SystemFolder = "/usr/bin/";
    fs::create_directories(p.MyDocuments);
    system.environment["HOME"] = home.path();
    system.environment["PATH"] = "/usr/bin:/bin";
    system.user = "ann";
    pictures.tables = &state.tables;
    CatalogContext catalog;
    catalog.sysIconsFolder = p.SysIconsFolder;
    catalog.userName = "ann";
    BuildCatalog(state.tables, catalog);
  }
  ClassifyContext Context() {
    return {state.tables, state.paths, system,   registry,
            volumes,      messages,    pictures, state.settings.IconCount};
  }
  ShortcutRecord& Record(int r) { return state.tables.Shortcuts[static_cast<std::size_t>(r)]; }

  TempDir home;
  AppState state;
  FakeItemPictures pictures{home / "store/"};
};

}  // namespace qav::test
