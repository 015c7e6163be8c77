// The launcher's part of type to search: the search window with what it needs, the index of the
// installed applications, and the search as the dock and the command line open it.

#include "core/environment/messages_locale.h"
#include "gui/dock/dock_window.h"
#include "gui/group_menu/group_menu_window.h"
#include "gui/group_menu/search_window.h"
#include "gui/launcher/launcher.h"
#include "gui/search/application_index.h"

namespace qav {

void Launcher::CreateSearch() {
  applications_ = std::make_unique<ApplicationIndex>(
      ApplicationIndexSources{platform_.folders.ApplicationFolders(),
                              MessagesLocale(platform_.system),
                              platform_.system.Environment("XDG_CURRENT_DESKTOP").value_or(""),
                              platform_.system.Environment("PATH").value_or("")},
      nullptr);
  SearchServices services{
      platform_,
      [this] { return Commands(); },
      shape_,
      shellIcons_,
      [this] { return applications_ ? applications_->Applications() : ApplicationList(); },
      [this](int slot) {
        if (dockWindow_) dockWindow_->PressSlot(slot, ClickMode::kKeyLetter);
      },
      [this](bool leave) {
        if (!dockWindow_) return;
        if (!leave) {
          dockWindow_->TakeKeyboard();
          return;
        }
        dockWindow_->EscCancel();
        if (state_.settings.Record.AutoHide == 1 && !state_.SettingsShown) {
          dockWindow_->MinWindows(DockView::kHidden);
        }
      }};
  searchWindow_ = std::make_unique<SearchWindow>(state_, images_, std::move(services));
  // The applications folders are read once the dock is up, on a thread of their own.
  QMetaObject::invokeMethod(
      &queuedCalls_, [this] { applications_->Start(); }, Qt::QueuedConnection);
}

// Keyboard mode first, so that the search is part of it: its second Esc leaves both.
void Launcher::OpenSearch(const std::string& text) {
  if (!searchWindow_ || !dockWindow_ || exited_) return;
  if (groupMenu_ && groupMenu_->MenuShown()) groupMenu_->EscCancel(true);
  if (!state_.TintMode) AltSpace();
  searchWindow_->OpenSearch(text);
}

bool Launcher::SearchShown() {
  return searchWindow_ && searchWindow_->SearchShown();
}

void Launcher::ForwardSearchKey(QKeyEvent* event) {
  if (SearchShown()) searchWindow_->ForwardSearchKey(event);
}

void Launcher::CloseSearch() {
  if (searchWindow_) searchWindow_->CloseSearch();
}

}  // namespace qav
