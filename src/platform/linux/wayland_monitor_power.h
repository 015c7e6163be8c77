#pragma once
// "Monitor Off" on a Wayland compositor: every output switched off through the compositor's
// output power control (wlroots compositors) until the user next moves or types, which only the
// compositor's idle protocol tells a client; GNOME's own power saving through its display
// configuration service. Elsewhere the monitors stay on and the caller says so.

#include <vector>

#include "platform/linux/wayland_display.h"

struct ext_idle_notification_v1;
struct org_kde_kwin_idle_timeout;
struct zwlr_output_power_v1;

namespace qav::platform {

class WaylandMonitorPower {
 public:
  explicit WaylandMonitorPower(WaylandDisplay& display);
  ~WaylandMonitorPower();
  WaylandMonitorPower(const WaylandMonitorPower&) = delete;
  WaylandMonitorPower& operator=(const WaylandMonitorPower&) = delete;

  // False when nothing can switch the monitors off here, or nothing would switch them on again.
  bool Off();

  // For the listeners.
  void OnIdle();
  void OnResumed();

 private:
  bool OffThroughCompositor();
  void SetAll(bool on);
  void StopWatching();

  WaylandDisplay& display_;
  std::vector<zwlr_output_power_v1*> powers_;
  ext_idle_notification_v1* notification_ = nullptr;
  org_kde_kwin_idle_timeout* kdeTimeout_ = nullptr;
  bool idle_ = false;
};

// GNOME's power saving of every monitor (org.gnome.Mutter.DisplayConfig), which the desktop
// ends itself at the next input; false where that service does not run.
bool GnomeMonitorsOff();

}  // namespace qav::platform
