#include "platform/linux/desktop_notice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace qav::platform {
namespace {

constexpr int kServiceWaitMilliseconds = 500;
constexpr int kShownMilliseconds = 10000;

}  // namespace

bool SendDesktopNotice(const std::string& summary, const std::string& body) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  QDBusMessage notify = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                       "/org/freedesktop/Notifications",
                                                       "org.freedesktop.Notifications", "Notify");
  notify << QStringLiteral("QAV Launcher") << 0u << QStringLiteral("dialog-warning")
         << QString::fromStdString(summary) << QString::fromStdString(body) << QStringList()
         << QVariantMap() << kShownMilliseconds;
  const QDBusMessage reply = bus.call(notify, QDBus::Block, kServiceWaitMilliseconds);
  return reply.type() == QDBusMessage::ReplyMessage;
}

}  // namespace qav::platform
