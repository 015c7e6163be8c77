#pragma once
// The shell's folders by their CSIDL numbers, asked of the shell itself.

#include "platform/shell_folders.h"

namespace qav::platform {

class WinShellFolders final : public ShellFolders {
 public:
  std::string SpecialFolder(int csidl) override;
  // Installed programs are found through their links, not through desktop entries: none.
  std::vector<std::string> ApplicationFolders() override { return {}; }
};

}  // namespace qav::platform
