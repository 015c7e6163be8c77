// Hover frames. Moving the pointer from one ring place to another changes two places and the
// title under the centre; redrawing and pushing the whole ring for that costs several times what
// the change does. So each frame is a list of parts drawn in order, and a hover frame that
// follows another one clears and redraws only the parts that changed, grown by every part that
// overlaps them, so that each part drawn is drawn whole over a cleared background, exactly as in
// a whole frame.

#include <functional>

#include "gui/dock/dock_window.h"
#include "gui/graphics/imaging.h"
#include "gui/text/shown_titles.h"

namespace qav {
namespace {

void Mix(std::size_t& key, long long value) {
  key ^= std::hash<long long>{}(value) + 0x9e3779b97f4a7c15ULL + (key << 6) + (key >> 2);
}

}  // namespace

std::vector<DockWindow::FramePart> DockWindow::HoverParts(int hover, bool pressed) const {
  const RingLayout& ring = state_.ring;
  const bool magnified = hover >= 1 && hover < kRingSlotCount;
  std::vector<FramePart> parts;
  for (int k = 1; k <= IconCount() && k < kRingSlotCount; ++k) {
    if (k == hover) continue;
    const RingSlot& s = ring.Slots[k];
    const int size = s.PlateSize;
    parts.push_back(
        {PartKind::kPlace, k,
         DrawnRect(images_.Skin, kSkinBackSelectColor, 1, s.PlateLeft, s.PlateTop, size, size) |
             DrawnRect(images_.Items, slots_.SlotImage[k], 1, s.PlateLeft, s.PlateTop, size,
                       size)});
  }
  if (magnified) {
    const RingSlot& s = ring.Slots[hover];
    const int row = slots_.SlotImage[hover];
    QRect extent =
        DrawnRect(images_.Skin, kSkinBackSelectColor, 2, s.MagLeft, s.MagTop, s.MagSize, s.MagSize);
    if (pressed) {
      extent |= DrawnRect(images_.Items, row, 1, s.PlateLeft, s.PlateTop, s.PlateSize, s.PlateSize);
    } else if (row > 0) {
      extent |= DrawnRect(images_.Items, row, 0, s.MagLeft, s.MagTop, s.MagSize, s.MagSize);
    }
    parts.push_back({PartKind::kHovered, hover, extent});
  }
  parts.push_back({PartKind::kTitle, hover, TitleBand()});
  const RingSlot& centre = ring.Slots[0];
  parts.push_back({PartKind::kCentre, 0,
                   QRect(centre.PlateLeft, centre.PlateTop, kCentreSize, kCentreSize) |
                       QRect(centre.MagLeft, centre.MagTop, kBorderSize, kBorderSize)});
  return parts;
}

void DockWindow::DrawPart(const FramePart& part, bool pressed) {
  const int h = part.slot;
  const bool magnified = h >= 1 && h < kRingSlotCount;
  switch (part.kind) {
    case PartKind::kPlace:
      DrawRingSlot(h);
      break;
    case PartKind::kHovered: {
      const RingSlot& s = state_.ring.Slots[h];
      DrawImage(Graphics(), images_.Skin, kSkinBackSelectColor, 2, s.MagLeft, s.MagTop, s.MagSize,
                s.MagSize);
      if (pressed) {
        DrawImage(Graphics(), images_.Items, slots_.SlotImage[h], 1, s.PlateLeft, s.PlateTop,
                  s.PlateSize, s.PlateSize);
      } else if (slots_.SlotImage[h] > 0) {
        DrawImage(Graphics(), images_.Items, slots_.SlotImage[h], 0, s.MagLeft, s.MagTop, s.MagSize,
                  s.MagSize);
      }
      DrawKeyLetter(h);
      break;
    }
    case PartKind::kTitle:
      DrawCentreTitle(magnified
                          ? ShownTitle(slots_.SlotTitle[static_cast<std::size_t>(h)]).toStdString()
                          : state_.tables.Shortcuts[kUserRecord].Title.Get());
      break;
    case PartKind::kCentre:
      DrawCentrePicture(centreImage_, kNoFade);
      break;
  }
}

// Everything a hover frame's parts depend on besides the hovered place and the title: when any
// of it changes, the surface no longer holds the parts that a partial frame keeps.
std::size_t DockWindow::FrameKey() const {
  std::size_t key = 0;
  for (const int value : {IconCount(), width(), height(), centreImage_, state_.TintMode ? 1 : 0,
                          state_.Dragging ? 1 : 0}) {
    Mix(key, value);
  }
  const auto mixPicture = [&key](const std::vector<ImageRow>& table, int row, int slot) {
    if (row >= 0 && row < static_cast<int>(table.size())) {
      Mix(key, table[static_cast<std::size_t>(row)][static_cast<std::size_t>(slot)].cacheKey());
    }
  };
  for (int k = 0; k <= IconCount() && k < kRingSlotCount; ++k) {
    const RingSlot& s = state_.ring.Slots[k];
    for (const int value : {s.PlateLeft, s.PlateTop, s.PlateSize, s.MagLeft, s.MagTop, s.MagSize,
                            s.LabelDX, s.LabelDY, slots_.SlotImage[k]}) {
      Mix(key, value);
    }
    mixPicture(images_.Items, slots_.SlotImage[k], 0);
    mixPicture(images_.Items, slots_.SlotImage[k], 1);
  }
  mixPicture(images_.Skin, kSkinBackSelectColor, 1);
  mixPicture(images_.Skin, kSkinBackSelectColor, 2);
  mixPicture(images_.Skin, kSkinBorder, 0);
  mixPicture(images_.Items, centreImage_ < 1 ? 0 : centreImage_, 0);
  return key;
}

// Keyboard mode draws key letters outside the parts and a dragged icon anywhere; a fractional
// pixel ratio would blend the edges of a cleared rectangle.
bool DockWindow::PartialFramesPossible() const {
  const qreal ratio = devicePixelRatioF();
  return state_.DockState == DockView::kShown && !state_.TintMode && !state_.Dragging &&
         PushedAlpha() == 255 && ratio == std::floor(ratio);
}

void DockWindow::NoteComposed(int hover, bool pressed) {
  composed_ = {};
  if (!PartialFramesPossible()) return;
  composed_ = {SurfaceSerial(), FrameKey(), hover, pressed, false};
}

bool DockWindow::ComposeChangedParts(int hover, bool pressed) {
  if (!PartialFramesPossible() || composed_.serial != SurfaceSerial()) return false;
  const std::size_t key = FrameKey();
  if (composed_.key != key) return false;
  const std::vector<FramePart> before = HoverParts(composed_.hover, composed_.pressed);
  const std::vector<FramePart> parts = HoverParts(hover, pressed);
  const auto changed = [&](const FramePart& part) {
    switch (part.kind) {
      case PartKind::kPlace:
        return part.slot == hover || part.slot == composed_.hover;
      case PartKind::kCentre:
        return composed_.centreStale;
      default:
        return true;
    }
  };
  QRegion dirty;
  for (const std::vector<FramePart>* frame : {&before, &parts}) {
    for (const FramePart& part : *frame) {
      if (changed(part)) dirty |= part.extent;
    }
  }
  std::vector<bool> redrawn(parts.size(), false);
  for (bool grew = true; grew;) {
    grew = false;
    for (std::size_t i = 0; i < parts.size(); ++i) {
      if (redrawn[i] || parts[i].extent.isEmpty() || !dirty.intersects(parts[i].extent)) continue;
      redrawn[i] = true;
      dirty |= parts[i].extent;
      grew = true;
    }
  }
  ClearPart(dirty);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (redrawn[i]) DrawPart(parts[i], pressed);
  }
  PushPart(dirty);
  // Drawing the parts changes nothing the key covers.
  composed_ = {SurfaceSerial(), key, hover, pressed, false};
  return true;
}

}  // namespace qav
