#pragma once
// Turns a path or web address into a filled item record: kind, title, picture, target and
// arguments. Classification only looks at the path's text, the file system and the registry; it
// never runs anything.

#include <string>

#include "base/ui_text.h"
#include "core/environment/path_services.h"
#include "core/shortcuts/item_pictures.h"
#include "core/shortcuts/link_resolution.h"
#include "core/store/records.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "platform/volumes.h"

namespace qav {

// The titles a drive gets when its volume has no name of its own, "%1" its device's name; the
// windows show them in the user's language.
inline constexpr const char* kDriveTitles[] = {
    QAV_TEXT("Core", "Floppy Disk (%1)"),    QAV_TEXT("Core", "Removable Disk (%1)"),
    QAV_TEXT("Core", "Local Disk (%1)"),     QAV_TEXT("Core", "Remote Disk (%1)"),
    QAV_TEXT("Core", "DVD/CD - Drive (%1)"), QAV_TEXT("Core", "RAM Disk (%1)"),
    QAV_TEXT("Core", "Unknown Drive (%1)")};

struct ClassifyContext {
  Tables& tables;
  const Paths& paths;
  platform::SystemInfo& system;
  platform::Registry& registry;
  platform::Volumes& volumes;
  platform::MessageBoxes& messages;
  ItemPictures& pictures;
  int iconCount = 24;
};

// The last path component (after the last backslash, or for file paths the last separator);
// ".lnk" and ".exe" endings are dropped unless `keepExtension`. A path ending in a separator
// gives an empty title.
std::string GetTitleFromPath(const std::string& path, bool keepExtension);

struct DefaultIcon {
  std::string iconFile;
  int iconIndex = 0;
};
// The registry's icon for a file extension (".txt"); empty when it names none.
DefaultIcon GetDefaultIcon(platform::Registry& registry, const std::string& extension,
                           const PathContext& context);

class Classifier {
 public:
  explicit Classifier(ClassifyContext context);

  // Classifies `path` into the record chosen from `record`'s kind: a blank place is filled, a
  // group gets a new member, and a dock shortcut is replaced once `replaceConfirmed`; before, the
  // add stops with kNeedsConfirmation and nothing changed, so that the window asks
  // ReplaceShortcutQuestion() and, unless the answer is No, adds again confirmed. Nothing
  // happens for a path that neither exists nor is a web address, or that the group already
  // holds.
  enum class AddOutcome { kDone, kNeedsConfirmation };
  AddOutcome AddItemFromPath(const std::string& path, int record, const std::string& title,
                             const std::string& iconFile, bool replaceConfirmed = false);
  static platform::MessageRequest ReplaceShortcutQuestion();
  // Classifies `path` into `record` itself, without questions or groups.
  void ClassifyIntoRecord(const std::string& path, int record, const std::string& title,
                          const std::string& iconFile);
  // Rebuilds only the picture of an existing record from its path.
  void RefreshItemIcon(int record);

  int LastAddedRecord() const { return lastAdded_; }
  const LinkInfo& Link() const { return link_; }

 private:
  struct Subject;
  Subject Examine(const std::string& path);
  int ChooseRecord(const std::string& path, int record);
  bool FitsRecord(const std::string& path);
  void Classify(const std::string& path, int record, const std::string& title,
                const std::string& iconFile);
  void ClassifyLink(const Subject& s, ShortcutRecord& r, bool keepPicture);
  void ClassifyDesktopEntry(ShortcutRecord& r, bool keepPicture);
  void ClassifyInternetShortcut(const Subject& s, ShortcutRecord& r);
  void ClassifyProgram(const Subject& s, ShortcutRecord& r, bool refresh);
  void ClassifyNativeProgram(const Subject& s, ShortcutRecord& r, bool refresh);
  void ClassifyFile(const Subject& s, ShortcutRecord& r, bool refresh);
  void ClassifyFolder(const Subject& s, ShortcutRecord& r);
  bool ClassifyDrive(const Subject& s, ShortcutRecord& r);
  std::string SysIcon(const char* name) const;
  PathContext PathCtx() const { return {c_.paths, c_.system}; }

  ClassifyContext c_;
  LinkInfo link_;
  int lastAdded_ = 0;
};

}  // namespace qav
