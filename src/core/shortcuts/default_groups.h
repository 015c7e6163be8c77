#pragma once
// The default items a fresh installation starts with, one per dock place 3..9: the All Programs
// group, system folders and drives, accessories, office programs, web sites, and the web browser
// and mail program.

#include <string>
#include <vector>

#include "core/shortcuts/classification.h"
#include "core/store/records.h"
#include "platform/platform.h"

namespace qav {

struct DefaultGroupContext {
  Tables& tables;
  const Paths& paths;
  platform::Platform& platform;
  Classifier& classifier;
  int osMajor = 6;
  // Folders holding the desktop entries of installed applications, most important first.
  std::vector<std::string> applicationFolders;
  // Entries found for a group that had no room left: the group was full or every record of
  // the pool in use.
  int leftOut = 0;
};

// Builds default item `number` (3..9) into record `recordNumber` (0: the record `number`).
// Other numbers do nothing. The All Programs group (3) holds, in the order of their titles, the
// applications of every applications folder (one per desktop-file id, as a menu lists them) or,
// where there are none, the all-users desktop's entries; then the user's desktop's.
void BuildDefaultGroup(DefaultGroupContext& context, int number, int recordNumber);

// Adds the entries of `folder` as members of `group` in name order, skipping hidden files and
// desktop entries that are deleted or not for this desktop; from a folder of installed
// applications only the applications a menu lists. Mode 1 adds plain files only. What finds no
// room is counted in `leftOut`.
void AddFolderEntries(DefaultGroupContext& context, int group, const std::string& folder, int mode);

}  // namespace qav
