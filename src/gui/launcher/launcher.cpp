#include "gui/launcher/launcher.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QThread>

#include "core/environment/registry_access.h"
#include "core/operations/data_files.h"
#include "core/operations/ini_param.h"
#include "core/operations/os_name.h"
#include "core/operations/screen_fit.h"
#include "core/shortcuts/classification.h"
#include "core/shortcuts/default_groups.h"
#include "gui/dialogs/getting_started_dialog.h"
#include "gui/dialogs/properties_dialog.h"
#include "gui/dock/dock_window.h"
#include "gui/group_menu/group_menu_window.h"
#include "gui/group_menu/search_window.h"
#include "gui/launcher/screen_probe.h"
#include "gui/search/application_index.h"
#include "gui/tray/item_context_menu.h"
#include "gui/tray/tray_icon.h"

namespace qav {
namespace {

constexpr AppVersion kVersion = {QAV_VERSION_MAJOR, QAV_VERSION_MINOR, QAV_VERSION_PATCH};

}  // namespace

Launcher::Launcher(platform::Platform& platform, platform::WindowShape& shape,
                   platform::HotKeys& hotKeys, platform::TrayHosts& trayHosts)
    : platform_(platform), shape_(shape), hotKeys_(hotKeys), trayHosts_(trayHosts) {}

Launcher::~Launcher() {
  platform_.launcher.TellLateFailures({});
}

bool Launcher::CheckOperatingSystem() {
  const OsName os = GetOSName(platform_.system.QueryOsVersion(), state_.OsMajor);
  state_.OsName = os.name;
  if (!os.unsupported) return true;
  platform_.messages.Show(platform::FilledMessage(
      UnsupportedOsMessage(os), QCoreApplication::translate("Launcher", "Warning !").toStdString(),
      platform::MessageIcon::kExclamation, platform::MessageButtons::kOk));
  return false;
}

void Launcher::PrepareDataFolders() {
  state_.paths = InitPaths(platform_.folders, platform_.system);
  pictures_ = std::make_unique<GraphicsItemPictures>(platform_.files, imageCache_, shellIcons_,
                                                     state_.paths.IconStore);
  dialogs_ = std::make_unique<QtDialogs>(platform_.launcher, platform_.messages, state_.OsName);
  // Only other programs read these values; the launcher runs the same without them.
  (void)WriteAppInfo(platform_.registry, state_.paths.ExecutablePath, kVersion);
  if (IsFirstRun(platform_.registry)) ClearDataFiles(state_.paths, true);
}

void Launcher::CreateForms() {
  trayIcon_ = std::make_unique<TrayIcon>(TrayServices{
      state_, hotKeys_, trayHosts_, [this] { return Commands(); }, *this, *this, *this});
  DockServices services{
      platform_, [this] { return Commands(); }, *pictures_, *this, *this, *this, *this, shape_,
      *this,     [this] { ShowStarted(true); }};
  dockWindow_ = std::make_unique<DockWindow>(state_, images_, std::move(services));
  dialogs_->SetOwner(dockWindow_.get());
  MenuServices menuServices{platform_,
                            [this] { return Commands(); },
                            *pictures_,
                            *this,
                            *this,
                            *this,
                            shape_,
                            [this] {
                              if (dockWindow_) dockWindow_->DockFocus(true);
                            },
                            [this] {
                              if (dockWindow_) dockWindow_->TakeKeyboard();
                            }};
  groupMenu_ = std::make_unique<GroupMenuWindow>(state_, images_, std::move(menuServices));
  ItemMenuServices itemServices{
      state_,     images_, platform_.messages,
      *pictures_, *this,   [this](bool addShortcut) { ShowProperties(addShortcut); }};
  itemMenu_ = std::make_unique<ItemContextMenu>(std::move(itemServices), *dockWindow_, *groupMenu_);
  CreateSearch();
  settings_ = std::make_unique<SettingsDialogHost>(SettingsDialogHostParts{
      state_, platform_, imageCache_, [this](const ReloadOptions& options) { ReloadAll(options); },
      [this] { dialogs_->ShowAbout(); }});
  settings_->SetWindows(dockWindow_.get(), groupMenu_.get(), trayIcon_.get());
  dialogs_->SetSettingsOpener([this] { settings_->Show(); });
  // Where the window system, not the program, picks the dock's screen and when it is drawn
  // anew, the dock follows it: laid out again there, at that screen's density.
  if (platform::WindowLayers* layers = shape_.Layers()) {
    layers->WhenDockPlaced([this](const std::string& name) {
      for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name().toStdString() != name) continue;
        if (screen == dockScreen_ && screen->devicePixelRatio() == imageCache_.DeviceRatio()) {
          continue;
        }
        dockScreenInfo_ = {};
        PlaceOnScreen(screen);
      }
    });
  }
}

void Launcher::ShowDock() {
  dockWindow_->show();
  dockWindow_->DockFocus(true);
}

// Drawing needs a screen; without one the program cannot show anything and ends. The dock
// starts on the screen that holds the pointer.
std::optional<ScreenInfo> Launcher::StartGdiPlus() {
  dockScreen_ = PointerScreen();
  auto screen = ProbeScreen(dockScreen_);
  if (!screen) {
    platform_.messages.Show(
        {QCoreApplication::translate("Launcher", "Load GDI+ Error!").toStdString(),
         QCoreApplication::translate("Launcher", "Pelgra Desktop Error").toStdString(),
         platform::MessageIcon::kCritical, platform::MessageButtons::kOk});
    return screen;
  }
  dockScreenInfo_ = *screen;
  return screen;
}

void Launcher::FollowPointer() {
  PlaceOnScreen(PointerScreen());
}

void Launcher::FollowScreens() {
  const bool stays = dockScreen_ && QGuiApplication::screens().contains(dockScreen_.data());
  PlaceOnScreen(stays ? dockScreen_.data() : PointerScreen());
}

// Only the working values follow the screen; the settings the user stored stay as they are.
void Launcher::PlaceOnScreen(QScreen* screen) {
  const auto info = ProbeScreen(screen);
  if (!info || !dockWindow_ || exited_) return;
  dockScreen_ = screen;
  if (*info == dockScreenInfo_) return;
  dockScreenInfo_ = *info;
  FitToScreen(state_, *info);
  // Another density: every picture again at the new number of device pixels.
  if (screen->devicePixelRatio() != imageCache_.DeviceRatio()) {
    imageCache_.SetDeviceRatio(screen->devicePixelRatio());
    imageCache_.FreeAllImages();
    imageCache_.LoadSkinImages();
  }
  if (groupMenu_) groupMenu_->FollowScreen();
  if (searchWindow_) searchWindow_->FollowScreen();
  dockWindow_->FollowScreen();
}

bool Launcher::Start() {
  if (!CheckOperatingSystem()) return false;
  PrepareDataFolders();
  platform_.process.EnableShutdownPrivilege();
  platform_.process.SetShutdownOrder();
  const auto screen = StartGdiPlus();
  if (!screen) return false;
  imageCache_.SetDeviceRatio(dockScreen_->devicePixelRatio());
  IniParam(state_, true, true, true, platform_, *screen, *pictures_);
  CommandContext commands = Commands();
  ShowDesktopIcons(commands, state_.settings.Record.HideDesktopIcons != 0);
  CreateForms();
  // An opener that gives up a moment after it was started is told as one refused at once is.
  platform_.launcher.TellLateFailures([this](const std::string& target, const std::string& why) {
    TellCannotOpen(platform_.messages, target, why);
  });
  imageCache_.LoadSkinImages(true);
  platform_.process.TrimWorkingSet();
  SetMinimizedPosition(state_.ring, state_.screen, state_.settings.Record.MinimizedPosition);
  QCoreApplication::processEvents();
  ShowDock();
  // Group members show only in their menus: their pictures are built once the dock is up, before
  // any input or request is handled, so every later step (and the files saved) sees them all.
  QMetaObject::invokeMethod(
      &queuedCalls_,
      [this] {
        imageCache_.LoadPutOffPictures();
        // What building the pictures freed goes back to the system, not to the next frame.
        platform_.process.TrimWorkingSet();
      },
      Qt::QueuedConnection);
  QMetaObject::invokeMethod(
      &queuedCalls_, [this] { trayIcon_->PutUpIcon(); }, Qt::QueuedConnection);
  screenWatcher_ = std::make_unique<ScreenWatcher>([this] { FollowScreens(); });
  // Once the dock is up, never in the middle of building it.
  QMetaObject::invokeMethod(
      &queuedCalls_, [this] { TellLeftOutEntries(state_, platform_.messages); },
      Qt::QueuedConnection);
  ShowStarted(false);
  return true;
}

void Launcher::SaveForSession() {
  if (!exited_) SaveConfiguration(state_, platform_);
}

void Launcher::ExitApplication() {
  QMetaObject::invokeMethod(
      &queuedCalls_, [this] { ExitNow(); }, Qt::QueuedConnection);
}

void Launcher::ExitNow() {
  Leave(platform_);
}

void Launcher::Terminate(platform::MessageBoxes& notices) {
  if (exited_) {
    QCoreApplication::quit();
    return;
  }
  platform::Platform services = platform::WithMessages(platform_, notices);
  Leave(services);
}

void Launcher::Leave(platform::Platform& services) {
  if (exited_) return;
  exited_ = true;
  SaveConfiguration(state_, services);
  // After the save, so that a stored wish to hide the desktop icons survives for the next start.
  CommandContext commands = Commands();
  ShowDesktopIcons(commands, false);
  ShowTaskbar(commands, false);
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QCoreApplication::quit();
}

void Launcher::ReloadAll(const ReloadOptions& options) {
  ReloadAll(options, platform_.messages);
}

void Launcher::ReloadAll(const ReloadOptions& options, platform::MessageBoxes& messages) {
  if (!dockScreen_) dockScreen_ = PointerScreen();
  const auto screen = ProbeScreen(dockScreen_);
  if (!screen) return;
  dockScreenInfo_ = *screen;
  imageCache_.FreeAllImages();
  platform::Platform services = platform::WithMessages(platform_, messages);
  Classifier classifier({state_.tables, state_.paths, platform_.system, platform_.registry,
                         platform_.volumes, messages, *pictures_, state_.settings.IconCount});
  ReloadTables(state_, options, services, *screen, *pictures_,
               [&classifier](int record) { classifier.RefreshItemIcon(record); });
  imageCache_.LoadSkinImages();
  platform_.process.TrimWorkingSet();
  QCoreApplication::processEvents();
  if (dockWindow_) dockWindow_->DockFocus(true);
}

void Launcher::EscCancel() {
  if (dockWindow_) dockWindow_->EscCancel();
}

void Launcher::MinWindows(DockView state) {
  if (state == DockView::kShown) FollowPointer();
  if (dockWindow_) dockWindow_->MinWindows(state);
}

void Launcher::DockFocus(bool show) {
  if (show) FollowPointer();
  if (dockWindow_) dockWindow_->DockFocus(show);
}

void Launcher::DockNormal() {
  if (dockWindow_) dockWindow_->DockNormal(false);
}

void Launcher::AltSpace() {
  FollowPointer();
  if (dockWindow_) dockWindow_->AltSpace();
}

void Launcher::SendToBottom() {
  if (dockWindow_) dockWindow_->Lower();
}

void Launcher::ShowItemMenu(int record, int slot) {
  if (itemMenu_) itemMenu_->ShowItemMenu(record, slot);
}

// Modal over the dock; in add mode it appends a member to the group CurrentRecord.
void Launcher::ShowProperties(bool addShortcut) {
  if (addShortcut && RefuseFullGroup(state_.tables, state_.CurrentRecord, platform_.messages)) {
    return;
  }
  PropertyServices services{state_,
                            platform_,
                            *pictures_,
                            dialogs_->files(),
                            shellIcons_,
                            [this](int record) { imageCache_.DropCustomIcon(record); },
                            [this] {
                              if (dockWindow_) dockWindow_->IniIconParam();
                            },
                            [this] {
                              if (dockWindow_) dockWindow_->DockNormal(false);
                            },
                            [this] { SaveMenu(); },
                            platform_.folders.ApplicationFolders()};
  PropertiesDialog dialog(std::move(services), addShortcut, dockWindow_.get());
  dialog.exec();
}

// Beside the dock rather than modal, so the pages can be read while trying the ring. F1 always
// starts on the first page, even when the window was turned off.
void Launcher::ShowStarted(bool fromKey) {
  std::int16_t& page = state_.settings.Record.StartedPage;
  if (fromKey) page = 0;
  if (started_) {
    started_->raise();
    started_->activateWindow();
    return;
  }
  if (page == kStartedOff) return;
  started_ = new GettingStartedDialog(
      page, [this] { SaveSettings(); }, dockWindow_.get());
  started_->setAttribute(Qt::WA_DeleteOnClose);
  started_->show();
}

void Launcher::MenuFocus(bool show, int slot) {
  if (groupMenu_) groupMenu_->MenuFocus(show, slot);
}

bool Launcher::MenuShown() {
  return groupMenu_ && groupMenu_->MenuShown();
}

void Launcher::MenuEscCancel(bool keepFocus) {
  if (groupMenu_) groupMenu_->EscCancel(keepFocus);
}

bool Launcher::MenuBusy() {
  return groupMenu_ && groupMenu_->MenuBusy();
}

void Launcher::MenuRefresh() {
  if (groupMenu_) groupMenu_->MenuRefresh();
}

void Launcher::Sleep(int milliseconds) {
  QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void Launcher::ProcessEvents() {
  QCoreApplication::processEvents();
}

void Launcher::SaveSettings() {
  SaveSettingsFile(state_.settings, state_, platform_);
}

void Launcher::SaveMenu() {
  SaveMenuFile(state_, platform_);
}

CommandContext Launcher::Commands() {
  const QLocale locale;
  return {state_,
          platform_,
          *pictures_,
          *this,
          *dialogs_,
          *this,
          [](int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); },
          locale.decimalPoint().toStdString(),
          locale.groupSeparator().toStdString()};
}

}  // namespace qav
