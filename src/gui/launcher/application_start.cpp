#include "gui/launcher/application_start.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qav {
namespace {

// While the toolkit connects to the window system: its complaints about a display it cannot open
// end in an abort with a page of advice; a user gets one line and status 1 instead.
void StartMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const bool windowSystem = context.category && std::strncmp(context.category, "qt.qpa", 6) == 0;
  if (type == QtFatalMsg) {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool none = (!display || !*display) && (!wayland || !*wayland);
    std::fprintf(stderr, "qav-launcher: no display to show the dock on (%s)\n",
                 none ? "neither DISPLAY nor WAYLAND_DISPLAY is set"
                      : "the window system cannot be reached");
    std::_Exit(1);
  }
  if (windowSystem) return;  // the fatal message that follows, if any, says it once
  std::fputs(qFormatLogMessage(type, context, message).toLocal8Bit().append('\n').constData(),
             stderr);
}

// Makes the application with StartMessages in place; the usual handler comes back afterwards.
class ConnectingToDisplay {
 public:
  ConnectingToDisplay() : previous_(qInstallMessageHandler(StartMessages)) {}
  ~ConnectingToDisplay() { qInstallMessageHandler(previous_); }
  ConnectingToDisplay(const ConnectingToDisplay&) = delete;
  ConnectingToDisplay& operator=(const ConnectingToDisplay&) = delete;

 private:
  QtMessageHandler previous_;
};

}  // namespace

std::unique_ptr<QApplication> MakeApplication(int& argc, char** argv) {
  const ConnectingToDisplay connecting;
  return std::make_unique<QApplication>(argc, argv);
}

}  // namespace qav
