#include "dock/frm_main.h"

#include "graphics/imaging.h"

namespace qav {

FrmMain::FrmMain(AppState& state, const ImageTables& images)
    : LayeredSurface(SurfaceKind::kDock), state_(state), images_(images) {
  setWindowTitle("QAV Launcher");
  const ScreenRect& area = state_.screen.WorkArea;
  IniForm(QRect(area.left, area.top, state_.screen.ScreenWidth, state_.screen.ScreenHeight));
  // Until the dock takes mouse input it lets every click through and rests below other windows.
  setWindowFlag(Qt::WindowTransparentForInput);
  setWindowFlag(Qt::WindowStaysOnBottomHint);
  CreateGraphic();
  slots_ = IniIconParam(state_.tables);
}

void FrmMain::DockFocus(bool show) {
  slots_ = IniIconParam(state_.tables);
  if (!show) return;
  raise();
  DockNormal();
}

void FrmMain::DrawRing() {
  const int size = state_.settings.NormalIconSize;
  for (int k = 1; k <= state_.settings.IconCount && k < kRingSlotCount; ++k) {
    const RingSlot& slot = state_.ring.Slots[k];
    DrawImage(Graphics(), images_.Skin, kSkinBackSelectColor, 1, slot.PlateLeft, slot.PlateTop,
              size, size);
    DrawImage(Graphics(), images_.Items, slots_.SlotImage[k], 1, slot.PlateLeft, slot.PlateTop,
              size, size);
  }
}

void FrmMain::DrawCentre() {
  const RingSlot& centre = state_.ring.Slots[0];
  ShortcutRecord& user = state_.tables.Shortcuts[kUserRecord];
  const std::string title = user.Title.Get();
  user.Title = title;
  DrawText(title, centre.LabelDX - state_.screen.ScreenWidth / 2, centre.LabelDY);
  DrawImage(Graphics(), images_.Items, 0, 0, centre.PlateLeft, centre.PlateTop, kCentreSize,
            kCentreSize);
  DrawImage(Graphics(), images_.Skin, kSkinBorder, 0, centre.MagLeft, centre.MagTop, kBorderSize,
            kBorderSize);
}

void FrmMain::DockNormal(bool noPush) {
  RestoreGDIPlus();
  DrawRing();
  DrawCentre();
  if (!noPush) UpdateGDIPlus();
}

}  // namespace qav
