// The dock's socket end to end: a request line reaches a fake dock and its answer comes back; a
// malformed request and a socket of another user are refused; a peer that goes away while its
// request runs, peers that say nothing, a flood of them and a process out of descriptors never
// hurt the server; whatever else stands at the socket's name is moved aside.

#include "platform/linux/control_socket.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "core/operations/remote_operations.h"
#include "platform/linux/control_lines.h"
#include "platform/linux/runtime_folder.h"

namespace qav {
namespace {

class CountingDock final : public RemoteDock {
 public:
  void Show() override { ++acted; }
  void Keyboard() override { ++acted; }
  void Search(const std::string&) override { ++acted; }
  void Switch() override { ++acted; }
  void Minimize() override { ++acted; }
  void OpenSettings() override { ++acted; }
  void ShowAbout() override { ++acted; }
  void Quit() override { ++acted; }
  RemoteAnswer RunData(const RemoteRequest& request) override {
    ++acted;
    if (whileRunning) whileRunning();
    return {true, "Backed up to " + request.argument, {}};
  }
  int acted = 0;
  std::function<void()> whileRunning;
};

void RunEventsFor(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

struct SocketFixture {
  explicit SocketFixture(platform::ControlLimits limits = {})
      : path(folder.filePath("qav.socket").toStdString()),
        server(
            path, [this](const std::string& line) { return AnswerRequestLine(line, dock); },
            limits) {
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

  // A connection that sends `line` (when not empty) and is then left as it is.
  int Connected(const std::string& line = {}) {
    const int descriptor = platform::Connect(path);
    EXPECT_GE(descriptor, 0);
    if (!line.empty()) {
      EXPECT_TRUE(platform::SendAll(descriptor, line + "\n", platform::LineClock::now()));
    }
    return descriptor;
  }

  QTemporaryDir folder;
  std::string path;
  CountingDock dock;
  platform::ControlServer server;
};

std::string ShowLine() {
  return EncodeRequest({RemoteVerb::kShow, ""});
}

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
  EXPECT_EQ(result.answer, "a socket of another user");
  EXPECT_EQ(f.dock.acted, 0);
}

TEST(ControlSocket, NoSocketMeansNoDock) {
  QTemporaryDir folder;
  const auto result = platform::SendControlRequest(
      folder.filePath("none").toStdString(), "QAV1 show", platform::SocketOwnedByUser, 200, 1000);
  EXPECT_EQ(result.outcome, platform::SendOutcome::kNoDock);
  EXPECT_FALSE(platform::SocketOwnedByUser(folder.path().toStdString()));
}

// The request's handler lets events through (a reload does) while its asker hangs up, and more
// peers come and go meanwhile: the server forgets the asker, never touches what it freed, and
// answers the next request.
TEST(ControlSocket, APeerThatGoesAwayWhileItsRequestRunsIsForgotten) {
  SocketFixture f;
  std::vector<int> others;
  f.dock.whileRunning = [&] {
    for (int i = 0; i < 5; ++i) others.push_back(f.Connected(i % 2 ? ShowLine() : ""));
    for (int other : others) ::close(other);
    RunEventsFor(150);
  };
  const int asker = f.Connected(EncodeRequest({RemoteVerb::kRestoreIcons, "/tmp/i.bak"}));
  ::shutdown(asker, SHUT_RDWR);
  ::close(asker);
  RunEventsFor(300);
  EXPECT_EQ(f.dock.acted, 1 + 2) << "the restore and the two requests sent meanwhile";
  EXPECT_EQ(f.Send(ShowLine()).answer, "OK show");
  RunEventsFor(50);
  EXPECT_EQ(f.server.OpenPeers(), 0u);
}

TEST(ControlSocket, PeersThatSayNothingAreClosedAndNeverCrowdOutARequest) {
  platform::ControlLimits limits;
  limits.maxPeers = 4;
  limits.idleMs = 200;
  SocketFixture f(limits);
  std::vector<int> silent;
  for (int i = 0; i < 20; ++i) silent.push_back(f.Connected());
  RunEventsFor(50);
  EXPECT_LE(f.server.OpenPeers(), limits.maxPeers);
  // A half request stalls nothing either.
  silent.push_back(f.Connected());
  ASSERT_EQ(::send(silent.back(), "QAV1 sh", 7, MSG_NOSIGNAL), 7);
  EXPECT_EQ(f.Send(ShowLine()).answer, "OK show");
  RunEventsFor(400);
  EXPECT_EQ(f.server.OpenPeers(), 0u) << "every silent peer closed after a while";
  char byte = 0;
  for (int descriptor : silent) {
    EXPECT_EQ(::recv(descriptor, &byte, 1, MSG_DONTWAIT), 0) << "closed by the dock";
    ::close(descriptor);
  }
}

int OpenDescriptors();

// Many at once, each with a line that is no request: every one is refused, none is left open.
TEST(ControlSocket, AFloodOfGarbageIsAnsweredAndLeavesNothingOpen) {
  SocketFixture f;
  RunEventsFor(20);
  const int before = OpenDescriptors();
  std::vector<int> peers;
  for (int i = 0; i < 500; ++i) peers.push_back(f.Connected("garbage " + std::to_string(i)));
  RunEventsFor(300);
  int refused = 0;
  for (int peer : peers) {
    const auto answer = platform::ReadLine(peer, platform::LineClock::now());
    refused += answer == std::string(platform::kRefusedAnswer) ? 1 : 0;
    ::close(peer);
  }
  EXPECT_EQ(refused, 500);
  RunEventsFor(20);
  EXPECT_EQ(f.server.OpenPeers(), 0u);
  EXPECT_EQ(OpenDescriptors(), before);
  EXPECT_EQ(f.dock.acted, 0);
}

int OpenDescriptors() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count - 1;  // the iterator's own
}

double CpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// With the descriptor table full, the server neither spins on a listener it cannot accept from
// nor keeps the descriptors a save needs, and still answers.
TEST(ControlSocket, OutOfDescriptorsTheServerRestsKeepsSomeFreeAndAnswers) {
  SocketFixture f;
  // The undefined-behaviour checker needs a descriptor the first time it checks a type; one
  // request now lets it check the server's types before there is none left.
  EXPECT_EQ(f.Send(ShowLine()).answer, "OK show");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
  std::vector<int> waiting;
  for (int i = 0; i < 60; ++i) waiting.push_back(f.Connected());
  rlimit lowered = saved;
  lowered.rlim_cur = static_cast<rlim_t>(OpenDescriptors() + 12);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);

  const double cpuBefore = CpuSeconds();
  RunEventsFor(600);
  const double busy = CpuSeconds() - cpuBefore;
  EXPECT_LT(busy, 0.3) << "the server rests instead of being woken again and again";
  const int spare = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  EXPECT_GE(spare, 0) << "a file can still be opened";
  const int second = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  EXPECT_GE(second, 0);
  ::close(spare);
  ::close(second);
  EXPECT_EQ(f.Send(ShowLine()).answer, "OK show");

  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);
  for (int descriptor : waiting) ::close(descriptor);
}

// A file, a folder, a link or a FIFO at the socket's name (the user's own, in the private
// folder) is moved aside untouched, and the dock listens.
TEST(ControlSocket, AnythingElseAtTheNameIsMovedAsideAndTheDockListens) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("qav.socket").toStdString();
  const std::string outside = folder.filePath("outside").toStdString();
  std::ofstream(outside) << "keep";
  const std::vector<std::function<void()>> plants{
      [&] { std::ofstream(path) << "keep"; }, [&] { std::filesystem::create_directory(path); },
      [&] { std::filesystem::create_symlink(outside, path); },
      [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }};
  for (const auto& plant : plants) {
    plant();
    const std::string found = platform::DescribeFound(path);
    const auto refused =
        platform::SendControlRequest(path, ShowLine(), platform::SocketOwnedByUser, 100, 100);
    EXPECT_EQ(refused.outcome, platform::SendOutcome::kForeignSocket) << found;
    EXPECT_EQ(refused.answer, found);
    CountingDock dock;
    {
      platform::ControlServer server(
          path, [&](const std::string& line) { return AnswerRequestLine(line, dock); });
      ASSERT_TRUE(server.Listen()) << found;
      EXPECT_EQ(platform::DescribeFound(path + ".aside-1"), found);
      EXPECT_TRUE(platform::SocketOwnedByUser(path));
    }
    std::filesystem::remove_all(path + ".aside-1");
  }
  std::ifstream kept(outside);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "keep");
}

}  // namespace
}  // namespace qav
