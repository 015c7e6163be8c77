#pragma once
// Qt's own connection to the X server (none off X11: tests, other platforms of Qt), and what every
// user of it needs: replies freed on every path, our rectangles in the protocol's form.

#include <xcb/xcb.h>

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/window_shape.h"

namespace qav::platform {

inline xcb_connection_t* XcbConnection() {
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

struct FreeXcbReply {
  void operator()(void* reply) const { std::free(reply); }
};

// A reply of the server, which xcb hands over for the caller to free.
template <typename T>
using XcbReply = std::unique_ptr<T, FreeXcbReply>;

inline xcb_rectangle_t ToXcb(const ShapeRect& r) {
  return {static_cast<std::int16_t>(r.x), static_cast<std::int16_t>(r.y),
          static_cast<std::uint16_t>(r.width), static_cast<std::uint16_t>(r.height)};
}

}  // namespace qav::platform
