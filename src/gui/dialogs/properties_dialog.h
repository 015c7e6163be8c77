#pragma once
// The properties dialog: edits one item record (type, link, target, arguments, title, window
// style and picture), turns a dock place into a shortcut or a group, fills it with a ready-made
// group or web shortcut, and in add mode creates a new member of a group.

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/shortcuts/item_pictures.h"
#include "core/state/app_state.h"
#include "gui/graphics/shell_icons.h"
#include "platform/file_dialogs.h"
#include "platform/platform.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qav {

struct PropertyServices {
  AppState& state;
  platform::Platform& platform;
  ItemPictures& pictures;
  platform::FileDialogs& files;
  ShellIcons& shellIcons;
  // Frees the record's pictures and deletes its custom picture before a new one is stored.
  std::function<void(int record)> dropCustomIcon;
  // The dock's slot arrays rebuilt (IniIconParam) and its frame at rest drawn (DockNormal).
  std::function<void()> iniIconParam;
  std::function<void()> dockNormal;
  std::function<void()> saveMenu;
  // Folders of installed applications, for the ready-made groups.
  std::vector<std::string> applicationFolders;
};

// The page icon searches start from.
inline constexpr const char* kIconSearchAddress = "https://www.iconfinder.com/";

class PropertiesDialog final : public QDialog {
 public:
  // Edits state.CurrentRecord; with `addShortcut` on a group, adds a new member to it.
  PropertiesDialog(PropertyServices services, bool addShortcut, QWidget* owner = nullptr);

  // The dialog's view of the record: its kind, or -1 while adding a member to the group.
  int Mode() const { return mode_; }

  void Reload();
  void IniCombLink();
  void DrawQavIcon();

  // The handlers, also run by tests without a click.
  void OptTypeClick(int index);
  void CombLinkClick(int index);
  void CmdBrowseClick();
  void CmdIconClick(int index);
  void CmdOKClick();

 private:
  void BuildControls();
  void ConnectControls();
  ShortcutRecord& Current();
  int GroupMemberCount() const;
  bool AskYesNo(const std::string& text, const std::string& caption, bool noIsDefault);
  void RefreshDock();
  void Delete(int record);
  void BuildReadyMade(int number);
  std::string AcceptedText(const QString& text) const;
  // A new member record at the end of group CurrentRecord; 0 (after telling the user) when the
  // group or the record pool is full.
  int AppendMember();
  void ClassifyInto(const std::string& path, int record, const std::string& title);
  void SetEnabledFor(int mode);

  PropertyServices s_;
  bool addShortcutMode_;
  int mode_ = 0;
  // While Reload sets the controls from the record, their changes are not the user's choices.
  bool reloading_ = false;
  std::array<QRadioButton*, 3> typeOptions_{};
  QComboBox* linkList_ = nullptr;
  QPushButton* browseButton_ = nullptr;
  QLineEdit* targetEdit_ = nullptr;
  QLineEdit* argumentsEdit_ = nullptr;
  QLineEdit* titleEdit_ = nullptr;
  QComboBox* runStyleList_ = nullptr;
  QLabel* iconPicture_ = nullptr;
  std::array<QPushButton*, 3> iconButtons_{};
  QPushButton* okButton_ = nullptr;
};

// True, after telling the user, when group `group` already holds all the members it can.
bool RefuseFullGroup(const Tables& tables, int group, platform::MessageBoxes& messages);

// What the dialog shows in its picture box for `record`: its custom picture, else its picture
// file, else the desktop's icon of its path; at most 128 pixels each way, on white.
QImage PropertyPicture(ShortcutRecord& record, ShellIcons& shellIcons);

}  // namespace qav
