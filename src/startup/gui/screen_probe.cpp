#include "startup/gui/screen_probe.h"

#include <QGuiApplication>
#include <QScreen>

namespace qav {

// The dock covers the work area (the screen less panels), so the "full-screen" size is the
// available geometry and no caption height is added back.
std::optional<ScreenInfo> ProbePrimaryScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return std::nullopt;
  const QRect area = screen->availableGeometry();
  ScreenInfo info;
  info.fullScreenWidth = area.width();
  info.fullScreenHeight = area.height();
  info.captionHeight = 0;
  info.dotsPerInchX = screen->logicalDotsPerInchX();
  info.dotsPerInchY = screen->logicalDotsPerInchY();
  info.workArea = {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
  return info;
}

}  // namespace qav
