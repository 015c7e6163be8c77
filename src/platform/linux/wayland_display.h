#pragma once
// Qt's own connection to the Wayland compositor (none off Wayland: X11, tests), the globals the
// program binds on it besides Qt's, and the surfaces and outputs behind Qt's windows and screens.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QScreen;
class QWindow;

struct wl_compositor;
struct wl_display;
struct wl_output;
struct wl_registry;
struct wl_seat;
struct wl_subcompositor;
struct wl_surface;
struct ext_idle_notifier_v1;
struct org_kde_kwin_idle;
struct zwlr_layer_shell_v1;
struct zwlr_output_power_manager_v1;

namespace qav::platform {

// Qt runs on a Wayland compositor.
bool OnWayland();

class WaylandDisplay {
 public:
  // Binds what the compositor offers of the globals below, in one round trip on a queue of its
  // own, so that none of Qt's events is handled out of turn.
  WaylandDisplay();
  ~WaylandDisplay();
  WaylandDisplay(const WaylandDisplay&) = delete;
  WaylandDisplay& operator=(const WaylandDisplay&) = delete;

  bool Connected() const { return display_ != nullptr; }
  wl_display* Display() const { return display_; }
  wl_compositor* Compositor() const { return compositor_; }
  wl_subcompositor* Subcompositor() const { return subcompositor_; }
  // Null where the compositor has no layer shell (GNOME).
  zwlr_layer_shell_v1* LayerShell() const { return layerShell_; }
  std::uint32_t LayerShellVersion() const { return layerShellVersion_; }
  // Null where outputs cannot be switched off by a client (everywhere but wlroots compositors).
  zwlr_output_power_manager_v1* OutputPower() const { return outputPower_; }
  // Word of the user's return after a time without input: the standard protocol, or KDE's
  // older one (sway 1.7, KWin 5); either may be null.
  ext_idle_notifier_v1* IdleNotifier() const { return idleNotifier_; }
  org_kde_kwin_idle* KdeIdle() const { return kdeIdle_; }
  wl_seat* Seat() const { return seat_; }
  // `changed` runs on the user-interface thread whenever an output's scale has changed. Qt 6.4
  // applies a new scale only to surfaces made after it.
  void WhenScaleChanges(std::function<void()> changed) { scaleChanged_ = std::move(changed); }
  // Sends what was asked so far.
  void Flush() const;

  // The surface of a shown window; null before it is shown and after it is hidden.
  static wl_surface* SurfaceOf(QWindow* window);
  static wl_output* OutputOf(QScreen* screen);

  // For the registry's listener.
  void Offer(wl_registry* registry, std::uint32_t name, const char* interface,
             std::uint32_t version);
  void Remove(std::uint32_t name);
  struct Output {
    wl_output* proxy = nullptr;
    std::uint32_t name = 0;
    std::int32_t scale = 1;
    std::int32_t pending = 1;
    WaylandDisplay* display = nullptr;
  };
  void OutputDone(Output& output);

 private:
  wl_display* display_ = nullptr;
  wl_registry* registry_ = nullptr;
  wl_compositor* compositor_ = nullptr;
  wl_subcompositor* subcompositor_ = nullptr;
  zwlr_layer_shell_v1* layerShell_ = nullptr;
  std::uint32_t layerShellVersion_ = 0;
  zwlr_output_power_manager_v1* outputPower_ = nullptr;
  ext_idle_notifier_v1* idleNotifier_ = nullptr;
  org_kde_kwin_idle* kdeIdle_ = nullptr;
  wl_seat* seat_ = nullptr;
  std::vector<std::unique_ptr<Output>> outputs_;
  std::function<void()> scaleChanged_;
};

}  // namespace qav::platform
