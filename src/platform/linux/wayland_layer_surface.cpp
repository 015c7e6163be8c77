#include "platform/linux/wayland_layer_surface.h"

#include <wayland-client.h>

#include "wlr-layer-shell-unstable-v1-client-protocol.h"

namespace qav::platform {
namespace {

// The dock covers the whole output, over the panels' reserved edges too, as its X11 window
// covers the screen's work area.
constexpr std::uint32_t kAllEdges =
    ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
    ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;
constexpr const char* kNamespace = "qav-launcher";

std::uint32_t ProtocolLayer(LayerLevel level) {
  return level == LayerLevel::kOverlay ? ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY
                                       : ZWLR_LAYER_SHELL_V1_LAYER_BOTTOM;
}

void OnConfigure(void* data, zwlr_layer_surface_v1*, std::uint32_t serial, std::uint32_t,
                 std::uint32_t) {
  static_cast<WaylandLayerSurface*>(data)->OnConfigure(serial);
}

void OnClosed(void* data, zwlr_layer_surface_v1*) {
  static_cast<WaylandLayerSurface*>(data)->OnClosed();
}

const zwlr_layer_surface_v1_listener kListener = {OnConfigure, OnClosed};

}  // namespace

WaylandLayerSurface::WaylandLayerSurface(zwlr_layer_shell_v1* shell, std::uint32_t shellVersion,
                                         wl_surface* surface, LayerPlace place, Events events)
    : surface_(surface), version_(shellVersion), place_(place), events_(std::move(events)) {
  layer_ = zwlr_layer_shell_v1_get_layer_surface(shell, surface, nullptr,
                                                 ProtocolLayer(place.level), kNamespace);
  zwlr_layer_surface_v1_add_listener(layer_, &kListener, this);
  zwlr_layer_surface_v1_set_anchor(layer_, kAllEdges);
  zwlr_layer_surface_v1_set_size(layer_, 0, 0);
  zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1);
  SetKeyboard(place.keyboard);
  wl_surface_commit(surface_);
}

WaylandLayerSurface::~WaylandLayerSurface() {
  zwlr_layer_surface_v1_destroy(layer_);
}

bool WaylandLayerSurface::Move(LayerPlace place) {
  if (place == place_) return true;
  if (place.level != place_.level) {
    if (version_ < ZWLR_LAYER_SURFACE_V1_SET_LAYER_SINCE_VERSION) return false;
    zwlr_layer_surface_v1_set_layer(layer_, ProtocolLayer(place.level));
  }
  place_ = place;
  SetKeyboard(place.keyboard);
  wl_surface_commit(surface_);
  return true;
}

// Without the keyboard the dock never keeps keys from the program the user works in; with it,
// over the windows, it has every key until it goes down again (keyboard mode, an open menu).
void WaylandLayerSurface::SetKeyboard(bool keyboard) {
  zwlr_layer_surface_v1_set_keyboard_interactivity(
      layer_, keyboard ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                       : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
}

void WaylandLayerSurface::OnConfigure(std::uint32_t serial) {
  zwlr_layer_surface_v1_ack_configure(layer_, serial);
  if (configured_) return;
  configured_ = true;
  if (events_.configured) events_.configured();
}

void WaylandLayerSurface::OnClosed() {
  if (events_.closed) events_.closed();
}

}  // namespace qav::platform
