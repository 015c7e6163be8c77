#include "platform/linux/portal_shortcuts.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QList>

#include <cstdio>

#include "platform/linux/desktop_key_binding.h"

namespace qav::platform {
namespace {

constexpr const char* kService = "org.freedesktop.portal.Desktop";
constexpr const char* kPath = "/org/freedesktop/portal/desktop";
constexpr const char* kInterface = "org.freedesktop.portal.GlobalShortcuts";
constexpr const char* kRequest = "org.freedesktop.portal.Request";
constexpr int kCallTimeoutMilliseconds = 25000;

struct Shortcut {
  QString id;
  QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& out, const Shortcut& shortcut) {
  out.beginStructure();
  out << shortcut.id << shortcut.properties;
  out.endStructure();
  return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, Shortcut& shortcut) {
  in.beginStructure();
  in >> shortcut.id >> shortcut.properties;
  in.endStructure();
  return in;
}

// The portal's request objects are named after the caller and a token the caller chose, so the
// answer can be listened for before the call is made.
QString RequestPath(const QDBusConnection& bus, const QString& token) {
  QString sender = bus.baseService().mid(1);
  sender.replace('.', '_');
  return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

QDBusMessage PortalCall(const char* method) {
  return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

// The watcher is deleted once it has answered.
template <typename Answer>
void WhenAnswered(QDBusConnection& bus, QObject* owner, const QDBusMessage& call, Answer answer) {
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kCallTimeoutMilliseconds), owner);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner,
                   [answer](QDBusPendingCallWatcher* done) {
                     done->deleteLater();
                     answer(QDBusMessage(done->reply()));
                   });
}

}  // namespace
}  // namespace qav::platform

Q_DECLARE_METATYPE(qav::platform::Shortcut)

namespace qav::platform {

PortalShortcuts::PortalShortcuts(Events events, QDBusConnection bus)
    : events_(std::move(events)), bus_(std::move(bus)) {
  qDBusRegisterMetaType<Shortcut>();
  qDBusRegisterMetaType<QList<Shortcut>>();
}

PortalShortcuts::~PortalShortcuts() {
  Stop();
}

QString PortalShortcuts::ActionId(HotKey key) {
  return QString::fromLatin1(BindingOf(key).actionId);
}

void PortalShortcuts::Start() {
  if (stage_ != Stage::kIdle) return;
  if (!bus_.isConnected()) {
    Fail("there is no session bus to reach the desktop's portal");
    return;
  }
  stage_ = Stage::kCreating;
  QDBusMessage ask =
      QDBusMessage::createMethodCall(kService, kPath, "org.freedesktop.DBus.Properties", "Get");
  ask << QString(kInterface) << QStringLiteral("version");
  WhenAnswered(bus_, this, ask, [this](const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage) {
      Fail("the desktop offers no global-shortcuts portal (" + reply.errorMessage().toStdString() +
           ")");
      return;
    }
    CreateSession();
  });
}

void PortalShortcuts::CreateSession() {
  const QString token = NextToken();
  QDBusMessage call = PortalCall("CreateSession");
  call << QVariantMap{{"handle_token", token}, {"session_handle_token", token}};
  Ask(call, token, "the portal refused a session");
}

// The answer comes as the Response signal of the request the token names.
void PortalShortcuts::Ask(const QDBusMessage& call, const QString& token, const char* refusal) {
  AwaitResponse(RequestPath(bus_, token));
  WhenAnswered(bus_, this, call, [this, refusal](const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage) {
      Fail(std::string(refusal) + " (" + reply.errorMessage().toStdString() + ")");
      return;
    }
    // An older portal names the request itself.
    const auto path = reply.arguments().value(0).value<QDBusObjectPath>().path();
    if (!path.isEmpty() && path != requestPath_) AwaitResponse(path);
  });
}

QString PortalShortcuts::NextToken() {
  return QStringLiteral("qav_launcher_%1").arg(++tokens_);
}

void PortalShortcuts::AwaitResponse(const QString& requestPath) {
  if (!requestPath_.isEmpty()) {
    bus_.disconnect(kService, requestPath_, kRequest, "Response", this,
                    SLOT(OnResponse(uint, QVariantMap)));
  }
  requestPath_ = requestPath;
  bus_.connect(kService, requestPath_, kRequest, "Response", this,
               SLOT(OnResponse(uint, QVariantMap)));
}

void PortalShortcuts::OnResponse(uint response, const QVariantMap& results) {
  if (response != 0) {
    Fail(response == 1 ? "the user did not accept the shortcuts"
                       : "the desktop did not accept the shortcuts");
    return;
  }
  if (stage_ == Stage::kCreating) {
    const QVariant handle = results.value("session_handle");
    session_ = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                    : handle.toString();
    if (session_.isEmpty()) {
      Fail("the portal named no session");
      return;
    }
    bus_.connect(kService, kPath, kInterface, "Activated", this,
                 SLOT(OnActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    BindShortcuts();
  } else if (stage_ == Stage::kBinding) {
    stage_ = Stage::kBound;
    std::fprintf(stderr, "QAV Launcher: the desktop's shortcuts portal took the hot keys\n");
  }
}

void PortalShortcuts::BindShortcuts() {
  stage_ = Stage::kBinding;
  QList<Shortcut> shortcuts;
  for (const HotKey key : kAllHotKeys) {
    const DesktopBinding& binding = BindingOf(key);
    shortcuts.push_back({ActionId(key),
                         {{"description", QString(binding.description)},
                          {"preferred_trigger", QString(binding.trigger)}}});
  }
  const QString token = NextToken();
  QDBusMessage call = PortalCall("BindShortcuts");
  call << QVariant::fromValue(QDBusObjectPath(session_)) << QVariant::fromValue(shortcuts)
       << QString() << QVariantMap{{"handle_token", token}};
  Ask(call, token, "the portal did not take the shortcuts");
}

void PortalShortcuts::OnActivated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                  const QVariantMap&) {
  if (session.path() != session_ || !events_.activated) return;
  for (const HotKey key : kAllHotKeys) {
    if (ActionId(key) == id) events_.activated(key);
  }
}

// Nothing of a refused session stays: no press of it reaches the program.
void PortalShortcuts::Fail(const std::string& why) {
  if (stage_ == Stage::kFailed) return;
  Stop();
  stage_ = Stage::kFailed;
  if (events_.failed) events_.failed(why);
}

void PortalShortcuts::Stop() {
  if (!requestPath_.isEmpty()) {
    bus_.disconnect(kService, requestPath_, kRequest, "Response", this,
                    SLOT(OnResponse(uint, QVariantMap)));
    requestPath_.clear();
  }
  if (!session_.isEmpty()) {
    bus_.disconnect(kService, kPath, kInterface, "Activated", this,
                    SLOT(OnActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    bus_.asyncCall(QDBusMessage::createMethodCall(kService, session_,
                                                  "org.freedesktop.portal.Session", "Close"));
    session_.clear();
  }
  if (stage_ != Stage::kFailed) stage_ = Stage::kIdle;
}

}  // namespace qav::platform
