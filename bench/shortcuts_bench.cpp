// Classifying files of mixed kinds and building the default groups, without icon extraction
// (pictures are recorded, not made), so the figures are the classification's own.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/shortcuts/catalog.h"
#include "core/shortcuts/default_groups.h"
#include "core/state/app_state.h"
#include "platform/fake/fake_platform.h"
#include "platform/platform.h"
#include "support/fake_item_pictures.h"
#include "support/fake_system.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

struct Machine : test::FakeSystem {
  Machine() {
    namespace fs = std::filesystem;
    state.paths.SysIconsFolder = "/app/SysIcons/";
    state.paths.IconStore = home / "store/";
    system.environment["HOME"] = home.path();
    system.environment["PATH"] = "/usr/bin:/bin";
    fs::create_directories(home / "files/folder");
    for (int i = 0; i < 500; ++i) {
      const std::string base = home / ("files/item" + std::to_string(i));
      switch (i % 5) {
        case 0:
          test::WriteText(base + ".txt", "text");
          break;
        case 1:
          test::WriteText(base + ".desktop",
                          "[Desktop Entry]\nType=Application\nName=Item\nExec=item %U\n"
                          "Icon=item\n");
          break;
        case 2:
          test::WriteText(base, "#!/bin/sh\n");
          fs::permissions(base, fs::perms::owner_all);
          break;
        case 3:
          fs::create_directories(base);
          break;
        default:
          test::WriteText(base + ".url", "[InternetShortcut]\nURL=http://x.org/\n");
      }
    }
    state.tables.Shortcuts[3].Kind = kKindAllPrograms;
  }
  ClassifyContext Context() {
    return {state.tables, state.paths, system, registry, volumes, messages, pictures, 24};
  }
  test::TempDir home;
  AppState state;
  test::FakeItemPictures pictures;
};

void BM_Classify500MixedFiles(benchmark::State& bench) {
  Machine m;
  for (auto _ : bench) {
    m.state.tables = MakeTables();
    m.state.tables.Shortcuts[3].Kind = kKindAllPrograms;
    Classifier classifier(m.Context());
    DefaultGroupContext context{m.state.tables, m.state.paths, m.platform, classifier, 6, {}};
    AddFolderEntries(context, 3, m.home / "files/", 0);
  }
  bench.SetItemsProcessed(bench.iterations() * 500);
}
BENCHMARK(BM_Classify500MixedFiles)->Unit(benchmark::kMillisecond);

void BM_BuildDefaultGroupsFromThisMachine(benchmark::State& bench) {
  Machine m;
  m.state.paths.AllUsersDesktopFolder = "/usr/share/applications/";
  m.folders.applicationFolders = {m.home / ".local/share/applications/",
                                  "/usr/local/share/applications/", "/usr/share/applications/"};
  for (auto _ : bench) {
    m.state.tables = MakeTables();
    Classifier classifier(m.Context());
    DefaultGroupContext context{
        m.state.tables, m.state.paths, m.platform, classifier, 6, m.folders.ApplicationFolders()};
    for (int number = 3; number <= 9; ++number) BuildDefaultGroup(context, number, 0);
  }
}
BENCHMARK(BM_BuildDefaultGroupsFromThisMachine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qav
