#include "dock/frm_main.h"

#include <QPainter>

namespace qav {
namespace {

QRect PlateRect(const RingSlot& slot) {
  return {slot.PlateLeft, slot.PlateTop, slot.PlateSize, slot.PlateSize};
}

}  // namespace

FrmMain::FrmMain(AppState& state) : state_(state) {
  setWindowTitle("QAV Launcher");
  setWindowFlags(Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnBottomHint |
                 Qt::WindowTransparentForInput);
  setAttribute(Qt::WA_TranslucentBackground);
  const ScreenRect& area = state_.screen.WorkArea;
  setGeometry(area.left, area.top, state_.screen.ScreenWidth, state_.screen.ScreenHeight);
}

void FrmMain::DockFocus(bool focus) {
  if (focus) raise();
  update();
}

// Until the dock's own drawing arrives, the ring is shown as plain plates at its slots.
void FrmMain::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const RingSlot& centre = state_.ring.Slots[0];
  painter.setPen(QPen(QColor(255, 255, 255, 200), 3));
  painter.setBrush(QColor(30, 40, 60, 170));
  painter.drawEllipse(QRect(centre.MagLeft, centre.MagTop, centre.MagSize, centre.MagSize));
  painter.setPen(QPen(QColor(255, 255, 255, 160), 2));
  painter.setBrush(QColor(60, 90, 140, 180));
  const int count = state_.settings.IconCount;
  for (int k = 1; k <= count && k < kRingSlotCount; ++k) {
    painter.drawRoundedRect(PlateRect(state_.ring.Slots[k]), 10, 10);
  }
  painter.setPen(Qt::white);
  painter.setFont(QFont("DejaVu Sans", 13, QFont::Bold));
  painter.drawText(PlateRect(centre), Qt::AlignCenter, "QAV");
}

}  // namespace qav
