#include "platform/linux/x11_window_shape.h"

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <QCoreApplication>

#include "platform/linux/x11_connection.h"

namespace qav::platform {
namespace {

// A window manager's frame around one of our windows, and where the window sits inside it.
struct Frame {
  xcb_window_t window = XCB_NONE;
  int16_t x = 0;
  int16_t y = 0;
};

// The windows between `window` and the root: a reparenting window manager puts a top-level
// window into a frame of its own, and the pointer finds the frame wherever the window's own input
// shape leaves a hole. Not every manager copies the window's input shape onto its frame (Openbox
// misses a shape set before it started watching the window), so the frames get the same holes.
std::vector<Frame> FramesAround(xcb_connection_t* connection, xcb_window_t window) {
  std::vector<Frame> frames;
  int x = 0;
  int y = 0;
  for (xcb_window_t child = window;;) {
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, child), nullptr));
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, child), nullptr));
    if (!tree || !geometry || tree->parent == XCB_NONE || tree->parent == tree->root) break;
    x += geometry->x + geometry->border_width;
    y += geometry->y + geometry->border_width;
    frames.push_back({tree->parent, static_cast<int16_t>(x), static_cast<int16_t>(y)});
    child = tree->parent;
  }
  return frames;
}

}  // namespace

X11WindowShape::~X11WindowShape() {
  if (watching_ && QCoreApplication::instance()) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
}

void X11WindowShape::SetInputRegion(std::uintptr_t window, const std::vector<ShapeRect>& rects) {
  if (!XcbConnection() || window == 0) return;
  WatchReparenting();
  regions_[window] = rects;
  Apply(window, rects);
}

void X11WindowShape::Apply(std::uintptr_t window, const std::vector<ShapeRect>& rects) {
  xcb_connection_t* connection = XcbConnection();
  if (!connection) return;
  std::vector<xcb_rectangle_t> boxes;
  boxes.reserve(rects.size());
  for (const ShapeRect& r : rects) boxes.push_back(ToXcb(r));
  const auto target = static_cast<xcb_window_t>(window);
  xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED,
                       target, 0, 0, static_cast<uint32_t>(boxes.size()), boxes.data());
  for (const Frame& frame : FramesAround(connection, target)) {
    xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT,
                         XCB_CLIP_ORDERING_UNSORTED, frame.window, frame.x, frame.y,
                         static_cast<uint32_t>(boxes.size()), boxes.data());
  }
  xcb_flush(connection);
}

void X11WindowShape::ClearInputRegion(std::uintptr_t window) {
  xcb_connection_t* connection = XcbConnection();
  if (!connection || window == 0) return;
  regions_.erase(window);
  const auto target = static_cast<xcb_window_t>(window);
  xcb_shape_mask(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, target, 0, 0, XCB_NONE);
  for (const Frame& frame : FramesAround(connection, target)) {
    xcb_shape_mask(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, frame.window, 0, 0, XCB_NONE);
  }
  xcb_flush(connection);
}

// A window manager usually frames a window just after it is shown, after its shape was set.
void X11WindowShape::WatchReparenting() {
  if (watching_ || !QCoreApplication::instance()) return;
  QCoreApplication::instance()->installNativeEventFilter(this);
  watching_ = true;
}

bool X11WindowShape::nativeEventFilter(const QByteArray& eventType, void* message,
                                       qintptr* /*result*/) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7F) != XCB_REPARENT_NOTIFY) return false;
  const auto* reparent = static_cast<const xcb_reparent_notify_event_t*>(message);
  const auto found = regions_.find(reparent->window);
  if (found != regions_.end()) Apply(found->first, found->second);
  return false;
}

}  // namespace qav::platform
