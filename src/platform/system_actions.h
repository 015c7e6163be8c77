#pragma once
// Power actions, the monitor, the desktop's own pages and the programs registered for web pages
// and mail. Every action goes through the desktop's normal checks (it may ask, or refuse).

#include <string>

namespace qav::platform {

enum class PowerAction { kShutDown, kRestart, kSleep, kLogOff, kLock };

// The system pages the built-in commands open.
enum class SystemPage {
  kComputer,            // "My Computer": the file manager at the computer's top level
  kSystemProperties,    // "Properties": about this computer
  kPersonalize,         // appearance, background
  kScreenResolution,    // display settings
  kUninstall,           // installed software
  kNetwork,             // network places / network settings
  kInternetOptions,     // the web browser's settings
  kControlPanel,        // the desktop's settings centre
  kWorkgroup,           // computers on the local network
  kPrinters,            // printers
  kDeviceManager,       // hardware
  kSearch,              // file search
  kNetworkConnections,  // connection editor
  kTrash,               // the trash folder
};

enum class DefaultProgramKind { kWebBrowser = 0, kMail = 1 };

class SystemActions {
 public:
  virtual ~SystemActions() = default;
  // True when the request was handed to the system.
  virtual bool Power(PowerAction action) = 0;
  virtual bool MonitorOff() = 0;
  // False when this desktop has no equivalent of the page (the caller tells the user).
  virtual bool OpenPage(SystemPage page) = 0;
  // Opens a folder in the file manager.
  virtual bool OpenFolder(const std::string& folder) = 0;
  // The program the desktop runs for web pages or mail ("http", "mailto"), as a path; empty when
  // none is set.
  virtual std::string DefaultProgram(DefaultProgramKind kind) = 0;
};

}  // namespace qav::platform
