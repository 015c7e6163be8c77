// The services that live in the application's event loop: the dock's end of the control pipe,
// the hot keys, the end of the session and the tray's return.

#include <windows.h>

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <chrono>
#include <future>

#include "platform/fake/fake_platform.h"
#include "platform/native_platform.h"
#include "platform/windows/control_pipe.h"
#include "platform/windows/pipe_control_server.h"
#include "platform/windows/win_hot_keys.h"
#include "platform/windows/win_termination_watch.h"
#include "platform/windows/win_tray_hosts.h"

namespace qav::platform {
namespace {

std::string TestPipeName(const char* which) {
  return "\\\\.\\pipe\\qav-test-server-" + std::string(which) + "-" +
         std::to_string(::GetCurrentProcessId());
}

// Runs `work` on another thread while this one handles events, as the dock's loop would.
template <typename Work>
auto WhileServing(Work work) {
  auto done = std::async(std::launch::async, work);
  while (done.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
    QCoreApplication::processEvents();
  }
  return done.get();
}

void ServeFor(int milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  while (::GetTickCount64() < end) {
    QCoreApplication::processEvents();
    ::Sleep(5);
  }
}

TEST(PipeControlServer, RequestsAreAnsweredOnTheEventLoopsThread) {
  const std::string name = TestPipeName("answers");
  const DWORD loopThread = ::GetCurrentThreadId();
  DWORD handlerThread = 0;
  PipeControlServer server(name, [&](const std::string& line) {
    handlerThread = ::GetCurrentThreadId();
    return "OK " + line;
  });
  ASSERT_TRUE(server.Listen());
  for (const std::string line : {"KEYBOARD", "BACKUP C:\\Users\\\u00e9\\x.bak"}) {
    const SendResult result = WhileServing([&] { return SendPipeRequest(name, line, 2000, 5000); });
    EXPECT_EQ(result.outcome, SendOutcome::kAnswered) << line;
    EXPECT_EQ(result.answer, "OK " + line);
  }
  EXPECT_EQ(handlerThread, loopThread);
  // An over-long request is turned away, and the next one is served again.
  const SendResult tooLong = WhileServing(
      [&] { return SendPipeRequest(name, std::string(kControlLineLimit + 10, 'x'), 2000, 5000); });
  EXPECT_EQ(tooLong.answer, kRefusedAnswer);
  EXPECT_EQ(WhileServing([&] { return SendPipeRequest(name, "SHOW", 2000, 5000); }).answer,
            "OK SHOW");
}

TEST(PipeControlServer, ASecondServerOfTheNameIsRefused) {
  const std::string name = TestPipeName("twice");
  PipeControlServer first(name, [](const std::string&) { return std::string("first"); });
  ASSERT_TRUE(first.Listen());
  PipeControlServer second(name, [](const std::string&) { return std::string("second"); });
  EXPECT_FALSE(second.Listen());
  EXPECT_EQ(WhileServing([&] { return SendPipeRequest(name, "X", 2000, 5000); }).answer, "first");
}

TEST(PipeControlServer, AServerThatEndsLeavesNoClientWaitingForever) {
  const std::string name = TestPipeName("ending");
  auto server = std::make_unique<PipeControlServer>(
      name, [](const std::string&) { return std::string("never seen"); });
  ASSERT_TRUE(server->Listen());
  // The loop never runs here, so the request waits for the handler; then the server ends.
  auto sent =
      std::async(std::launch::async, [&] { return SendPipeRequest(name, "X", 2000, 3000); });
  ::Sleep(300);
  server.reset();
  EXPECT_EQ(sent.get().outcome, SendOutcome::kNoAnswer);
  ServeFor(50);  // the request still queued is dropped, not run
}

// The factory's parts fit together: its channel reaches its own listener, its single-instance lock
// refuses a second holder, and its bundle and file primitives are the system's.
TEST(WindowsPlatform, TheFactoryMakesWorkingServices) {
  const auto native = CreatePlatform();
  const auto first = native->CreateSingleInstance();
  const auto second = native->CreateSingleInstance();
  ASSERT_TRUE(first->TryAcquire());
  EXPECT_FALSE(second->TryAcquire());

  const auto listener =
      native->CreateControlListener([](const std::string& line) { return "seen " + line; });
  ASSERT_TRUE(listener->Listen());
  const SendResult result =
      WhileServing([&] { return native->SendControlRequest("PING", 2000, 5000); });
  EXPECT_EQ(result.outcome, SendOutcome::kAnswered);
  EXPECT_EQ(result.answer, "seen PING");

  const auto services = native->OpenServices();
  fake::RecordingMessageBoxes messages;
  const Platform platform = services->Bundle(messages);
  EXPECT_FALSE(platform.folders.SpecialFolder(26).empty());
  EXPECT_TRUE(services->Trays().Available());
  EXPECT_TRUE(CreateFileOps()->RemoveFile(platform.folders.SpecialFolder(26) + "\\never-made"));
}

TEST(WinHotKeys, APressOfATakenCombinationRunsOnTheLoop) {
  WinHotKeys keys;
  std::vector<HotKey> pressed;
  const auto refused = keys.Install([&](HotKey key) { pressed.push_back(key); });
  ASSERT_TRUE(refused.empty());
  INPUT input[4] = {};
  const WORD sequence[4][2] = {{VK_MENU, 0}, {VK_SPACE, 0}, {VK_SPACE, 1}, {VK_MENU, 1}};
  for (int i = 0; i < 4; ++i) {
    input[i].type = INPUT_KEYBOARD;
    input[i].ki.wVk = sequence[i][0];
    input[i].ki.dwFlags = sequence[i][1] ? KEYEVENTF_KEYUP : 0;
  }
  if (::SendInput(4, input, sizeof(INPUT)) != 4) GTEST_SKIP() << "no keyboard to type on";
  ServeFor(500);
  EXPECT_EQ(pressed, std::vector<HotKey>{HotKey::kFocus});
  // Given back, the combination can be taken by anyone again.
  keys.Remove();
  ASSERT_TRUE(::RegisterHotKey(nullptr, 1, MOD_ALT, VK_SPACE));
  ::UnregisterHotKey(nullptr, 1);
}

TEST(WinHotKeys, ACombinationHeldElsewhereIsReported) {
  ASSERT_TRUE(::RegisterHotKey(nullptr, 7, MOD_CONTROL, VK_TAB));
  WinHotKeys keys;
  EXPECT_EQ(keys.Install([](HotKey) {}), std::vector<HotKey>{HotKey::kMinimize});
  keys.Remove();
  ::UnregisterHotKey(nullptr, 7);
}

TEST(WinTerminationWatch, TheEndOfTheSessionRunsTheRequestOnce) {
  int requests = 0;
  const WinTerminationWatch watch([&] { ++requests; });
  ASSERT_TRUE(::PostThreadMessageW(::GetCurrentThreadId(), WM_ENDSESSION, FALSE, 0));
  ServeFor(50);
  EXPECT_EQ(requests, 0);  // the session goes on
  ASSERT_TRUE(::PostThreadMessageW(::GetCurrentThreadId(), WM_ENDSESSION, TRUE, 0));
  ASSERT_TRUE(::PostThreadMessageW(::GetCurrentThreadId(), WM_ENDSESSION, TRUE, 0));
  ServeFor(50);
  EXPECT_EQ(requests, 1);
}

TEST(WinTrayHosts, ARestartedTaskBarIsAnArrival) {
  WinTrayHosts trays;
  EXPECT_TRUE(trays.Available());
  int arrivals = 0;
  trays.Watch([&] { ++arrivals; });
  const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  ASSERT_TRUE(::PostThreadMessageW(::GetCurrentThreadId(), taskbarCreated, 0, 0));
  ServeFor(50);
  EXPECT_EQ(arrivals, 1);
}

}  // namespace
}  // namespace qav::platform
