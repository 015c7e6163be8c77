// The global-shortcuts portal conversation against a portal of the test's own on a private bus:
// the session and the three actions with their preferred triggers, a press reaching the program,
// the session closed at the end; and the notice when the bus has no portal or the user refuses.

#include "platform/linux/portal_shortcuts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <map>
#include <vector>

#include "platform/linux/wayland_hot_keys.h"

namespace qav::platform {
namespace {

constexpr const char* kPortal = "org.freedesktop.portal.Desktop";
constexpr const char* kDesktopPath = "/org/freedesktop/portal/desktop";
constexpr const char* kShortcutsInterface = "org.freedesktop.portal.GlobalShortcuts";

bool WaitFor(const std::function<bool()>& done, int milliseconds = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > milliseconds) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

// A session bus of the test's own, which starts no services by itself.
class PrivateBus {
 public:
  PrivateBus() {
    const QString config = folder_.filePath("bus.conf");
    QFile file(config);
    file.open(QIODevice::WriteOnly);
    file.write(
        "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\""
        " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\"><busconfig>"
        "<type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
        "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
        "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>");
    file.close();
    daemon_.start("dbus-daemon", {"--config-file=" + config, "--print-address=1", "--nofork"});
    if (daemon_.waitForReadyRead(5000)) address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
  }
  ~PrivateBus() {
    daemon_.kill();
    daemon_.waitForFinished();
  }
  QDBusConnection Connect(const QString& name) const {
    return QDBusConnection::connectToBus(address_, name);
  }
  bool Running() const { return !address_.isEmpty(); }

 private:
  QTemporaryDir folder_;
  QProcess daemon_;
  QString address_;
};

// Answers as the desktop's portal does: each request by a Response signal on the request's own
// object, after the reply that names it.
class FakePortal final : public QDBusVirtualObject {
 public:
  explicit FakePortal(QDBusConnection bus) : bus_(std::move(bus)) {
    bus_.registerVirtualObject(kDesktopPath, this, QDBusConnection::SubPath);
    bus_.registerService(kPortal);
  }
  ~FakePortal() override {
    bus_.unregisterService(kPortal);
    bus_.unregisterObject(kDesktopPath, QDBusConnection::UnregisterTree);
  }

  QString introspect(const QString&) const override { return {}; }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override {
    const QString member = message.member();
    if (member == "Get") {
      bus_.send(message.createReply(QVariant::fromValue(QDBusVariant(1u))));
    } else if (member == "CreateSession") {
      const QString token = Token(message.arguments().value(0));
      session = "/org/freedesktop/portal/desktop/session/" + Sender(message) + "/" + token;
      Answer(message, token, 0, {{"session_handle", session}});
    } else if (member == "BindShortcuts") {
      boundSession = qvariant_cast<QDBusObjectPath>(message.arguments().value(0)).path();
      ReadShortcuts(message.arguments().value(1).value<QDBusArgument>());
      Answer(message, Token(message.arguments().value(3)), bindResponse, {});
    } else if (member == "Close") {
      closed.push_back(message.path());
      bus_.send(message.createReply());
    } else {
      return false;
    }
    return true;
  }

  void Press(const QString& id) {
    QDBusMessage signal =
        QDBusMessage::createSignal(kDesktopPath, kShortcutsInterface, "Activated");
    signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(1) << QVariantMap();
    bus_.send(signal);
  }

  QString session;
  QString boundSession;
  std::map<QString, QString> triggers;  // action id: preferred trigger
  std::vector<QString> closed;
  uint bindResponse = 0;

 private:
  static QString Sender(const QDBusMessage& message) {
    return message.service().mid(1).replace('.', '_');
  }
  static QString Token(const QVariant& options) {
    return qdbus_cast<QVariantMap>(options).value("handle_token").toString();
  }
  void Answer(const QDBusMessage& message, const QString& token, uint response,
              const QVariantMap& results) {
    const QString request =
        "/org/freedesktop/portal/desktop/request/" + Sender(message) + "/" + token;
    bus_.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
    QDBusMessage signal =
        QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
    signal << response << results;
    bus_.send(signal);
  }
  void ReadShortcuts(const QDBusArgument& list) {
    list.beginArray();
    while (!list.atEnd()) {
      QString id;
      QVariantMap properties;
      list.beginStructure();
      list >> id >> properties;
      list.endStructure();
      triggers[id] = properties.value("preferred_trigger").toString();
    }
    list.endArray();
  }

  QDBusConnection bus_;
};

struct PortalFixture : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(bus.Running()) << "dbus-daemon did not start"; }
  PrivateBus bus;
  std::vector<HotKey> pressed;
  std::vector<std::string> failures;
  PortalShortcuts::Events Events() {
    return {[this](HotKey key) { pressed.push_back(key); },
            [this](const std::string& why) { failures.push_back(why); }};
  }
};

TEST_F(PortalFixture, TheThreeActionsAreBoundAndTheirPressesArrive) {
  FakePortal portal(bus.Connect("portal"));
  {
    PortalShortcuts shortcuts(Events(), bus.Connect("program"));
    shortcuts.Start();
    ASSERT_TRUE(WaitFor([&] { return portal.triggers.size() == 3; }));
    EXPECT_EQ(portal.boundSession, portal.session);
    EXPECT_EQ(portal.triggers,
              (std::map<QString, QString>{
                  {"keyboard", "ALT+space"}, {"switch", "SHIFT+Tab"}, {"minimize", "CTRL+Tab"}}));
    portal.Press("minimize");
    portal.Press("keyboard");
    ASSERT_TRUE(WaitFor([&] { return pressed.size() == 2; }));
    EXPECT_EQ(pressed, (std::vector<HotKey>{HotKey::kMinimize, HotKey::kFocus}));
    EXPECT_TRUE(failures.empty());
  }
  // Ending the program's side closes the portal session.
  ASSERT_TRUE(WaitFor([&] { return !portal.closed.empty(); }));
  EXPECT_EQ(portal.closed.front(), portal.session);
}

TEST_F(PortalFixture, ARefusalOrNoPortalIsOneFailureWithItsReason) {
  {
    PortalShortcuts shortcuts(Events(), bus.Connect("program-alone"));
    shortcuts.Start();
    ASSERT_TRUE(WaitFor([&] { return !failures.empty(); }));
    EXPECT_EQ(failures.front().rfind("the desktop offers no global-shortcuts portal", 0), 0u)
        << failures.front();
  }
  failures.clear();
  FakePortal portal(bus.Connect("portal-refusing"));
  portal.bindResponse = 1;  // the user said no in the desktop's dialog
  PortalShortcuts shortcuts(Events(), bus.Connect("program-refused"));
  shortcuts.Start();
  ASSERT_TRUE(WaitFor([&] { return !failures.empty(); }));
  EXPECT_EQ(failures, std::vector<std::string>{"the user did not accept the shortcuts"});
  portal.Press("keyboard");
  WaitFor([] { return false; }, 200);
  EXPECT_TRUE(pressed.empty());
}

// Without a portal the user is told once per desktop how to bind the keys there, and nothing is
// reported as refused.
TEST(WaylandHotKeysTest, WithoutAPortalTheNoticeComesOncePerDesktop) {
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/qav-test-bus");
  std::vector<std::string> told;
  std::map<std::string, int> asked;
  const auto firstNotice = [&asked](const std::string& desktop) { return ++asked[desktop] == 1; };
  for (int start = 0; start < 2; ++start) {
    WaylandHotKeys keys({"sway", "qav-launcher", firstNotice});
    keys.WhenDesktopBinds([&told](const std::string& text) { told.push_back(text); });
    EXPECT_TRUE(keys.Install([](HotKey) {}).empty());
    WaitFor([] { return false; }, 100);
  }
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("bindsym Mod1+space exec qav-launcher --keyboard"), std::string::npos);
  EXPECT_EQ(asked["sway"], 2);
}

}  // namespace
}  // namespace qav::platform
