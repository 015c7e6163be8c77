#include "gui/launcher/screen_probe.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace qav {

QScreen* PointerScreen() {
  if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos())) return screen;
  return QGuiApplication::primaryScreen();
}

// The dock covers the work area (the screen less panels), so the "full-screen" size is the
// available geometry and no caption height is added back.
std::optional<ScreenInfo> ProbeScreen(const QScreen* screen) {
  if (!screen) return std::nullopt;
  const QRect area = screen->availableGeometry();
  ScreenInfo info;
  info.fullScreenWidth = area.width();
  info.fullScreenHeight = area.height();
  info.captionHeight = 0;
  info.dotsPerInchX = screen->logicalDotsPerInchX();
  info.dotsPerInchY = screen->logicalDotsPerInchY();
  info.workArea = {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
  for (const QScreen* other : QGuiApplication::screens()) {
    info.largestWidth = std::max(info.largestWidth, other->availableGeometry().width());
    info.largestHeight = std::max(info.largestHeight, other->availableGeometry().height());
  }
  return info;
}

std::optional<ScreenInfo> ProbePointerScreen() {
  return ProbeScreen(PointerScreen());
}

}  // namespace qav
