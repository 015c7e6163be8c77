#pragma once
// Where the shell keeps the user's and the system's folders, addressed by the CSIDL numbers the
// program uses (0 desktop, 5 documents, 6 favorites, 13 music, 14 videos, 25 all-users desktop,
// 26 application data, 36 Windows folder, 37 system folder, 38 program files, 39 pictures,
// 40 profile).

#include <string>
#include <vector>

namespace qav::platform {

class ShellFolders {
 public:
  virtual ~ShellFolders() = default;
  // The folder's path without a trailing separator, or empty when the id is unknown here.
  virtual std::string SpecialFolder(int csidl) = 0;
  // The folders of installed applications' desktop entries, the user's first, each ending in a
  // separator; empty where the system has none.
  virtual std::vector<std::string> ApplicationFolders() = 0;
  // The folders the "System Folders & Drives" group holds before the drives, by id, in order:
  // here the program's own list (documents, pictures, music, videos, favorites, program files,
  // the Windows folder, the system folder).
  virtual std::vector<int> PlaceFolders() { return {5, 39, 13, 14, 6, 38, 36, 37}; }
  // Where the program keeps files of its own that are no part of the configuration, such as
  // its hot keys; empty: the data folder, as here.
  virtual std::string ProgramConfigFolder() { return {}; }
  // Where the program keeps what it learns while it runs and may lose without harm (how often
  // each search result was started); empty: the data folder, as here.
  virtual std::string ProgramStateFolder() { return {}; }
  // The desktop's list of the files the user opened lately; empty where it keeps none.
  virtual std::string RecentFilesList() { return {}; }
  // What the desktop calls the folder of `csidl`; empty: the program's own name for its role
  // ("My Documents", "Windows Directory"), as here.
  virtual std::string FolderTitle(int csidl) {
    static_cast<void>(csidl);
    return {};
  }
};

}  // namespace qav::platform
