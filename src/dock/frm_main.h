#pragma once
// The dock window: a frameless, translucent window over the whole work area that draws the ring.

#include <QWidget>

#include "startup/state/app_state.h"

namespace qav {

class FrmMain final : public QWidget {
 public:
  explicit FrmMain(AppState& state);

  // Brings the dock to the front (true) or lets it rest behind other windows (false).
  void DockFocus(bool focus);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AppState& state_;
};

}  // namespace qav
