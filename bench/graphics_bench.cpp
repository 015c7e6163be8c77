// Loading the skin and item pictures, and composing and pushing one full dock frame.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "dock/frm_main.h"
#include "graphics/image_cache.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

class NoShellIcons final : public ShellIcons {
 public:
  QImage IconFor(const std::string&, int) override { return {}; }
  QImage ThemeIcon(const std::string&, int) override { return {}; }
};

// A 1920x1080 state with `items` dock and group records, each with its own 256-pixel picture.
struct Scene {
  explicit Scene(int items) {
    state.paths.IconStore = dir.path() + "/";
    ScreenInfo info;
    info.fullScreenWidth = 1920;
    info.fullScreenHeight = 1080;
    info.workArea = {0, 0, 1920, 1080};
    state.screen = ComputeScreenMetrics(info);
    state.settings.IconCount = 36;
    state.settings.RingRadius = 400;
    state.imageSlots.Sizes = {0, 48, 64, 128, 32, 0, 0};
    CalcRingLayout(state.ring, state.screen, {48, 64, 400, 36});
    QImage picture(256, 256, QImage::Format_ARGB32);
    for (int r = 1; r <= items; ++r) {
      picture.fill(QColor::fromHsv(r * 7 % 360, 200, 220, 230));
      const std::string file = dir / (std::to_string(r) + ".png");
      picture.save(QString::fromStdString(file));
      ShortcutRecord& record = state.tables.Shortcuts[r <= 36 ? r : 128 + r];
      record.Kind = r <= 36 ? kKindDockShortcut : kKindMember;
      record.IconFile = file;
      record.Title = "Item " + std::to_string(r);
    }
    for (int g = 0; g < kGroupCount; ++g) state.tables.Groups[g].Members[0] = g;
    for (int r = 0; r < kRecordCount; ++r) state.tables.Shortcuts[r].ImageRow = r;
  }
  test::TempDir dir;
  AppState state;
  ImageTables tables;
  NoShellIcons shell;
};

void BM_LoadSkinAnd100ItemPictures(benchmark::State& bench) {
  Scene scene(100);
  ImageCache cache(scene.tables, scene.state, scene.shell);
  for (auto _ : bench) {
    cache.FreeAllImages();
    cache.LoadSkinImages();
  }
}
BENCHMARK(BM_LoadSkinAnd100ItemPictures)->Unit(benchmark::kMillisecond);

void BM_FullDockFrame1920(benchmark::State& bench) {
  Scene scene(36);
  ImageCache cache(scene.tables, scene.state, scene.shell);
  cache.LoadSkinImages();
  FrmMain dock(scene.state, scene.tables);
  dock.show();
  for (auto _ : bench) dock.DockNormal();
}
BENCHMARK(BM_FullDockFrame1920)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qav

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
