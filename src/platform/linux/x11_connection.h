#pragma once
// Qt's own connection to the X server, or none off X11 (tests, other platforms of Qt).

#include <xcb/xcb.h>

#include <QGuiApplication>

namespace qav::platform {

inline xcb_connection_t* XcbConnection() {
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

}  // namespace qav::platform
