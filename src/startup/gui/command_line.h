#pragma once
// The program's options: none starts the dock (or brings up the one that runs), one action or
// data operation is sent to the running dock, --help and --version answer at once.

#include <QStringList>

#include <optional>
#include <string>

#include "startup/remote_request.h"

namespace qav {

struct CommandLine {
  // Set when the program only prints `text` and ends with `status` (help, version, a bad option).
  std::optional<int> status;
  std::string text;
  // The one action asked for; none when the program was started without an option.
  std::optional<RemoteRequest> request;
};

// `arguments` starts with the program's name. File names become absolute, since the dock that
// carries them out works in another folder. Needs a QCoreApplication.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace qav
