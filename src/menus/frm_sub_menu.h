#pragma once
// The group-menu window: full-screen, translucent, shown when a group opens.

#include <QWidget>

#include "startup/state/app_state.h"

namespace qav {

class FrmSubMenu final : public QWidget {
 public:
  explicit FrmSubMenu(AppState& state);

 private:
  AppState& state_;
};

}  // namespace qav
