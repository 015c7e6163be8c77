#pragma once
// The desktop's global-shortcuts portal (org.freedesktop.portal.GlobalShortcuts: KDE Plasma,
// recent GNOME): the three actions registered under their names, with the usual combinations as
// the triggers the program prefers; the desktop decides, may ask the user, and says when one is
// pressed. Every call is asynchronous: nothing waits for the desktop.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <string>

#include "platform/hot_keys.h"

namespace qav::platform {

class PortalShortcuts final : public QObject {
  Q_OBJECT

 public:
  struct Events {
    std::function<void(HotKey)> activated;
    // Once, when the desktop has no such portal or did not take the actions: why.
    std::function<void(const std::string&)> failed;
  };
  // On the session bus, or another one (tests).
  explicit PortalShortcuts(Events events, QDBusConnection bus = QDBusConnection::sessionBus());
  ~PortalShortcuts() override;
  PortalShortcuts(const PortalShortcuts&) = delete;
  PortalShortcuts& operator=(const PortalShortcuts&) = delete;

  void Start();
  // Ends the session: the desktop forgets the presses, not the bindings.
  void Stop();

  // The action ids the desktop lists: "keyboard", "switch", "minimize".
  static QString ActionId(HotKey key);

 private slots:
  void OnResponse(uint response, const QVariantMap& results);
  void OnActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                   const QVariantMap& options);

 private:
  enum class Stage { kIdle, kCreating, kBinding, kBound, kFailed };
  void CreateSession();
  void BindShortcuts();
  void Ask(const QDBusMessage& call, const QString& token, const char* refusal);
  QString NextToken();
  void AwaitResponse(const QString& requestPath);
  void Fail(const std::string& why);

  Events events_;
  QDBusConnection bus_;
  Stage stage_ = Stage::kIdle;
  QString requestPath_;
  QString session_;
  unsigned tokens_ = 0;
};

}  // namespace qav::platform
