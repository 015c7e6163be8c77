#include "menus/frm_sub_menu.h"

namespace qav {

FrmSubMenu::FrmSubMenu(AppState& state) : LayeredSurface(SurfaceKind::kMenu), state_(state) {
  const ScreenRect& area = state_.screen.WorkArea;
  IniForm(QRect(area.left, area.top, state_.screen.ScreenWidth, state_.screen.ScreenHeight));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  CreateGraphic(state_.settings.Record.ClearType == 1);
}

}  // namespace qav
