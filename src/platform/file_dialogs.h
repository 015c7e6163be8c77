#pragma once
// The open and save dialogs, as the core asks for them. Implemented by the user interface; tests
// answer them with a script.

#include <string>

namespace qav::platform {

struct FileDialogRequest {
  bool save = false;
  std::string title;
  // Description and pattern pairs separated by "|", patterns by ";":
  // "Backup Files (*.bak)|*.bak|All Files (*.*)|*.*".
  std::string filter;
  // A proposed file name, or the folder to start in.
  std::string initialName;
  // Added to a typed name that has no extension (without the dot).
  std::string defaultExtension;
  std::string initialFolder;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path; empty when the user cancels or the request is refused.
  virtual std::string ShowFileDialog(const FileDialogRequest& request) = 0;
};

}  // namespace qav::platform
