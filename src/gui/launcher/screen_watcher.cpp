#include "gui/launcher/screen_watcher.h"

#include <QGuiApplication>
#include <QScreen>

namespace qav {
namespace {

constexpr int kSettleMilliseconds = 100;

}  // namespace

ScreenWatcher::ScreenWatcher(std::function<void()> changed) : changed_(std::move(changed)) {
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMilliseconds);
  connect(&settle_, &QTimer::timeout, this, [this] { changed_(); });
  for (QScreen* screen : QGuiApplication::screens()) Watch(screen);
  connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
    Watch(screen);
    settle_.start();
  });
  connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] { settle_.start(); });
  connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this] { settle_.start(); });
}

void ScreenWatcher::Watch(QScreen* screen) {
  connect(screen, &QScreen::geometryChanged, this, [this] { settle_.start(); });
  connect(screen, &QScreen::availableGeometryChanged, this, [this] { settle_.start(); });
}

}  // namespace qav
