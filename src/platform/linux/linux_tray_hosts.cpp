#include "platform/linux/linux_tray_hosts.h"

#include <xcb/xcb.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QGuiApplication>

#include "platform/linux/x11_connection.h"

namespace qav::platform {
namespace {

constexpr int kLookIntervalMilliseconds = 2000;
// A watcher that does not answer at once is as good as none; the next look asks again.
constexpr int kBusTimeoutMilliseconds = 300;
const char* const kWatcherService = "org.kde.StatusNotifierWatcher";

}  // namespace

LinuxTrayHosts::LinuxTrayHosts() {
  timer_.setInterval(kLookIntervalMilliseconds);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
}

bool LinuxTrayHosts::Available() {
  return !CurrentHost().empty();
}

void LinuxTrayHosts::Watch(std::function<void()> arrived) {
  arrived_ = std::move(arrived);
  host_ = CurrentHost();
  timer_.start();
}

// The periodic look asks the bus without waiting: a watcher that hangs must not stall the
// dock's frames. A look still unanswered makes the next one wait its turn.
void LinuxTrayHosts::Look() {
  if (asking_) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return Decide(Combined({}));
  asking_ = true;
  auto* answer =
      new QDBusPendingCallWatcher(bus.asyncCall(HostQuestion(), kBusTimeoutMilliseconds), &timer_);
  QObject::connect(answer, &QDBusPendingCallWatcher::finished, &timer_,
                   [this](QDBusPendingCallWatcher* call) {
                     asking_ = false;
                     Decide(Combined(SniHost(call->reply())));
                     call->deleteLater();
                   });
}

void LinuxTrayHosts::Decide(const std::string& host) {
  if (host == host_) return;
  host_ = host;
  if (!host.empty() && arrived_) arrived_();
}

std::string LinuxTrayHosts::CurrentHost() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return Combined({});
  return Combined(SniHost(bus.call(HostQuestion(), QDBus::Block, kBusTimeoutMilliseconds)));
}

std::string LinuxTrayHosts::Combined(const std::string& sniHost) {
  std::string host = sniHost;
  if (const std::uint32_t tray = XEmbedTray(); tray != 0) {
    host += " xembed:" + std::to_string(tray);
  }
  return host;
}

QDBusMessage LinuxTrayHosts::HostQuestion() {
  QDBusMessage ask = QDBusMessage::createMethodCall(kWatcherService, "/StatusNotifierWatcher",
                                                    "org.freedesktop.DBus.Properties", "Get");
  ask << QString(kWatcherService) << QString("IsStatusNotifierHostRegistered");
  return ask;
}

// The watcher's unique bus name (the answer's sender) while it has a host registered; a new
// watcher has a new name, so a restarted host counts as an arrival.
std::string LinuxTrayHosts::SniHost(const QDBusMessage& reply) {
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
  const bool registered = reply.arguments().front().value<QDBusVariant>().variant().toBool();
  return registered ? "sni:" + reply.service().toStdString() : std::string();
}

std::uint32_t LinuxTrayHosts::XEmbedTray() {
  xcb_connection_t* c = XcbConnection();
  if (!c) return 0;
  // The tray of the first screen, the one Qt puts its icon on.
  const std::string name = "_NET_SYSTEM_TRAY_S0";
  const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 1, static_cast<std::uint16_t>(name.size()), name.c_str()), nullptr));
  if (!atom || atom->atom == XCB_ATOM_NONE) return 0;
  const XcbReply<xcb_get_selection_owner_reply_t> owner(
      xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr));
  return owner ? owner->owner : 0;
}

}  // namespace qav::platform
