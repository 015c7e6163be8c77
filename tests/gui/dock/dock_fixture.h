#pragma once
// A dock on the offscreen platform with a real state, simple pictures and recording services.

#include <QApplication>

#include "core/shortcuts/catalog.h"
#include "gui/dock/dock_window.h"
#include "gui/graphics/imaging.h"
#include "platform/fake/fake_platform.h"
#include "support/fake_item_pictures.h"
#include "support/fake_system.h"
#include "support/temp_dir.h"

namespace qav::test {

class RecordingServices final : public GroupMenuRequests,
                                public SearchRequests,
                                public ItemMenuRequests,
                                public FrameClock,
                                public ConfigurationSaver,
                                public DockControl,
                                public Dialogs,
                                public platform::WindowShape {
 public:
  void MenuFocus(bool show, int slot) override { menus.push_back(show ? slot : -1); }
  bool MenuShown() override { return menuShown; }
  void MenuEscCancel(bool) override { menuShown = false; }
  bool MenuBusy() override { return false; }
  void MenuRefresh() override {}
  void ShowItemMenu(int record, int) override { itemMenus.push_back(record); }
  void OpenSearch(const std::string& text) override { searches.push_back(text); }
  bool SearchShown() override { return false; }
  void CloseSearch() override { ++searchCloses; }
  void ForwardSearchKey(QKeyEvent*) override {}
  void Sleep(int milliseconds) override { slept += milliseconds; }
  void ProcessEvents() override {}
  void SaveSettings() override {}
  void SaveMenu() override { ++menuSaves; }
  void EscCancel() override {}
  void MinWindows(DockView) override {}
  void DockFocus(bool) override {}
  void DockNormal() override {}
  bool DockHidden() override { return false; }
  void SetAnimateShowHide(bool) override {}
  bool AnimateShowHide() override { return false; }
  void ExitApplication() override { ++exits; }
  void ShowSettings() override {}
  void ShowAbout() override {}
  std::optional<std::string> OpenFile(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&,
                                      const std::string&) override {
    return groupName;
  }
  void RunBox() override {}
  void SetInputRegion(std::uintptr_t, const std::vector<platform::ShapeRect>& rects) override {
    region = rects;
  }
  void ClearInputRegion(std::uintptr_t) override { region.clear(); }

  std::vector<int> menus;
  std::vector<int> itemMenus;
  std::vector<std::string> searches;
  int searchCloses = 0;
  bool menuShown = false;
  int exits = 0;
  int slept = 0;
  int menuSaves = 0;
  std::optional<std::string> groupName;
  std::vector<platform::ShapeRect> region;
};

struct DockFixture : FakeSystem {
  explicit DockFixture(int width = 1366, int height = 768, int icons = 8, int radius = 300) {
    ScreenInfo info;
    info.fullScreenWidth = width;
    info.fullScreenHeight = height;
    info.workArea = {0, 0, width, height};
    state.screen = ComputeScreenMetrics(info);
    state.paths.SysIconsFolder = "/app/SysIcons/";
    state.paths.IconStore = home / "store/";
    state.settings.IconCount = icons;
    state.imageSlots.Sizes = {0, 48, 64, 128, 32, 0, 0};
    CalcRingLayout(state.ring, state.screen, {48, 64, radius, icons});
    CatalogContext catalog;
    catalog.sysIconsFolder = state.paths.SysIconsFolder;
    catalog.userName = "ann";
    BuildCatalog(state.tables, catalog);
    Shortcut(4, kKindDockShortcut, "/usr/bin/tool");
    for (int r = 5; r <= 8; ++r)
      state.tables.Shortcuts[static_cast<std::size_t>(r)].Kind = kKindBlank;
    state.settings.TintSetting.alpha = 192;
    state.settings.TintColour = state.settings.TintSetting;
    SetMinimizedPosition(state.ring, state.screen, 0);
    pictures.tables = &state.tables;
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    for (int r = 0; r <= 42; ++r) {
      images.Items[r][0] = MakeScaledImage(picture, 0, 0, true);
      images.Items[r][1] = MakeScaledImage(picture, 48, 48, false);
    }
    QImage plate(128, 128, QImage::Format_ARGB32);
    plate.fill(QColor(200, 200, 255, 255));
    images.Skin[kSkinBackSelectColor][1] = MakeScaledImage(plate, 48, 48, false);
    images.Skin[kSkinBackSelectColor][2] = MakeScaledImage(plate, 64, 64, false);
    dock = std::make_unique<DockWindow>(state, images, Services());
    dock->show();
    dock->DockFocus(true);
  }
  ~DockFixture() { dock.reset(); }

  void Shortcut(int r, int kind, const std::string& target) {
    ShortcutRecord& record = state.tables.Shortcuts[static_cast<std::size_t>(r)];
    record.Kind = kind;
    record.Target = target;
    record.Title = "Item " + std::to_string(r);
  }
  DockServices Services() {
    return {platform, [this] { return Commands(); },
            pictures, services,
            services, services,
            services, services,
            services, nullptr};
  }
  CommandContext Commands() {
    return {state, platform, pictures, services, services, services, [](int) {}};
  }
  QPoint CentreOf(int slot) const {
    const RingSlot& s = state.ring.Slots[static_cast<std::size_t>(slot)];
    return {s.PlateLeft + s.PlateSize / 2, s.PlateTop + s.PlateSize / 2};
  }

  TempDir home;
  AppState state;
  ImageTables images;
  FakeItemPictures pictures{home / "store/"};
  RecordingServices services;
  std::unique_ptr<DockWindow> dock;
};

}  // namespace qav::test
