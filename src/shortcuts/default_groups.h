#pragma once
// The default items a fresh installation starts with, one per dock place 3..9: the All Programs
// group, system folders and drives, accessories, office programs, web sites, and the web browser
// and mail program.

#include <string>
#include <vector>

#include "platform/platform.h"
#include "shortcuts/classification.h"
#include "store/records.h"

namespace qav {

struct DefaultGroupContext {
  Tables& tables;
  const Paths& paths;
  platform::Platform& platform;
  Classifier& classifier;
  int osMajor = 6;
  // Folders holding the desktop entries of installed applications, most important first.
  std::vector<std::string> applicationFolders;
};

// Builds default item `number` (3..9) into record `recordNumber` (0: the record `number`).
// Other numbers do nothing.
void BuildDefaultGroup(DefaultGroupContext& context, int number, int recordNumber);

// Adds the entries of `folder` as members of `group` in name order, skipping hidden ones (and
// desktop entries marked hidden). Mode 1 adds plain files only. Stops when the group is full.
void AddFolderEntries(DefaultGroupContext& context, int group, const std::string& folder, int mode);

// "$XDG_DATA_HOME/applications/" and each "$XDG_DATA_DIRS/applications/".
std::vector<std::string> ApplicationFolders(platform::SystemInfo& system);

}  // namespace qav
