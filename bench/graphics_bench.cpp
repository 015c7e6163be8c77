// Loading the skin and item pictures, and composing and pushing one full dock frame.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <filesystem>

#include "formats/pe/pe_resources.h"
#include "formats/pe/test_inputs.h"
#include "gui/dock/dock_fixture.h"
#include "gui/dock/dock_window.h"
#include "gui/graphics/image_cache.h"
#include "gui/graphics/imaging.h"
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

// The dock's own pictures as the program loads them: a 128-pixel centre tile and the 190-pixel
// border, both drawn 1:1.
void UseRealCentre(test::DockFixture& dock) {
  QImage picture(128, 128, QImage::Format_ARGB32);
  picture.fill(QColor(40, 90, 200, 230));
  dock.images.Items[0][0] = MakeItemTile(picture);
  QImage border(190, 190, QImage::Format_ARGB32);
  border.fill(QColor(220, 220, 230, 120));
  dock.images.Skin[kSkinBorder][0] = MakeScaledImage(border, 0, 0, true);
}

// On a real display a push reaches the screen only once the window is mapped and exposed.
void WaitUntilShown(QWidget& window) {
  for (int i = 0; i < 200 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++i) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
}

void BM_FullDockFrame1920(benchmark::State& bench) {
  test::DockFixture dock(1920, 1080, 36, 400);
  UseRealCentre(dock);
  WaitUntilShown(*dock.dock);
  for (int r = 1; r <= 36; ++r)
    dock.images.Items[static_cast<std::size_t>(r)] = dock.images.Items[4];
  dock.dock->IniIconParam();
  for (auto _ : bench) dock.dock->DockNormal();
}
BENCHMARK(BM_FullDockFrame1920)->Unit(benchmark::kMillisecond);

// A mouse move onto another slot: the hover frame composed and pushed.
void BM_HoverFrame1920(benchmark::State& bench) {
  test::DockFixture dock(1920, 1080, 36, 400);
  UseRealCentre(dock);
  WaitUntilShown(*dock.dock);
  int slot = 1;
  for (auto _ : bench) {
    const RingSlot& s = dock.state.ring.Slots[static_cast<std::size_t>(slot)];
    const QPointF at(s.PlateLeft + 20, s.PlateTop + 20);
    QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(dock.dock.get(), &move);
    slot = slot % 36 + 1;
  }
}
BENCHMARK(BM_HoverFrame1920)->Unit(benchmark::kMillisecond);

// A crafted program of 65,535 icon groups sharing one 65,535-character name (656 KB), read the
// way icon extraction reads it: the group list, then one group. It once asked for gigabytes; it
// must stay well under a second and 64 MB.
void BM_CraftedProgramWithSharedNames(benchmark::State& bench) {
  using namespace readers::test;
  const Bytes file = BuildImage(0x20b, SharedNameSection(65535, 65535));
  for (auto _ : bench) {
    const auto resources = readers::PeResources::Parse(file);
    benchmark::DoNotOptimize(resources->Names(14));
    benchmark::DoNotOptimize(resources->Find(14, readers::ResourceName::Named(u"last")));
  }
}
BENCHMARK(BM_CraftedProgramWithSharedNames)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qav
