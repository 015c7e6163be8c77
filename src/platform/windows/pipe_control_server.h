#pragma once

#include <QObject>

#include <memory>
#include <string>
#include <thread>

#include "platform/control_channel.h"

namespace qav::platform {

// The dock's end of the control pipe. One instance of the pipe, served by a thread of its own
// that waits for a client, reads its line (giving a silent client a few seconds), has the handler
// answer it on the user-interface thread and writes the answer back. The pipe is made with
// FILE_FLAG_FIRST_PIPE_INSTANCE, so a pipe of that name already there (another user's, made to
// catch requests) makes Listen() fail instead of sharing the name.
class PipeControlServer final : public ControlListener {
 public:
  PipeControlServer(std::string pipeName, ControlHandler handler);
  ~PipeControlServer() override;
  PipeControlServer(const PipeControlServer&) = delete;
  PipeControlServer& operator=(const PipeControlServer&) = delete;

  bool Listen() override;

 private:
  struct Worker;

  std::string pipeName_;
  ControlHandler handler_;
  // Receives the requests of the serving thread; calls still queued end with it.
  QObject calls_;
  std::unique_ptr<Worker> worker_;
};

}  // namespace qav::platform
