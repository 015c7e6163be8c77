#include "platform/windows/pipe_control_server.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <sddl.h>

#include <QMetaObject>

#include <cstdio>

#include "platform/files/wide_text.h"
#include "platform/windows/control_pipe.h"
#include "platform/windows/pipe_io.h"

namespace qav::platform {
namespace {

// A client gets this long to send its request and to take the answer.
constexpr DWORD kClientWaitMs = 5000;
constexpr DWORD kBufferBytes = 4096;

void Log(const std::string& text) {
  std::fprintf(stderr, "qav-launcher: %s\n", text.c_str());
}

// One instance, this user's alone, local clients only.
HANDLE CreatePipe(const std::wstring& name) {
  const std::wstring sid = ThisUserSid();
  if (sid.empty()) return INVALID_HANDLE_VALUE;
  const std::wstring onlyThisUser = L"D:P(A;;GA;;;" + sid + L")";
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(onlyThisUser.c_str(), SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
    return INVALID_HANDLE_VALUE;
  }
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  const HANDLE pipe = ::CreateNamedPipeW(
      name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
      PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, kBufferBytes,
      kBufferBytes, 0, &attributes);
  ::LocalFree(descriptor);
  return pipe;
}

}  // namespace

struct PipeControlServer::Worker {
  Worker(PipeControlServer& owner, HANDLE pipeHandle)
      : server(owner),
        pipe(pipeHandle),
        stop(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        connected(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~Worker() {
    ::SetEvent(stop);
    if (thread.joinable()) thread.join();
    for (const HANDLE handle : {pipe, stop, connected}) {
      if (handle && handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    }
  }
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  void Serve();
  PipeWait AwaitClient();
  void ServeClient();
  std::optional<std::string> AskHandler(const std::string& line);
  void Answer(const std::string& line);

  PipeControlServer& server;
  HANDLE pipe;
  HANDLE stop;
  HANDLE connected;
  std::thread thread;
};

void PipeControlServer::Worker::Serve() {
  for (;;) {
    const PipeWait client = AwaitClient();
    if (client == PipeWait::kStopped) return;
    if (client == PipeWait::kDone) ServeClient();
    ::DisconnectNamedPipe(pipe);
    // A pipe that keeps failing is not served in a busy loop.
    if (client == PipeWait::kFailed && ::WaitForSingleObject(stop, 200) == WAIT_OBJECT_0) return;
  }
}

PipeWait PipeControlServer::Worker::AwaitClient() {
  OVERLAPPED overlapped{};
  overlapped.hEvent = connected;
  ::ResetEvent(connected);
  const BOOL started = ::ConnectNamedPipe(pipe, &overlapped);
  if (!started && ::GetLastError() == ERROR_PIPE_CONNECTED) return PipeWait::kDone;
  DWORD unused = 0;
  return FinishIo(pipe, overlapped, started, stop, INFINITE, unused);
}

void PipeControlServer::Worker::ServeClient() {
  ULONG client = 0;
  if (!::GetNamedPipeClientProcessId(pipe, &client) || !ProcessOfThisUser(client)) {
    Log("refused a request from another user");
    Answer(kRefusedAnswer);
    return;
  }
  bool tooLong = false;
  const auto line = ReadPipeLine(pipe, stop, kClientWaitMs, &tooLong);
  if (!line) {
    if (tooLong) {
      Log("refused an over-long request");
      Answer(kRefusedAnswer);
    }
    return;
  }
  if (const auto answer = AskHandler(*line)) Answer(*answer);
}

// The handler belongs to the user-interface thread; this thread waits for its answer, or for
// the server to end.
std::optional<std::string> PipeControlServer::Worker::AskHandler(const std::string& line) {
  struct Call {
    std::string line;
    std::string answer;
    HANDLE done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ~Call() {
      if (done) ::CloseHandle(done);
    }
  };
  const auto call = std::make_shared<Call>();
  if (!call->done) return std::nullopt;
  call->line = line;
  ControlHandler* handler = &server.handler_;
  QMetaObject::invokeMethod(
      &server.calls_,
      [call, handler] {
        call->answer = (*handler)(call->line);
        ::SetEvent(call->done);
      },
      Qt::QueuedConnection);
  const HANDLE waits[] = {call->done, stop};
  if (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) return std::nullopt;
  return call->answer;
}

// Writes the answer and gives the client time to read it: the pipe is only disconnected (which
// drops what is unread) once the client has closed its end.
void PipeControlServer::Worker::Answer(const std::string& line) {
  if (!WritePipe(pipe, line + "\n", stop, kClientWaitMs)) return;
  ReadPipeLine(pipe, stop, kClientWaitMs);
}

PipeControlServer::PipeControlServer(std::string pipeName, ControlHandler handler)
    : pipeName_(std::move(pipeName)), handler_(std::move(handler)) {}

PipeControlServer::~PipeControlServer() {
  worker_.reset();
}

bool PipeControlServer::Listen() {
  if (worker_) return true;
  const HANDLE pipe = pipeName_.empty() ? INVALID_HANDLE_VALUE : CreatePipe(Utf8ToWide(pipeName_));
  if (pipe == INVALID_HANDLE_VALUE) {
    Log("cannot listen on " + pipeName_ + " (error " + std::to_string(::GetLastError()) + ")");
    return false;
  }
  worker_ = std::make_unique<Worker>(*this, pipe);
  if (!worker_->stop || !worker_->connected) {
    worker_.reset();
    return false;
  }
  worker_->thread = std::thread([worker = worker_.get()] { worker->Serve(); });
  return true;
}

}  // namespace qav::platform
