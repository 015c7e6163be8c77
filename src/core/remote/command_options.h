#pragma once
// The program's options: none starts the dock (or brings up the one that runs), one action or
// data operation is sent to the running dock, --help and --version answer at once. Read without
// any toolkit, so that the small client that talks to a running dock can read them too.

#include <optional>
#include <string>
#include <vector>

#include "core/remote/remote_request.h"

namespace qav {

struct CommandLine {
  // Set when the program only prints `text` and ends with `status` (help, version, a bad option).
  std::optional<int> status;
  std::string text;
  // The one action asked for; none when the program was started without an option.
  std::optional<RemoteRequest> request;
};

// `arguments` in UTF-8, without the program's name. File names become absolute, since the dock
// that carries them out works in another folder.
CommandLine ParseArguments(const std::vector<std::string>& arguments);

// What a start without an option sends a dock that already runs: the Alt+Space action.
RemoteRequest RequestOrSummon(const std::optional<RemoteRequest>& request);

}  // namespace qav
