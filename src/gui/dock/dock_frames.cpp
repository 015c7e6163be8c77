// The dock's frames: resting, hovered, the centre cross-fade, minimized and hidden states, the
// deletion puff and the size preview. Every frame is drawn whole and pushed once, except a hover
// frame after another one (dock_hover_frame.cpp).

#include <algorithm>

#include "core/state/constants.h"
#include "gui/dock/dock_window.h"
#include "gui/graphics/imaging.h"

namespace qav {
namespace {

constexpr int kFrameMilliseconds = 25;
constexpr int kPuffFrames = 5;
constexpr int kFadeSteps = 8;
constexpr int kHideSteps = 32;
constexpr int kDropPictureSize = 48;
constexpr int kTitleMargin = 16;  // between a long title and the screen's edges

QRgb TintArgb(const TintBytes& tint) {
  return qRgba(tint.red, tint.green, tint.blue, tint.alpha);
}

}  // namespace

bool DockWindow::LettersShown() const {
  return state_.TintMode && state_.settings.Record.HideShortcutLetters == 0;
}

// The ring with a margin for the drop pictures, and the band the centre's title can reach.
// A dragged icon and its puff may draw anywhere; keyboard mode's tint elsewhere is the backdrop.
QRect DockWindow::RingArea() const {
  if (state_.Dragging) return {};
  const RingLayout& ring = state_.ring;
  const RingSlot& centre = ring.Slots[0];
  QRect area(centre.MagLeft, centre.MagTop, centre.MagSize, centre.MagSize);
  for (int k = 1; k <= IconCount() && k < kRingSlotCount; ++k) {
    const RingSlot& s = ring.Slots[k];
    area |= QRect(s.MagLeft, s.MagTop, s.MagSize, s.MagSize);
  }
  area.adjust(-kDropPictureSize, -kDropPictureSize, kDropPictureSize, kDropPictureSize);
  return area | TitleBand();
}

// Keyboard mode tints the whole screen: the window system fills all but the ring with the tint,
// so a summon sends the ring's pixels, not a screen's worth of one colour.
void DockWindow::Background() {
  SetDrawnArea(RingArea());
  SetBackdrop(state_.TintMode ? TintArgb(state_.settings.TintColour) : QRgb{0});
  RestoreToBackdrop();
}

void DockWindow::DrawKeyLetter(int k) {
  if (!LettersShown()) return;
  const RingSlot& s = state_.ring.Slots[k];
  DrawLabel(KeyLetter(k), s.LabelDX, state_.screen.RingCentreY + s.LabelDY - 12);
}

void DockWindow::DrawRingSlot(int k) {
  const RingSlot& s = state_.ring.Slots[k];
  const int size = s.PlateSize;
  DrawImage(Graphics(), images_.Skin, kSkinBackSelectColor, 1, s.PlateLeft, s.PlateTop, size, size);
  DrawImage(Graphics(), images_.Items, slots_.SlotImage[k], 1, s.PlateLeft, s.PlateTop, size, size);
  DrawKeyLetter(k);
}

int DockWindow::TitleWidth() const {
  // A long title stays inside the ring's width (and the screen) instead of running across it.
  const int widest =
      std::min(state_.screen.ScreenWidth - 2 * kTitleMargin, 2 * state_.settings.RingRadius);
  return std::max(widest, 1);
}

int DockWindow::TitleLeft() const {
  return state_.ring.Slots[0].LabelDX - state_.screen.ScreenWidth / 2;
}

QRect DockWindow::TitleBand() const {
  return DockLabelBand(TitleLeft(), state_.ring.Slots[0].LabelDY, TitleWidth());
}

void DockWindow::DrawCentreTitle(const std::string& title) {
  const int x = TitleLeft();
  const int y = state_.ring.Slots[0].LabelDY;
  DrawLabel(title, x, y, TitleWidth());
  if (LettersShown()) DrawLabel("~", x, y - kBorderSize - 20);
}

void DockWindow::DrawCentrePicture(int row, int fade) {
  const RingSlot& centre = state_.ring.Slots[0];
  DrawImage(Graphics(), images_.Items, row < 1 ? 0 : row, 0, centre.PlateLeft, centre.PlateTop,
            kCentreSize, kCentreSize, fade);
  DrawImage(Graphics(), images_.Skin, kSkinBorder, 0, centre.MagLeft, centre.MagTop, kBorderSize,
            kBorderSize, fade);
}

void DockWindow::DrawOver(int skinRow, int x, int y) {
  DrawImage(Graphics(), images_.Skin, skinRow, 1, x - kDropPictureSize / 2,
            y - kDropPictureSize / 2, kDropPictureSize, kDropPictureSize);
}

void DockWindow::DockNormal(bool noPush) {
  if (state_.DockState != DockView::kShown) return;
  ShortcutRecord& user = state_.tables.Shortcuts[kUserRecord];
  user.Title = user.Title.Get();
  Background();
  for (const FramePart& part : HoverParts(-1, false)) {
    if (!(state_.Dragging && part.kind == PartKind::kPlace && part.slot == dragSlot_)) {
      DrawPart(part, false);
    }
  }
  if (noPush) return;
  Push();
  NoteComposed(-1, false);
}

void DockWindow::DockAction(bool pressed) {
  if (state_.DockState != DockView::kShown) return;
  const int h = state_.HoverSlot;
  if (ComposeChangedParts(h, pressed)) return;
  Background();
  for (const FramePart& part : HoverParts(h, pressed)) DrawPart(part, pressed);
  Push();
  NoteComposed(h, pressed);
}

void DockWindow::EffectAction(int slot) {
  if (slot < 0) slot = 0;
  const int next = slot >= 1 && slot < kRingSlotCount ? slots_.SlotImage[slot] : 0;
  if (next == centreImage_ || state_.DockState != DockView::kShown) return;
  // The cross-fade redraws only the centre over the last frame; a hover frame after it redraws
  // the centre with what overlaps it.
  const bool composed = composed_.serial == SurfaceSerial() && composed_.key == FrameKey();
  const RingSlot& centre = state_.ring.Slots[0];
  const QRect box(centre.MagLeft, centre.MagTop, kBorderSize, kBorderSize);
  const auto erase = [&] {
    Graphics().setCompositionMode(QPainter::CompositionMode_Source);
    Graphics().fillRect(box, state_.TintMode
                                 ? QColor::fromRgba(TintArgb(state_.settings.TintColour))
                                 : QColor(Qt::transparent));
    Graphics().setCompositionMode(QPainter::CompositionMode_SourceOver);
  };
  // Only the centre changes: each step pushes just that box, not the whole ring (or, in keyboard
  // mode, the whole screen) nine times over.
  for (int t = 0; t < kFadeSteps; ++t) {
    erase();
    DrawCentrePicture(next, kFadeLevels - 1 - t);
    DrawCentrePicture(centreImage_, t);
    PushPart(box);
    services_.clock.Sleep(kFrameMilliseconds);
  }
  erase();
  DrawCentrePicture(next, kNoFade);
  PushPart(box);
  centreImage_ = next;
  if (composed) {
    composed_.serial = SurfaceSerial();
    composed_.key = FrameKey();
    composed_.centreStale = true;
  }
}

void DockWindow::MinWindows(DockView newState) {
  if (newState == state_.DockState) return;
  state_.DockState = newState;
  if (newState != DockView::kShown) state_.TintMode = false;
  if (newState == DockView::kShown) {
    state_.DockHidden = false;
    show();
    DockFocus(true);
    ToTop();
    return;
  }
  if (newState == DockView::kMinimized) {
    state_.DockHidden = false;
    DockFocus(false);
    services_.clock.ProcessEvents();
    DrawMinimized();
    state_.HoverSlot = -1;
    state_.MenuHotRow = -1;
    ToBottom();
    if (state_.settings.Record.AutoHide == 1) Timer4().start();
    return;
  }
  if (state_.AnimateShowHide) {
    for (int i = 1; i <= kHideSteps; ++i) {
      Push(kAlphaRamp[static_cast<std::size_t>(kHideSteps - i)]);
      services_.clock.Sleep(kFrameMilliseconds);
    }
  } else {
    ClearAll();
    Push(0);
  }
  Timer4().stop();
  state_.IdleTicks = 0;
  state_.DockHidden = true;
  ToBottom();
}

void DockWindow::DrawMinimized() {
  ClearAll();
  SetDrawnArea({});
  const RingLayout& ring = state_.ring;
  DrawImage(Graphics(), images_.Items, 0, 0, ring.MinPicLeft, ring.MinPicTop, kCentreSize,
            kCentreSize);
  DrawImage(Graphics(), images_.Skin, kSkinBorder, 0, ring.MinLeft, ring.MinTop, ring.MinSize,
            ring.MinSize);
  Push(255);
}

void DockWindow::DockDelEffect(float x, float y) {
  const QImage& strip = images_.Skin[kSkinDelIcon][0];
  for (int f = 0; f < kPuffFrames; ++f) {
    DockNormal(true);
    DrawPuffFrame(Graphics(), strip, f, x, y);
    Push();
    services_.clock.Sleep(kFrameMilliseconds);
  }
  services_.clock.ProcessEvents();
}

// The size preview while a size slider moves: the whole resting frame, tiles, pictures, centre
// and title, but with every picture stretched from its own size, since the pictures pre-scaled
// to the normal size still have the old one.
void DockWindow::DockSizeChange() {
  state_.DockState = DockView::kShown;
  Background();
  const int size = state_.settings.NormalIconSize;
  for (int k = 1; k <= IconCount() && k < kRingSlotCount; ++k) {
    const RingSlot& s = state_.ring.Slots[k];
    DrawImage(Graphics(), images_.Skin, kSkinBackSelectColor, 0, s.PlateLeft, s.PlateTop, size,
              size);
    DrawImage(Graphics(), images_.Items, slots_.SlotImage[k], 0, s.PlateLeft, s.PlateTop, size,
              size);
    DrawKeyLetter(k);
  }
  DrawCentreTitle(state_.tables.Shortcuts[kUserRecord].Title.Get());
  DrawCentrePicture(centreImage_, kNoFade);
  Push();
}

}  // namespace qav
