// The sending side of the control pipe against a dock played by a thread of the test.

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/files/wide_text.h"
#include "platform/windows/control_pipe.h"

namespace qav::platform {
namespace {

std::string TestPipeName(const char* which) {
  return "\\\\.\\pipe\\qav-test-" + std::string(which) + "-" +
         std::to_string(::GetCurrentProcessId());
}

// A dock that takes one client and answers it with `answer` (nothing: it never answers).
class FakeDock {
 public:
  FakeDock(const std::string& name, std::string answer) : answer_(std::move(answer)) {
    pipe_ = ::CreateNamedPipeW(Utf8ToWide(name).c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1,
                               4096, 4096, 0, nullptr);
    thread_ = std::thread([this] { Serve(); });
  }
  ~FakeDock() {
    Join();
    ::CloseHandle(pipe_);
  }
  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  FakeDock(const FakeDock&) = delete;
  FakeDock& operator=(const FakeDock&) = delete;
  std::string received;

 private:
  void Serve() {
    if (!::ConnectNamedPipe(pipe_, nullptr) && ::GetLastError() != ERROR_PIPE_CONNECTED) return;
    char buffer[256];
    DWORD got = 0;
    while (received.find('\n') == std::string::npos &&
           ::ReadFile(pipe_, buffer, sizeof buffer, &got, nullptr) && got > 0) {
      received.append(buffer, got);
    }
    if (!answer_.empty()) {
      DWORD written = 0;
      ::WriteFile(pipe_, answer_.data(), static_cast<DWORD>(answer_.size()), &written, nullptr);
      ::FlushFileBuffers(pipe_);
    } else {
      ::Sleep(700);  // longer than the client waits
    }
    ::DisconnectNamedPipe(pipe_);
  }

  std::string answer_;
  HANDLE pipe_ = INVALID_HANDLE_VALUE;
  std::thread thread_;
};

TEST(ControlPipe, TheDockAnswersOneLine) {
  const std::string name = TestPipeName("answer");
  FakeDock dock(name, "OK done\nignored");
  const SendResult result = SendPipeRequest(name, "KEYBOARD", 2000, 2000);
  dock.Join();
  EXPECT_EQ(dock.received, "KEYBOARD\n");
  EXPECT_EQ(result.outcome, SendOutcome::kAnswered);
  EXPECT_EQ(result.answer, "OK done");
}

TEST(ControlPipe, NoDockAndASilentDockAreToldApart) {
  const ULONGLONG start = ::GetTickCount64();
  EXPECT_EQ(SendPipeRequest(TestPipeName("none"), "X", 300, 300).outcome, SendOutcome::kNoDock);
  EXPECT_GE(::GetTickCount64() - start, 250u);  // it kept looking for a dock still starting
  const std::string name = TestPipeName("silent");
  FakeDock dock(name, "");
  EXPECT_EQ(SendPipeRequest(name, "X", 2000, 300).outcome, SendOutcome::kNoAnswer);
}

TEST(ControlPipe, TheNameIsThisUsersAndThisSessions) {
  const std::string name = DefaultControlPipeName();
  EXPECT_EQ(name.rfind("\\\\.\\pipe\\QAVLauncher-S-1-", 0), 0u) << name;
  EXPECT_EQ(name, DefaultControlPipeName());
}

}  // namespace
}  // namespace qav::platform
