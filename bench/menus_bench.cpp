// Opening a 1024-member group menu, and one wheel step in it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWheelEvent>

#include "gui/dock/dock_fixture.h"
#include "gui/group_menu/group_menu_window.h"

namespace qav {
namespace {

struct FullGroup : test::DockFixture {
  FullGroup() : test::DockFixture(1920, 1080, 24, 400) {
    state.MenuRows = 18;
    state.tables.Shortcuts[3].Kind = kKindAllPrograms;
    QImage picture(32, 32, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::blue);
    for (int i = 1; i <= kAllProgramsCapacity; ++i) {
      const int r = kFirstPoolRecord + (i - 1) % 896;
      state.tables.Groups[3].Members[static_cast<std::size_t>(i)] = r;
      Shortcut(r, kKindMember, "/usr/bin/true");
      images.Items[static_cast<std::size_t>(r)][4] = picture;
    }
    state.tables.Groups[3].MemberCount = kAllProgramsCapacity;
    menu = std::make_unique<GroupMenuWindow>(
        state, images,
        MenuServices{platform, [this] { return Commands(); }, pictures, services, services,
                     services, services, nullptr, nullptr});
  }
  std::unique_ptr<GroupMenuWindow> menu;
};

void BM_OpenThousandMemberGroup(benchmark::State& bench) {
  FullGroup group;
  for (auto _ : bench) {
    group.menu->MenuFocus(true, 3);
    bench.PauseTiming();
    group.menu->EscCancel(true);
    bench.ResumeTiming();
  }
}
BENCHMARK(BM_OpenThousandMemberGroup)->Unit(benchmark::kMillisecond);

void BM_WheelStepInThousandMemberGroup(benchmark::State& bench) {
  FullGroup group;
  group.menu->MenuFocus(true, 3);
  const QPointF at(group.menu->Geometry().x + 100, group.menu->Geometry().y + 100);
  bool down = true;
  int steps = 0;
  for (auto _ : bench) {
    QWheelEvent wheel(at, at, QPoint(), QPoint(0, down ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(group.menu.get(), &wheel);
    if (++steps % 500 == 0) down = !down;
  }
}
BENCHMARK(BM_WheelStepInThousandMemberGroup)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qav
