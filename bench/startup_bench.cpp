// Start to the first dock frame, and the memory the running dock holds, with the default items
// and with a full menu file (36 dock items and a 1024-member All Programs group, every item with
// its own picture).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/store/menu_file.h"
#include "gui/launcher/launcher.h"
#include "gui/launcher/qt_message_boxes.h"
#include "platform/fake/fake_hot_keys.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_tray_hosts.h"
#include "platform/native_platform.h"
#include "support/real_files.h"
#include "support/temp_dir.h"

namespace qav {
namespace {

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> value;
      return value;
    }
  }
  return 0;
}

// A home whose data folder holds a full menu file and a picture for every item.
void WriteFullMenu(const std::string& home) {
  const std::string data = home + "/.local/share/Brevona/QAV Launcher/";
  std::filesystem::create_directories(data + "QavIcons");
  Tables t = MakeTables();
  for (int g = 0; g < kGroupCount; ++g) t.Groups[g].Members[0] = g;
  QImage picture(128, 128, QImage::Format_ARGB32);
  auto item = [&](int r, int kind) {
    ShortcutRecord& record = t.Shortcuts[r];
    record.Kind = kind;
    record.ImageRow = r;
    record.Title = "Item " + std::to_string(r);
    record.Path = record.Target = "/usr/bin/true";
    const std::string file = data + "QavIcons/" + std::to_string(r) + ".png";
    picture.fill(QColor::fromHsv(r * 7 % 360, 180, 220, 240));
    picture.save(QString::fromStdString(file));
    record.IconFile = file;
  };
  for (int r = 4; r <= 36; ++r) item(r, kKindDockShortcut);
  item(3, kKindAllPrograms);
  t.Shortcuts[3].Path = "";
  t.Shortcuts[3].Target = "";
  for (int i = 1; i <= kAllProgramsCapacity; ++i) {
    const int r = kFirstPoolRecord + (i - 1) % (kLastRecord - kFirstPoolRecord + 1);
    if (t.Shortcuts[r].Kind == kKindFree) item(r, kKindMember);
    t.Groups[3].Members[i] = r;
  }
  t.Groups[3].MemberCount = kAllProgramsCapacity;
  test::RealFiles files;
  (void)WriteMenuFile(t, {data + "QAVMenu.cfg", files});
  // 36 icons on the ring.
  SettingsRecord settings;
  settings.NormalSize = 48;
  settings.MagnifiedSize = 64;
  settings.RingRadius = 300;
  settings.IconCountIndex = 7;
  settings.Tint.alpha = 192;
  const auto bytes = EncodeSettingsRecord(settings);
  std::ofstream(data + "QAVCfg.cfg", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

void StartOnce(benchmark::State& bench, bool full) {
  test::TempDir home;
  ::setenv("HOME", home.path().c_str(), 1);
  ::unsetenv("XDG_DATA_HOME");
  ::unsetenv("XDG_CONFIG_HOME");
  if (full) WriteFullMenu(home.path());
  long rss = 0;
  for (auto _ : bench) {
    const auto system = platform::CreatePlatform()->OpenServices();
    QtMessageBoxes messages;
    platform::Platform services = system->Bundle(messages);
    // No key grabs or tray on the benchmark's display: their absence would only add a notice.
    platform::fake::FakeHotKeys hotKeys;
    platform::fake::FakeTrayHosts trayHosts;
    Launcher launcher(services, system->Shape(), hotKeys, trayHosts);
    benchmark::DoNotOptimize(launcher.Start());
    bench.PauseTiming();
    rss = ResidentKilobytes();
    launcher.ExitApplication();
    bench.ResumeTiming();
  }
  bench.counters["resident_MB"] = static_cast<double>(rss) / 1024.0;
}

void BM_StartToFirstFrameDefaults(benchmark::State& bench) {
  StartOnce(bench, false);
}
BENCHMARK(BM_StartToFirstFrameDefaults)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StartToFirstFrameFullMenu(benchmark::State& bench) {
  StartOnce(bench, true);
}
BENCHMARK(BM_StartToFirstFrameFullMenu)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace qav
