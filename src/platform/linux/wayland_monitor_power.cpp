#include "platform/linux/wayland_monitor_power.h"

#include <wayland-client.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QScreen>

#include <cstdio>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"
#include "wlr-output-power-management-unstable-v1-client-protocol.h"

namespace qav::platform {
namespace {

// Input within this time of the last counts as the user still letting go of the mouse; the
// first input after it switches the monitors on.
constexpr std::uint32_t kIdleMilliseconds = 500;
constexpr int kPowerSaveOff = 3;

void OnIdled(void* data, ext_idle_notification_v1*) {
  static_cast<WaylandMonitorPower*>(data)->OnIdle();
}
void OnResumedExt(void* data, ext_idle_notification_v1*) {
  static_cast<WaylandMonitorPower*>(data)->OnResumed();
}
const ext_idle_notification_v1_listener kIdleListener = {OnIdled, OnResumedExt};

void OnKdeIdle(void* data, org_kde_kwin_idle_timeout*) {
  static_cast<WaylandMonitorPower*>(data)->OnIdle();
}
void OnKdeResumed(void* data, org_kde_kwin_idle_timeout*) {
  static_cast<WaylandMonitorPower*>(data)->OnResumed();
}
const org_kde_kwin_idle_timeout_listener kKdeIdleListener = {OnKdeIdle, OnKdeResumed};

void OnPowerMode(void*, zwlr_output_power_v1*, std::uint32_t) {}
// A compositor may accept the protocol and still not switch a given output (a headless one).
void OnPowerFailed(void*, zwlr_output_power_v1*) {
  std::fprintf(stderr, "QAV Launcher: the compositor did not switch an output's power\n");
}
const zwlr_output_power_v1_listener kPowerListener = {OnPowerMode, OnPowerFailed};

}  // namespace

WaylandMonitorPower::WaylandMonitorPower(WaylandDisplay& display) : display_(display) {}

WaylandMonitorPower::~WaylandMonitorPower() {
  StopWatching();
  for (zwlr_output_power_v1* power : powers_) zwlr_output_power_v1_destroy(power);
  display_.Flush();
}

bool WaylandMonitorPower::Off() {
  return OffThroughCompositor() || GnomeMonitorsOff();
}

// Without word of the user's return the monitors would stay dark: then nothing is switched.
bool WaylandMonitorPower::OffThroughCompositor() {
  const bool canWake = display_.Seat() && (display_.IdleNotifier() || display_.KdeIdle());
  if (!display_.OutputPower() || !canWake) return false;
  StopWatching();
  idle_ = false;
  if (display_.IdleNotifier()) {
    notification_ = ext_idle_notifier_v1_get_idle_notification(display_.IdleNotifier(),
                                                               kIdleMilliseconds, display_.Seat());
    ext_idle_notification_v1_add_listener(notification_, &kIdleListener, this);
  } else {
    kdeTimeout_ =
        org_kde_kwin_idle_get_idle_timeout(display_.KdeIdle(), display_.Seat(), kIdleMilliseconds);
    org_kde_kwin_idle_timeout_add_listener(kdeTimeout_, &kKdeIdleListener, this);
  }
  SetAll(false);
  return true;
}

void WaylandMonitorPower::SetAll(bool on) {
  if (powers_.empty()) {
    for (QScreen* screen : QGuiApplication::screens()) {
      if (wl_output* output = WaylandDisplay::OutputOf(screen)) {
        zwlr_output_power_v1* power =
            zwlr_output_power_manager_v1_get_output_power(display_.OutputPower(), output);
        zwlr_output_power_v1_add_listener(power, &kPowerListener, this);
        powers_.push_back(power);
      }
    }
  }
  for (zwlr_output_power_v1* power : powers_) {
    zwlr_output_power_v1_set_mode(
        power, on ? ZWLR_OUTPUT_POWER_V1_MODE_ON : ZWLR_OUTPUT_POWER_V1_MODE_OFF);
  }
  if (on) {
    for (zwlr_output_power_v1* power : powers_) zwlr_output_power_v1_destroy(power);
    powers_.clear();
  }
  display_.Flush();
}

void WaylandMonitorPower::OnIdle() {
  idle_ = true;
}

void WaylandMonitorPower::OnResumed() {
  if (!idle_) return;
  StopWatching();
  SetAll(true);
}

void WaylandMonitorPower::StopWatching() {
  if (notification_) ext_idle_notification_v1_destroy(notification_);
  if (kdeTimeout_) org_kde_kwin_idle_timeout_release(kdeTimeout_);
  notification_ = nullptr;
  kdeTimeout_ = nullptr;
}

bool GnomeMonitorsOff() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  const char* service = "org.gnome.Mutter.DisplayConfig";
  if (!bus.isConnected() || !bus.interface()->isServiceRegistered(service)) return false;
  QDBusMessage set = QDBusMessage::createMethodCall(service, "/org/gnome/Mutter/DisplayConfig",
                                                    "org.freedesktop.DBus.Properties", "Set");
  set << QString(service) << QStringLiteral("PowerSaveMode")
      << QVariant::fromValue(QDBusVariant(kPowerSaveOff));
  return bus.send(set);
}

}  // namespace qav::platform
