// Loading and saving a full menu file: every record in use, the All Programs group full.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/store/backup_file.h"
#include "core/store/menu_file.h"
#include "support/real_files.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

Tables FullTables() {
  Tables t = MakeTables();
  for (int g = 0; g < kGroupCount; ++g) t.Groups[g].Members[0] = g;
  for (int r = 0; r <= kLastRecord; ++r) {
    ShortcutRecord& record = t.Shortcuts[r];
    record.Kind = r <= 36 ? kKindDockShortcut : kKindMember;
    record.ImageRow = r;
    record.Path = "/usr/share/applications/program-" + std::to_string(r) + ".desktop";
    record.Title = "Program number " + std::to_string(r);
    record.IconFile =
        "/home/ann/.local/share/Brevona/QAV Launcher/QavIcons/" + std::to_string(r) + ".png";
    record.Target = "/usr/bin/program-" + std::to_string(r);
  }
  for (int i = 1; i <= kAllProgramsCapacity; ++i) t.Groups[3].Members[i] = i;
  t.Groups[3].MemberCount = kAllProgramsCapacity;
  return t;
}

void BM_WriteMenuFile(benchmark::State& state) {
  test::TempDir dir;
  test::RealFiles files;
  const MenuFileContext context{dir / "QAVMenu.cfg", files};
  const Tables tables = FullTables();
  for (auto _ : state) benchmark::DoNotOptimize(WriteMenuFile(tables, context));
}
BENCHMARK(BM_WriteMenuFile)->Unit(benchmark::kMillisecond);

void BM_LoadMenuFile(benchmark::State& state) {
  test::TempDir dir;
  test::RealFiles files;
  const MenuFileContext context{dir / "QAVMenu.cfg", files};
  (void)WriteMenuFile(FullTables(), context);
  Tables tables = MakeTables();
  for (auto _ : state) benchmark::DoNotOptimize(LoadMenuFile(tables, context));
}
BENCHMARK(BM_LoadMenuFile)->Unit(benchmark::kMillisecond);

// A thousand own pictures of 4 KiB each: the longest gap between two progress calls is what the
// window's responsiveness depends on.
struct PictureMenu {
  PictureMenu() {
    std::filesystem::create_directories(dir / "store");
    const std::vector<std::uint8_t> picture(4096, 0x5A);
    for (int r = 4; r < 1004; ++r) {
      const std::string path = dir / ("store/" + std::to_string(r) + ".png");
      test::WriteBytes(path, picture);
      tables.Shortcuts[static_cast<std::size_t>(r)].IconFile = path;
    }
  }
  test::TempDir dir;
  Tables tables = MakeTables();
  test::RealFiles files;
};

void BM_WriteBackupOfAThousandPictures(benchmark::State& state) {
  PictureMenu menu;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        WriteBackupFile(menu.files, menu.dir / "icons.bak", menu.tables, "/sys/").Ok());
  }
}
BENCHMARK(BM_WriteBackupOfAThousandPictures)->Unit(benchmark::kMillisecond);

void BM_RestoreBackupOfAThousandPictures(benchmark::State& state) {
  PictureMenu menu;
  (void)WriteBackupFile(menu.files, menu.dir / "icons.bak", menu.tables, "/sys/");
  std::filesystem::create_directories(menu.dir / "other");
  test::RealFiles files;
  const RestoreTarget target{menu.dir / "QAVMenu.cfg", menu.dir / "other/", "/sys/", files};
  for (auto _ : state)
    benchmark::DoNotOptimize(RestoreBackupFile(menu.dir / "icons.bak", target).Ok());
}
BENCHMARK(BM_RestoreBackupOfAThousandPictures)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qav
