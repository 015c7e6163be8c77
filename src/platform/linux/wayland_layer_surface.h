#pragma once
// A surface's place in a layer of an output (the wlr layer shell): the whole output, at the
// desktop's level or over every window, with or without the keyboard. The compositor decides
// the size and must have said so before the surface shows anything, so the owner draws only
// once Configured() (and is told when that becomes true).

#include <cstdint>
#include <functional>

struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

namespace qav::platform {

enum class LayerLevel { kDesktop, kOverlay };

struct LayerPlace {
  LayerLevel level = LayerLevel::kOverlay;
  bool keyboard = false;  // takes every key while over the windows
  bool operator==(const LayerPlace&) const = default;
};

class WaylandLayerSurface {
 public:
  struct Events {
    std::function<void()> configured;  // the first time only
    std::function<void()> closed;      // the compositor ended it (its output went away)
  };
  // `surface` must have neither a role nor a buffer. The output is the compositor's choice.
  WaylandLayerSurface(zwlr_layer_shell_v1* shell, std::uint32_t shellVersion, wl_surface* surface,
                      LayerPlace place, Events events);
  ~WaylandLayerSurface();
  WaylandLayerSurface(const WaylandLayerSurface&) = delete;
  WaylandLayerSurface& operator=(const WaylandLayerSurface&) = delete;

  // Applies at once; false when the compositor's layer shell cannot move a surface between
  // layers (version 1), so that the owner makes a new one.
  bool Move(LayerPlace place);
  bool Configured() const { return configured_; }
  LayerPlace Place() const { return place_; }

  // For the listener.
  void OnConfigure(std::uint32_t serial);
  void OnClosed();

 private:
  void SetKeyboard(bool keyboard);

  zwlr_layer_surface_v1* layer_ = nullptr;
  wl_surface* surface_ = nullptr;
  std::uint32_t version_ = 0;
  LayerPlace place_;
  Events events_;
  bool configured_ = false;
};

}  // namespace qav::platform
