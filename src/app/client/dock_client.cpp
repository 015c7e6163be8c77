#include "app/client/dock_client.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "core/remote/command_options.h"
#include "core/remote/remote_report.h"
#include "platform/linux/control_client.h"

namespace qav {
namespace {

namespace fs = std::filesystem;

// The dock program: beside this one in a build, else where an installation puts it.
std::string DockProgram() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  for (const char* relative : {QAV_DOCK_BESIDE, QAV_DOCK_INSTALLED}) {
    const fs::path candidate = (self.parent_path() / relative).lexically_normal();
    if (fs::is_regular_file(candidate, error)) return candidate.string();
  }
  return {};
}

int BecomeDock(char** argv) {
  const std::string dock = DockProgram();
  if (dock.empty()) return FailWith("The dock program is not installed beside this one.");
  ::execv(dock.c_str(), argv);
  return FailWith("Cannot start the dock program " + dock + ": " + std::strerror(errno));
}

}  // namespace

int RunClient(int argc, char** argv) {
  const CommandLine command = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (command.status) {
    std::fputs(command.text.c_str(), *command.status == 0 ? stdout : stderr);
    return *command.status;
  }
  const RemoteRequest sent = RequestOrSummon(command.request);
  const std::string line = EncodeRequest(sent);
  const std::string socket = platform::DefaultControlSocketPath();
  // Only this user's socket is talked to; anything else there is the dock program's to sort out.
  if (!line.empty() && platform::SocketOwnedByUser(socket)) {
    const platform::SendResult result = platform::SendControlRequest(
        socket, line, platform::SocketOwnedByUser, 0, AnswerTimeoutMs(sent.verb));
    if (result.outcome != platform::SendOutcome::kNoDock) return ReportSend(result, sent);
  }
  return BecomeDock(argv);
}

}  // namespace qav
