// The dock's socket end to end: a request line reaches a fake dock and its answer comes back; a
// malformed request and a socket of another user are refused.

#include "platform/linux/control_socket.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <future>
#include <thread>

#include "startup/remote_operations.h"

namespace qav {
namespace {

class CountingDock final : public RemoteDock {
 public:
  void Show() override { ++acted; }
  void Keyboard() override { ++acted; }
  void Switch() override { ++acted; }
  void Minimize() override { ++acted; }
  void OpenSettings() override { ++acted; }
  void ShowAbout() override { ++acted; }
  void Quit() override { ++acted; }
  RemoteAnswer RunData(const RemoteRequest& request) override {
    ++acted;
    return {true, "Backed up to " + request.argument};
  }
  int acted = 0;
};

struct SocketFixture {
  SocketFixture()
      : path(folder.filePath("qav.socket").toStdString()),
        server(path, [this](const std::string& line) { return AnswerRequestLine(line, dock); }) {
    EXPECT_TRUE(server.Listen());
  }

  // Sends from another thread while this one serves.
  platform::SendResult Send(const std::string& line,
                            platform::SocketOwnerCheck check = platform::SocketOwnedByUser) {
    auto sent = std::async(std::launch::async, [&] {
      return platform::SendControlRequest(path, line, check, 2000, 5000);
    });
    while (sent.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
      QCoreApplication::processEvents();
    }
    return sent.get();
  }

  QTemporaryDir folder;
  std::string path;
  CountingDock dock;
  platform::ControlServer server;
};

TEST(ControlSocket, ARequestReachesTheDockAndItsAnswerComesBack) {
  SocketFixture f;
  EXPECT_TRUE(platform::SocketOwnedByUser(f.path));
  const auto result = f.Send(EncodeRequest({RemoteVerb::kBackupIcons, "/tmp/i.bak"}));
  EXPECT_EQ(result.outcome, platform::SendOutcome::kAnswered);
  EXPECT_EQ(result.answer, "OK Backed up to /tmp/i.bak");
  EXPECT_EQ(f.Send(EncodeRequest({RemoteVerb::kQuit, ""})).answer, "OK quit");
  EXPECT_EQ(f.dock.acted, 2);
}

TEST(ControlSocket, AMalformedRequestIsRefusedAndNotActedOn) {
  SocketFixture f;
  for (const std::string& line :
       std::vector<std::string>{"QAV1 quit now", "QAV9 quit", std::string(9000, 'x')}) {
    const auto result = f.Send(line);
    EXPECT_EQ(result.outcome, platform::SendOutcome::kAnswered);
    EXPECT_EQ(result.answer, platform::kRefusedAnswer);
  }
  EXPECT_EQ(f.dock.acted, 0);
}

TEST(ControlSocket, ASocketOfAnotherUserIsNeverTalkedTo) {
  SocketFixture f;
  const auto result =
      f.Send(EncodeRequest({RemoteVerb::kQuit, ""}), [](const std::string&) { return false; });
  EXPECT_EQ(result.outcome, platform::SendOutcome::kForeignSocket);
  EXPECT_EQ(f.dock.acted, 0);
}

TEST(ControlSocket, NoSocketMeansNoDock) {
  QTemporaryDir folder;
  const auto result = platform::SendControlRequest(
      folder.filePath("none").toStdString(), "QAV1 show", platform::SocketOwnedByUser, 200, 1000);
  EXPECT_EQ(result.outcome, platform::SendOutcome::kNoDock);
  EXPECT_FALSE(platform::SocketOwnedByUser(folder.path().toStdString()));
}

}  // namespace
}  // namespace qav
