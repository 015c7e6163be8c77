#pragma once
// The built-in records every start rebuilds before the menu file is read: the user item at the
// centre, My Computer, the recycle bin, the three built-in groups of command items, and the
// template records whose pictures serve as fallbacks.

#include <string>

#include "base/ui_text.h"
#include "core/store/records.h"

namespace qav {

struct CatalogContext {
  std::string sysIconsFolder;
  std::string userIconFile;  // the user's picture, used when the file exists
  std::string userName;
  bool hideDesktopIcons = false;
  bool draggingLocked = false;
  bool recycleBinFull = false;
};

// The titles of the built-in items that change while the program runs. The pictures of the
// dragging command are named by its English titles.
inline constexpr const char* kUserDocumentsTitle = QAV_TEXT("Core", "Open %1's Documents");
inline constexpr const char* kShowDesktopIconsTitle = QAV_TEXT("Core", "Always Show Desktop Icons");
inline constexpr const char* kHideDesktopIconsTitle = QAV_TEXT("Core", "Always Hide Desktop Icons");
inline constexpr const char* kAllowDraggingTitle = QAV_TEXT("Core", "Allow Dragging");
inline constexpr const char* kLockDraggingTitle = QAV_TEXT("Core", "Lock Dragging");

void BuildCatalog(Tables& tables, const CatalogContext& context);
void BuildCatalogTemplates(Tables& tables, const CatalogContext& context);

// The recycle-bin face that matches the bin's state: the full or the empty template.
int RecycleBinTemplate(bool full);

// Command numbers of the built-in items (their record numbers).
enum BuiltInCommand : int {
  kCmdUserDocuments = 65,
  kCmdChangeUser = 66,
  kCmdSettings = 67,
  kCmdAbout = 68,
  kCmdMinimize = 69,
  kCmdHide = 70,
  kCmdExit = 71,
  kCmdDesktopIcons = 72,
  kCmdSwitchDesktop = 73,
  kCmdDragging = 74,
  kCmdSleep = 75,
  kCmdShutDown = 76,
  kCmdRestart = 77,
  kCmdLogOff = 78,
  kCmdLock = 79,
  kCmdMonitorOff = 80,
  kCmdComputer = 81,
  kCmdProperties = 82,
  kCmdPersonalize = 83,
  kCmdScreenResolution = 84,
  kCmdUninstall = 85,
  kCmdNetwork = 86,
  kCmdInternetOptions = 87,
  kCmdControlPanel = 88,
  kCmdWorkgroup = 89,
  kCmdPrinters = 90,
  kCmdDeviceManager = 91,
  kCmdSearch = 92,
  kCmdRun = 93,
  kCmdNetworkConnections = 94,
  kCmdEmptyRecycleBin = 101,
  kCmdOpenRecycleBin = 102,
  kCmdRecycleBinStatus = 103,
};

}  // namespace qav
