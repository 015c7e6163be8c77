#include "platform/linux/x11_window_shape.h"

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <QGuiApplication>

namespace qav::platform {
namespace {

xcb_connection_t* Connection() {
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

xcb_rectangle_t ToXcb(const ShapeRect& r) {
  return {static_cast<int16_t>(r.x), static_cast<int16_t>(r.y), static_cast<uint16_t>(r.width),
          static_cast<uint16_t>(r.height)};
}

}  // namespace

void X11WindowShape::SetInputRegion(std::uintptr_t window, const std::vector<ShapeRect>& rects) {
  xcb_connection_t* connection = Connection();
  if (!connection || window == 0) return;
  std::vector<xcb_rectangle_t> boxes;
  boxes.reserve(rects.size());
  for (const ShapeRect& r : rects) boxes.push_back(ToXcb(r));
  xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED,
                       static_cast<xcb_window_t>(window), 0, 0, static_cast<uint32_t>(boxes.size()),
                       boxes.data());
  xcb_flush(connection);
}

void X11WindowShape::ClearInputRegion(std::uintptr_t window) {
  xcb_connection_t* connection = Connection();
  if (!connection || window == 0) return;
  xcb_shape_mask(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT,
                 static_cast<xcb_window_t>(window), 0, 0, XCB_NONE);
  xcb_flush(connection);
}

}  // namespace qav::platform
