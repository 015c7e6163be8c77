#include "menus/frm_sub_menu.h"

namespace qav {

FrmSubMenu::FrmSubMenu(AppState& state) : state_(state) {
  setWindowFlags(Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_TranslucentBackground);
  const ScreenRect& area = state_.screen.WorkArea;
  setGeometry(area.left, area.top, state_.screen.ScreenWidth, state_.screen.ScreenHeight);
}

}  // namespace qav
