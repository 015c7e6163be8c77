#include "platform/linux/x11_window_pixels.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/linux/x11_connection.h"

namespace qav::platform {
namespace {

constexpr std::uint8_t kDepth = 32;
constexpr std::size_t kPutImageHeader = 24;  // bytes before the pixels in a PutImage request

bool ServerOrderMatches(xcb_connection_t* connection) {
  const xcb_setup_t* setup = xcb_get_setup(connection);
  const bool lsbFirst = std::endian::native == std::endian::little;
  if (setup->image_byte_order !=
      (lsbFirst ? XCB_IMAGE_ORDER_LSB_FIRST : XCB_IMAGE_ORDER_MSB_FIRST)) {
    return false;
  }
  for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem > 0; xcb_format_next(&it)) {
    if (it.data->depth == kDepth) return it.data->bits_per_pixel == 32;
  }
  return false;
}

bool DeepEnough(xcb_connection_t* connection, xcb_window_t window) {
  const XcbReply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
  return geometry && geometry->depth == kDepth;
}

// Rows of `rows` from `first`, as PutImage wants them: packed, each channel scaled by alpha.
void Pack(const PixelRows& rows, int first, int count, int alpha, std::vector<std::uint8_t>& out) {
  const auto rowBytes = static_cast<std::size_t>(rows.width) * 4;
  out.resize(rowBytes * static_cast<std::size_t>(count));
  for (int r = 0; r < count; ++r) {
    const std::uint8_t* from = rows.bits + static_cast<std::ptrdiff_t>(first + r) * rows.stride;
    std::uint8_t* to = out.data() + rowBytes * static_cast<std::size_t>(r);
    if (alpha >= 255) {
      std::memcpy(to, from, rowBytes);
      continue;
    }
    for (std::size_t b = 0; b < rowBytes; ++b) {
      to[b] = static_cast<std::uint8_t>((from[b] * alpha + 127) / 255);
    }
  }
}

}  // namespace

X11WindowPixels::~X11WindowPixels() {
  xcb_connection_t* connection = XcbConnection();
  if (!connection) return;
  for (const auto& [window, target] : targets_) {
    if (target.gc != XCB_NONE) xcb_free_gc(connection, target.gc);
  }
  xcb_flush(connection);
}

X11WindowPixels::Target& X11WindowPixels::TargetFor(std::uintptr_t window) {
  const auto found = targets_.find(window);
  if (found != targets_.end()) return found->second;
  Target& target = targets_[window];
  xcb_connection_t* connection = XcbConnection();
  const auto id = static_cast<xcb_window_t>(window);
  if (!connection || window == 0 || !ServerOrderMatches(connection) ||
      !DeepEnough(connection, id)) {
    return target;
  }
  target.gc = xcb_generate_id(connection);
  xcb_create_gc(connection, target.gc, id, 0, nullptr);
  target.usable = true;
  return target;
}

bool X11WindowPixels::Available(std::uintptr_t window) {
  return TargetFor(window).usable;
}

void X11WindowPixels::Put(std::uintptr_t window, int x, int y, const PixelRows& rows, int alpha) {
  const Target& target = TargetFor(window);
  xcb_connection_t* connection = XcbConnection();
  if (!target.usable || !connection || rows.width <= 0 || rows.height <= 0) return;
  const std::size_t limit = std::size_t{xcb_get_maximum_request_length(connection)} * 4;
  const auto rowBytes = static_cast<std::size_t>(rows.width) * 4;
  const int perRequest =
      static_cast<int>(std::max<std::size_t>((limit - kPutImageHeader) / rowBytes, 1));
  // Whole rows of the surface at full alpha go as they lie; anything else is packed first.
  const bool asTheyLie = alpha >= 255 && static_cast<std::size_t>(rows.stride) == rowBytes;
  for (int first = 0; first < rows.height; first += perRequest) {
    const int count = std::min(perRequest, rows.height - first);
    const std::uint8_t* data = rows.bits + static_cast<std::ptrdiff_t>(first) * rows.stride;
    if (!asTheyLie) {
      Pack(rows, first, count, alpha, piece_);
      data = piece_.data();
    }
    xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, static_cast<xcb_window_t>(window),
                  target.gc, static_cast<std::uint16_t>(rows.width),
                  static_cast<std::uint16_t>(count), static_cast<std::int16_t>(x),
                  static_cast<std::int16_t>(y + first), 0, kDepth,
                  static_cast<std::uint32_t>(rowBytes * static_cast<std::size_t>(count)), data);
  }
  // The next frame's pieces are as large: kept, not freed; but not a whole screen's worth.
  if (piece_.capacity() > (std::size_t{1} << 20)) piece_ = {};
  xcb_flush(connection);
}

void X11WindowPixels::Fill(std::uintptr_t window, const std::vector<ShapeRect>& rects,
                           std::uint32_t pixel) {
  const Target& target = TargetFor(window);
  xcb_connection_t* connection = XcbConnection();
  if (!target.usable || !connection || rects.empty()) return;
  // The window's pixels are laid out as the surface's (checked when the target was made).
  xcb_change_gc(connection, target.gc, XCB_GC_FOREGROUND, &pixel);
  std::vector<xcb_rectangle_t> boxes;
  boxes.reserve(rects.size());
  for (const ShapeRect& r : rects) boxes.push_back(ToXcb(r));
  xcb_poly_fill_rectangle(connection, static_cast<xcb_window_t>(window), target.gc,
                          static_cast<std::uint32_t>(boxes.size()), boxes.data());
  xcb_flush(connection);
}

void X11WindowPixels::Forget(std::uintptr_t window) {
  const auto found = targets_.find(window);
  if (found == targets_.end()) return;
  xcb_connection_t* connection = XcbConnection();
  if (connection && found->second.gc != XCB_NONE) xcb_free_gc(connection, found->second.gc);
  targets_.erase(found);
}

}  // namespace qav::platform
