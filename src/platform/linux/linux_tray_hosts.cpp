#include "platform/linux/linux_tray_hosts.h"

#include <xcb/xcb.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QGuiApplication>

#include <memory>

#include "platform/linux/x11_connection.h"

namespace qav::platform {
namespace {

constexpr int kLookIntervalMilliseconds = 2000;
// A watcher that does not answer at once is as good as none; the next look asks again.
constexpr int kBusTimeoutMilliseconds = 300;
const char* const kWatcherService = "org.kde.StatusNotifierWatcher";

QDBusMessage HostQuestion() {
  QDBusMessage ask = QDBusMessage::createMethodCall(kWatcherService, "/StatusNotifierWatcher",
                                                    "org.freedesktop.DBus.Properties", "Get");
  ask << QString(kWatcherService) << QString("IsStatusNotifierHostRegistered");
  return ask;
}

// The watcher's unique bus name (the answer's sender) while it has a host registered; a new
// watcher has a new name, so a restarted host counts as an arrival.
std::string SniHost(const QDBusMessage& reply) {
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
  const bool registered = reply.arguments().front().value<QDBusVariant>().variant().toBool();
  return registered ? reply.service().toStdString() : std::string();
}

void AskSessionBus(std::function<void(const std::string&)> answer) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    answer({});
    return;
  }
  auto* pending = new QDBusPendingCallWatcher(
      bus.asyncCall(HostQuestion(), kBusTimeoutMilliseconds), QCoreApplication::instance());
  QObject::connect(pending, &QDBusPendingCallWatcher::finished, pending,
                   [answer = std::move(answer)](QDBusPendingCallWatcher* call) {
                     answer(SniHost(call->reply()));
                     call->deleteLater();
                   });
}

std::uint32_t XEmbedTrayOfFirstScreen() {
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

}  // namespace

TrayQuestions SessionTrayQuestions() {
  return {AskSessionBus, XEmbedTrayOfFirstScreen};
}

LinuxTrayHosts::LinuxTrayHosts(TrayQuestions questions) : questions_(std::move(questions)) {
  timer_.setInterval(kLookIntervalMilliseconds);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
}

bool LinuxTrayHosts::Available() {
  return !host_.empty();
}

// Nothing is known before the first look, which runs from the event loop: what it finds
// running is an arrival.
void LinuxTrayHosts::Watch(std::function<void()> arrived) {
  arrived_ = std::move(arrived);
  timer_.start();
  QTimer::singleShot(0, &timer_, [this] { Look(); });
}

// A look still unanswered makes the next one wait its turn. The answer may come before the
// question returns (no bus at all), or after this object is gone.
void LinuxTrayHosts::Look() {
  if (asking_) return;
  asking_ = true;
  questions_.askSniHost([this, alive = std::weak_ptr<bool>(alive_)](const std::string& sni) {
    if (alive.expired()) return;
    asking_ = false;
    std::string host = sni.empty() ? std::string() : "sni:" + sni;
    if (const std::uint32_t tray = questions_.xembedTray(); tray != 0) {
      host += " xembed:" + std::to_string(tray);
    }
    Decide(host);
  });
}

void LinuxTrayHosts::Decide(const std::string& host) {
  if (host == host_) return;
  host_ = host;
  if (!host.empty() && arrived_) arrived_();
}

}  // namespace qav::platform
