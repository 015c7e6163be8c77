#pragma once
// ShellExecuteExW, the one door through which the program starts programs and opens documents,
// folders, addresses and the system's pages on Windows.

#include <string>

namespace qav::platform {

struct ShellRequest {
  std::string file;        // a program, document, folder, address or shell name; empty: none
  std::string parameters;  // one command line, already quoted
  std::string folder;      // the working folder; empty: the caller's
  std::string verb;        // empty: the file's default action
  int show = 1;            // an SW_ value
};

// True when the shell accepted the request. No error dialog is shown: the caller tells the user.
bool RunThroughShell(const ShellRequest& request);

}  // namespace qav::platform
