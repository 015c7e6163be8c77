#pragma once
// Tells when the screens change while the program runs: a screen added or removed, or one's
// geometry or work area changed. A burst of changes (a monitor plugged in moves and resizes the
// others, the panels then shrink the work areas) is told once, after it has settled.

#include <QObject>
#include <QTimer>

#include <functional>

class QScreen;

namespace qav {

class ScreenWatcher final : public QObject {
 public:
  explicit ScreenWatcher(std::function<void()> changed);

 private:
  void Watch(QScreen* screen);

  std::function<void()> changed_;
  QTimer settle_;
};

}  // namespace qav
