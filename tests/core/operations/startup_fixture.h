#pragma once
// A fresh state on fake platform services with a temporary data folder.

#include "core/operations/ini_param.h"
#include "platform/fake/fake_platform.h"
#include "platform/platform.h"
#include "support/fake_item_pictures.h"
#include "support/fake_system.h"
#include "support/temp_dir.h"

namespace qav::test {

inline ScreenInfo ScreenOf(int width, int height) {
  ScreenInfo info;
  info.fullScreenWidth = width;
  info.fullScreenHeight = height;
  info.workArea = {0, 0, width, height};
  return info;
}

struct StartupFixture : FakeSystem {
  StartupFixture() {
    folders.folders[26] = home / ".local/share";
    // No installed applications: the default groups stay independent of this machine.
    system.environment["HOME"] = home.path();
    system.environment["XDG_DATA_DIRS"] = home / "no-system-data";
    state.paths = InitPaths(folders, system);
  }

  TempDir home;
  AppState state;
  FakeItemPictures pictures;
};

}  // namespace qav::test
