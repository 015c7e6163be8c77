#include "platform/linux/wayland_display.h"

#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cstring>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "wlr-output-power-management-unstable-v1-client-protocol.h"

namespace qav::platform {
namespace {

// The newest versions of the interfaces whose requests and events the program knows.
constexpr std::uint32_t kLayerShellVersion = 4;

QPlatformNativeInterface* Native() {
  return qGuiApp ? QGuiApplication::platformNativeInterface() : nullptr;
}

void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t version) {
  static_cast<WaylandDisplay*>(data)->Offer(registry, name, interface, version);
}

void OnGlobalRemoved(void* data, wl_registry*, std::uint32_t name) {
  static_cast<WaylandDisplay*>(data)->Remove(name);
}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemoved};

using Output = WaylandDisplay::Output;

void OnOutputGeometry(void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                      std::int32_t, const char*, const char*, std::int32_t) {}
void OnOutputMode(void*, wl_output*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) {}
void OnOutputDone(void* data, wl_output*) {
  auto* output = static_cast<Output*>(data);
  output->display->OutputDone(*output);
}
void OnOutputScale(void* data, wl_output*, std::int32_t factor) {
  static_cast<Output*>(data)->pending = factor;
}
// Bound at version 2: the name and description events of later versions never come.
const wl_output_listener kOutputListener = {OnOutputGeometry, OnOutputMode, OnOutputDone,
                                            OnOutputScale,    nullptr,      nullptr};

template <typename T>
T* Bind(wl_registry* registry, std::uint32_t name, const wl_interface& interface,
        std::uint32_t version) {
  return static_cast<T*>(wl_registry_bind(registry, name, &interface, version));
}

// Events of a bound global go to Qt's queue from now on, handled on the user-interface thread
// whenever Qt handles its own.
void ToDefaultQueue(void* proxy) {
  if (proxy != nullptr) wl_proxy_set_queue(static_cast<wl_proxy*>(proxy), nullptr);
}

}  // namespace

bool OnWayland() {
  return qGuiApp && QGuiApplication::platformName().startsWith("wayland");
}

WaylandDisplay::WaylandDisplay() {
  QPlatformNativeInterface* native = OnWayland() ? Native() : nullptr;
  if (native == nullptr) return;
  display_ = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
  if (display_ == nullptr) return;
  wl_event_queue* queue = wl_display_create_queue(display_);
  auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display_));
  wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
  registry_ = wl_display_get_registry(wrapper);
  wl_proxy_wrapper_destroy(wrapper);
  wl_registry_add_listener(registry_, &kRegistryListener, this);
  wl_display_roundtrip_queue(display_, queue);
  for (void* proxy : {static_cast<void*>(registry_), static_cast<void*>(compositor_),
                      static_cast<void*>(subcompositor_), static_cast<void*>(layerShell_),
                      static_cast<void*>(outputPower_), static_cast<void*>(idleNotifier_),
                      static_cast<void*>(kdeIdle_), static_cast<void*>(seat_)}) {
    ToDefaultQueue(proxy);
  }
  for (const auto& output : outputs_) ToDefaultQueue(output->proxy);
  wl_event_queue_destroy(queue);
}

WaylandDisplay::~WaylandDisplay() {
  if (display_ == nullptr) return;
  if (outputPower_) zwlr_output_power_manager_v1_destroy(outputPower_);
  if (idleNotifier_) ext_idle_notifier_v1_destroy(idleNotifier_);
  if (kdeIdle_) wl_proxy_destroy(reinterpret_cast<wl_proxy*>(kdeIdle_));
  if (seat_) wl_seat_destroy(seat_);
  for (const auto& output : outputs_) wl_output_destroy(output->proxy);
  if (layerShell_) {
    if (layerShellVersion_ >= ZWLR_LAYER_SHELL_V1_DESTROY_SINCE_VERSION) {
      zwlr_layer_shell_v1_destroy(layerShell_);
    } else {
      wl_proxy_destroy(reinterpret_cast<wl_proxy*>(layerShell_));
    }
  }
  if (subcompositor_) wl_subcompositor_destroy(subcompositor_);
  if (compositor_) wl_compositor_destroy(compositor_);
  if (registry_) wl_registry_destroy(registry_);
  Flush();
}

void WaylandDisplay::Offer(wl_registry* registry, std::uint32_t name, const char* interface,
                           std::uint32_t version) {
  const auto is = [interface](const wl_interface& known) {
    return std::strcmp(interface, known.name) == 0;
  };
  if (is(wl_compositor_interface) && !compositor_) {
    compositor_ = Bind<wl_compositor>(registry, name, wl_compositor_interface, 1);
  } else if (is(wl_subcompositor_interface) && !subcompositor_) {
    subcompositor_ = Bind<wl_subcompositor>(registry, name, wl_subcompositor_interface, 1);
  } else if (is(zwlr_layer_shell_v1_interface) && !layerShell_) {
    layerShellVersion_ = std::min(version, kLayerShellVersion);
    layerShell_ = Bind<zwlr_layer_shell_v1>(registry, name, zwlr_layer_shell_v1_interface,
                                            layerShellVersion_);
  } else if (is(zwlr_output_power_manager_v1_interface) && !outputPower_) {
    outputPower_ = Bind<zwlr_output_power_manager_v1>(registry, name,
                                                      zwlr_output_power_manager_v1_interface, 1);
  } else if (is(ext_idle_notifier_v1_interface) && !idleNotifier_) {
    idleNotifier_ = Bind<ext_idle_notifier_v1>(registry, name, ext_idle_notifier_v1_interface, 1);
  } else if (is(org_kde_kwin_idle_interface) && !kdeIdle_) {
    kdeIdle_ = Bind<org_kde_kwin_idle>(registry, name, org_kde_kwin_idle_interface, 1);
  } else if (is(wl_output_interface) && version >= 2) {
    // Its scale, which Qt does not pass on to the surfaces it already made.
    auto output = std::make_unique<Output>();
    output->name = name;
    output->display = this;
    output->proxy = Bind<wl_output>(registry, name, wl_output_interface, 2);
    wl_output_add_listener(output->proxy, &kOutputListener, output.get());
    outputs_.push_back(std::move(output));
  } else if (is(wl_seat_interface) && !seat_) {
    // Idle times are counted per seat; one is enough to tell that the user is back.
    seat_ = Bind<wl_seat>(registry, name, wl_seat_interface, 1);
  }
}

void WaylandDisplay::Remove(std::uint32_t name) {
  std::erase_if(outputs_, [name](const std::unique_ptr<Output>& output) {
    if (output->name != name) return false;
    wl_output_destroy(output->proxy);
    return true;
  });
}

void WaylandDisplay::OutputDone(Output& output) {
  if (output.pending == output.scale) return;
  output.scale = output.pending;
  if (scaleChanged_) scaleChanged_();
}

void WaylandDisplay::Flush() const {
  if (display_) wl_display_flush(display_);
}

wl_surface* WaylandDisplay::SurfaceOf(QWindow* window) {
  QPlatformNativeInterface* native = Native();
  if (native == nullptr || window == nullptr || !window->handle()) return nullptr;
  return static_cast<wl_surface*>(native->nativeResourceForWindow("surface", window));
}

wl_output* WaylandDisplay::OutputOf(QScreen* screen) {
  QPlatformNativeInterface* native = Native();
  if (native == nullptr || screen == nullptr) return nullptr;
  return static_cast<wl_output*>(native->nativeResourceForScreen("output", screen));
}

}  // namespace qav::platform
