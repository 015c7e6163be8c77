#include "gui/dialogs/properties_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <algorithm>

#include "base/path_separator.h"
#include "base/text.h"
#include "core/environment/path_services.h"
#include "core/shortcuts/classification.h"
#include "core/shortcuts/commands.h"
#include "core/shortcuts/default_groups.h"
#include "core/shortcuts/group_editing.h"
#include "gui/graphics/image_cache.h"
#include "gui/text/shown_titles.h"

namespace qav {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

constexpr int kPictureEdge = 128;
constexpr int kModeAddMember = -1;

// Ready-made entries: list place k (1..) builds default item k + 7 on a shortcut (8 the web
// browser, 9 the mail program) and k + 3 on a group (4..7 the four groups in list order).
constexpr int kShortcutOffset = 7;
constexpr int kGroupOffset = 3;

// The ready-made entries of the link list: for a free place, for a shortcut, for an empty group
// and for a group with members.
constexpr const char* kNewShortcuts[] = {
    QT_TRANSLATE_NOOP("PropertiesDialog", "Add New 'Internet' Shortcut"),
    QT_TRANSLATE_NOOP("PropertiesDialog", "Add New 'Check Email' Shortcut")};
constexpr const char* kReplacingShortcuts[] = {
    QT_TRANSLATE_NOOP("PropertiesDialog", "Replace by  New 'Internet' Shortcut"),
    QT_TRANSLATE_NOOP("PropertiesDialog", "Replace by  New 'Check Email' Shortcut")};
constexpr const char* kNewGroups[] = {
    QT_TRANSLATE_NOOP("PropertiesDialog", "Add New 'System Folders & Drives Group'"),
    QT_TRANSLATE_NOOP("PropertiesDialog", "Add New 'Accessories Group'"),
    QT_TRANSLATE_NOOP("PropertiesDialog", "Add New 'Microsoft Office Suite Group'"),
    QT_TRANSLATE_NOOP("PropertiesDialog", "Add New 'Website Group'")};
constexpr const char* kReplacingGroups[] = {
    QT_TRANSLATE_NOOP("PropertiesDialog", "Replace by  New 'System Folders & Drives Group'"),
    QT_TRANSLATE_NOOP("PropertiesDialog", "Replace by  New 'Accessories Group'"),
    QT_TRANSLATE_NOOP("PropertiesDialog", "Replace by  New 'Microsoft Office Suite Group'"),
    QT_TRANSLATE_NOOP("PropertiesDialog", "Replace by  New 'Website Group'")};

QString Translated(const char* marked) {
  return QCoreApplication::translate("PropertiesDialog", marked);
}

std::string TranslatedText(const char* marked) {
  return Translated(marked).toStdString();
}

template <std::size_t N>
void AddEntries(QStringList& entries, const char* const (&marked)[N]) {
  for (const char* entry : marked) entries << Translated(entry);
}

// Up to and including the last separator: the folder a file dialog starts in.
std::string GetParentFolder(const std::string& path) {
  const auto cut = path.find_last_of(std::string("\\") + platform::kPathSeparator);
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string Text(const QString& text) {
  return text.toStdString();
}

}  // namespace

bool RefuseFullGroup(const Tables& tables, int group, platform::MessageBoxes& messages) {
  if (group < 0 || group >= kGroupCount) return true;
  const GroupRecord& g = tables.Groups[static_cast<std::size_t>(group)];
  const int capacity = std::min(GroupCapacity(group), static_cast<int>(g.Members.size()) - 1);
  if (g.MemberCount < capacity) return false;
  messages.Show({TranslatedText(QT_TRANSLATE_NOOP(
                     "PropertiesDialog",
                     "This group is full. Please choose another group or create a new group!")),
                 TranslatedText(QT_TRANSLATE_NOOP("PropertiesDialog", "Add Shortcut")),
                 MessageIcon::kInformation, MessageButtons::kOk});
  return true;
}

QImage PropertyPicture(ShortcutRecord& record, ShellIcons& shellIcons) {
  std::string picture = record.CustomIcon.Get();
  record.CustomIcon = picture;
  if (!PathExists(picture)) {
    picture = record.IconFile.Get();
    record.IconFile = picture;
  }
  const std::string path = record.Path.Get();
  record.Path = path;
  QImage source = PathExists(picture) ? LoadPictureFile(picture) : QImage();
  if (source.isNull() && PathExists(path)) source = shellIcons.IconFor(path, kPictureEdge);
  QImage canvas(kPictureEdge, kPictureEdge, QImage::Format_ARGB32);
  canvas.fill(Qt::white);
  if (!source.isNull()) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, std::min(source.width(), kPictureEdge),
                            std::min(source.height(), kPictureEdge)),
                      source);
  }
  return canvas;
}

PropertiesDialog::PropertiesDialog(PropertyServices services, bool addShortcut, QWidget* owner)
    : QDialog(owner), s_(std::move(services)), addShortcutMode_(addShortcut) {
  BuildControls();
  ConnectControls();
  Reload();
}

ShortcutRecord& PropertiesDialog::Current() {
  auto& records = s_.state.tables.Shortcuts;
  const int record = std::clamp(s_.state.CurrentRecord, 0, static_cast<int>(records.size()) - 1);
  return records[static_cast<std::size_t>(record)];
}

int PropertiesDialog::GroupMemberCount() const {
  const int record = s_.state.CurrentRecord;
  if (record < 0 || record >= kGroupCount) return 0;
  return s_.state.tables.Groups[static_cast<std::size_t>(record)].MemberCount;
}

void PropertiesDialog::Reload() {
  const QScopedValueRollback<bool> reloading(reloading_, true);
  ShortcutRecord& r = Current();
  mode_ = r.Kind;
  if (addShortcutMode_) {
    setWindowTitle(QCoreApplication::translate("PropertiesDialog", "Add Shortcut"));
    setAccessibleName(windowTitle());
    if (mode_ == kKindGroup || mode_ == kKindAllPrograms) mode_ = kModeAddMember;
  }
  if (mode_ != kModeAddMember) {
    const std::string title = r.Title.Get();
    const std::string target = r.Target.Get();
    const std::string arguments = r.Arguments.Get();
    r.Title = title;
    r.Target = target;
    r.Arguments = arguments;
    titleEdit_->setText(ShownTitle(title));
    targetEdit_->setText(QString::fromStdString(target));
    argumentsEdit_->setText(QString::fromStdString(arguments));
    runStyleList_->setCurrentIndex(std::clamp(r.RunStyle, 0, 2));
    DrawQavIcon();
  }
  IniCombLink();
  SetEnabledFor(mode_);
  if (addShortcutMode_) {
    if (mode_ == kModeAddMember) typeOptions_[1]->setEnabled(false);
    addShortcutMode_ = false;
  }
}

void PropertiesDialog::SetEnabledFor(int mode) {
  const int selected = mode >= kKindAllPrograms ? 2 : mode == kKindGroup ? 1 : 0;
  typeOptions_[static_cast<std::size_t>(selected)]->setChecked(true);
  browseButton_->setEnabled(selected == 0);
  const bool editable = mode < kKindAllPrograms && mode != kKindGroup;
  targetEdit_->setEnabled(editable);
  argumentsEdit_->setEnabled(editable);
  runStyleList_->setEnabled(editable);
  linkList_->setEnabled(mode < kKindAllPrograms);
  titleEdit_->setEnabled(mode < kKindAllPrograms);
  typeOptions_[0]->setEnabled(mode < kKindAllPrograms);
  // Members never become groups: only dock places can hold one.
  const bool dockPlace = s_.state.CurrentRecord <= kLastDockRecord;
  typeOptions_[1]->setEnabled(mode == kKindGroup ||
                              (editable && dockPlace && mode != kModeAddMember));
  typeOptions_[2]->setEnabled(mode >= kKindAllPrograms);
}

void PropertiesDialog::IniCombLink() {
  linkList_->clear();
  ShortcutRecord& r = Current();
  const std::string path = r.Path.Get();
  r.Path = path;
  QStringList entries;
  if (mode_ != kModeAddMember) entries << QString::fromStdString(path);
  if (mode_ == kKindFree || mode_ == kKindBlank) {
    AddEntries(entries, kNewShortcuts);
  } else if (mode_ == kKindDockShortcut || mode_ == kKindMember) {
    AddEntries(entries, kReplacingShortcuts);
  } else if (mode_ == kKindGroup) {
    AddEntries(entries, GroupMemberCount() > 0 ? kReplacingGroups : kNewGroups);
  }
  linkList_->addItems(entries);
  if (!entries.isEmpty()) linkList_->setCurrentIndex(0);
}

void PropertiesDialog::DrawQavIcon() {
  iconPicture_->setPixmap(QPixmap::fromImage(PropertyPicture(Current(), s_.shellIcons)));
}

bool PropertiesDialog::AskYesNo(const std::string& text, const std::string& caption,
                                bool noIsDefault) {
  return s_.platform.messages.Show({text, caption, MessageIcon::kQuestion, MessageButtons::kYesNo,
                                    noIsDefault}) == MessageAnswer::kYes;
}

void PropertiesDialog::RefreshDock() {
  if (s_.iniIconParam) s_.iniIconParam();
  if (s_.dockNormal) s_.dockNormal();
}

void PropertiesDialog::Delete(int record) {
  EditingContext editing{s_.state.tables, s_.pictures, s_.state.paths.SysIconsFolder};
  DeleteItem(editing, record);
}

void PropertiesDialog::ClassifyInto(const std::string& path, int record, const std::string& title) {
  AppState& st = s_.state;
  Classifier classifier({st.tables, st.paths, s_.platform.system, s_.platform.registry,
                         s_.platform.volumes, s_.platform.messages, s_.pictures,
                         st.settings.IconCount});
  classifier.ClassifyIntoRecord(path, record, title, "");
}

void PropertiesDialog::BuildReadyMade(int number) {
  AppState& st = s_.state;
  Classifier classifier({st.tables, st.paths, s_.platform.system, s_.platform.registry,
                         s_.platform.volumes, s_.platform.messages, s_.pictures,
                         st.settings.IconCount});
  DefaultGroupContext context{st.tables,  st.paths,   s_.platform,
                              classifier, st.OsMajor, s_.applicationFolders};
  BuildDefaultGroup(context, number, st.CurrentRecord);
}

void PropertiesDialog::OptTypeClick(int index) {
  const int record = s_.state.CurrentRecord;
  ShortcutRecord& r = Current();
  bool changed = false;
  if (index == 0 && mode_ == kKindGroup) {
    if (GroupMemberCount() == 0 ||
        AskYesNo(TranslatedText(QT_TRANSLATE_NOOP(
                     "PropertiesDialog",
                     "This operation will delete all items of this group, continue?")),
                 TranslatedText(QT_TRANSLATE_NOOP("PropertiesDialog", "QAV Launcher")), false)) {
      Delete(record);
      mode_ = kKindBlank;
      changed = true;
    }
  } else if (index == 1 && record >= kFirstDockRecord && record <= kLastDockRecord) {
    bool proceed = false;
    if (mode_ == kKindDockShortcut || mode_ == kKindMember) {
      proceed =
          AskYesNo(TranslatedText(QT_TRANSLATE_NOOP(
                       "PropertiesDialog", "This operation will delete this shortcut, continue?")),
                   TranslatedText(QT_TRANSLATE_NOOP("PropertiesDialog", "QAV Launcher")), false);
    } else if (mode_ == kKindFree || mode_ == kKindBlank) {
      proceed = true;
    }
    if (proceed) {
      Delete(record);
      mode_ = kKindGroup;
      r.Kind = kKindGroup;
      r.Title = std::string(kNewGroupTitle) + " " + kEmptyGroupMark;
      r.ImageRow = record;
      r.IconFile = s_.state.paths.SysIconsFolder + "Group.png";
      s_.pictures.LoadItemImage(record);
      changed = true;
    }
  }
  Reload();
  if (changed) {
    RefreshDock();
    if (s_.saveMenu) s_.saveMenu();
  } else if (s_.dockNormal) {
    s_.dockNormal();
  }
}

void PropertiesDialog::CombLinkClick(int index) {
  if (index < 1) return;
  const int record = s_.state.CurrentRecord;
  const std::string question =
      TranslatedText(QT_TRANSLATE_NOOP("PropertiesDialog", "Are you sure to replace?"));
  const std::string caption = TranslatedText(QT_TRANSLATE_NOOP("PropertiesDialog", "Properties"));
  switch (mode_) {
    case kKindDockShortcut:
    case kKindGroup:
      if ((mode_ == kKindDockShortcut || GroupMemberCount() > 0) &&
          !AskYesNo(question, caption, true)) {
        linkList_->setCurrentIndex(0);
        return;
      }
      Delete(record);
      break;
    case kKindMember:
      if (!AskYesNo(question, caption, true)) {
        linkList_->setCurrentIndex(0);
        return;
      }
      if (s_.dropCustomIcon) s_.dropCustomIcon(record);
      Current().CustomIcon = "";
      break;
    case kKindFree:
    case kKindBlank:
      break;
    default:
      return;
  }
  BuildReadyMade(index + (mode_ == kKindGroup ? kGroupOffset : kShortcutOffset));
  s_.pictures.LoadItemImage(record);
  Reload();
  RefreshDock();
  if (s_.saveMenu) s_.saveMenu();
}

int PropertiesDialog::AppendMember() {
  AppState& st = s_.state;
  const int group = st.CurrentRecord;
  if (group < 0 || group > kLastDockRecord) return kNoRecord;
  if (RefuseFullGroup(st.tables, group, s_.platform.messages)) return kNoRecord;
  GroupRecord& g = st.tables.Groups[static_cast<std::size_t>(group)];
  const int r = FindFreeRecord(st.tables, false, st.settings.IconCount);
  if (r == kNoRecord) {
    s_.platform.messages.Show(
        {TranslatedText(
             QT_TRANSLATE_NOOP("PropertiesDialog",
                               "There is no room for another shortcut: all 1024 places are in "
                               "use. Remove shortcuts you no longer need and try again.")),
         TranslatedText(QT_TRANSLATE_NOOP("PropertiesDialog", "Add Shortcut")),
         MessageIcon::kInformation, MessageButtons::kOk});
    return kNoRecord;
  }
  ResetRecord(st.tables.Shortcuts[static_cast<std::size_t>(r)]);
  st.tables.Shortcuts[static_cast<std::size_t>(r)].Kind = kKindMember;
  g.MemberCount += 1;
  g.Members[static_cast<std::size_t>(g.MemberCount)] = r;
  UpdateGroupTitle(st.tables, group);
  return r;
}

void PropertiesDialog::CmdBrowseClick() {
  ShortcutRecord& r = Current();
  std::string start = r.Path.Get();
  if (!PathExists(start)) start = r.Target.Get();
  start = PathExists(start) ? GetParentFolder(start) : s_.state.paths.ProgramFilesFolder;
  platform::FileDialogRequest request;
  request.title =
      TranslatedText(QT_TRANSLATE_NOOP("PropertiesDialog", "QAV Launcher - Properties"));
  request.filter = "*.lnk;*.exe;*.*|*.lnk;*.exe;*.*";
  request.initialName = start;
  const std::string file = s_.files.ShowFileDialog(request);
  if (file.empty()) return;
  if (mode_ != kModeAddMember) {
    ClassifyInto(file, s_.state.CurrentRecord, "");
  } else {
    const int member = AppendMember();
    if (member == kNoRecord) return;
    mode_ = kKindMember;
    ClassifyInto(file, member, "");
    // The dialog goes on with the new member, so OK edits it rather than the group.
    s_.state.CurrentRecord = member;
  }
  RefreshDock();
  Reload();
  if (s_.saveMenu) s_.saveMenu();
}

void PropertiesDialog::CmdIconClick(int index) {
  const int record = s_.state.CurrentRecord;
  ShortcutRecord& r = Current();
  if (index == 2) {
    OpenOrTell(s_.platform.launcher, s_.platform.messages, kIconSearchAddress);
    return;
  }
  if (index == 0) {
    platform::FileDialogRequest request;
    request.title =
        TranslatedText(QT_TRANSLATE_NOOP("PropertiesDialog", "QAV Launcher - Change Icon"));
    request.filter = "*.ico;*.png|*.ico;*.png";
    const std::string file = s_.files.ShowFileDialog(request);
    if (file.empty()) return;
    if (s_.dropCustomIcon) s_.dropCustomIcon(record);
    const std::string stored = s_.pictures.NextIconStoreName();
    // The message keeps its one line; the picture's reason has nowhere to go.
    const bool made = s_.pictures.IconFileToPng(file, stored).Ok();
    // The old picture is gone either way; the item falls back to its own picture.
    r.CustomIcon = made ? stored : std::string();
    if (!made) {
      s_.platform.messages.Show(
          {TranslatedText(QT_TRANSLATE_NOOP("PropertiesDialog", "Change icon failed")),
           TranslatedText(QT_TRANSLATE_NOOP("PropertiesDialog", "QAV Launcher")),
           MessageIcon::kExclamation, MessageButtons::kOk});
    }
  } else if (index == 1) {
    if (s_.dropCustomIcon) s_.dropCustomIcon(record);
    const std::string iconFile = r.IconFile.Get();
    r.IconFile = iconFile;
    const std::string& shipped = s_.state.paths.SysIconsFolder;
    if (shipped.empty() || !iconFile.starts_with(shipped)) {
      AppState& st = s_.state;
      Classifier({st.tables, st.paths, s_.platform.system, s_.platform.registry,
                  s_.platform.volumes, s_.platform.messages, s_.pictures, st.settings.IconCount})
          .RefreshItemIcon(record);
    }
    r.CustomIcon = "";
  } else {
    return;
  }
  r.ImageRow = record;
  s_.pictures.LoadItemImage(record);
  if (s_.dockNormal) s_.dockNormal();
  DrawQavIcon();
  if (s_.saveMenu) s_.saveMenu();
}

std::string PropertiesDialog::AcceptedText(const QString& text) const {
  const std::string path = Text(text);
  const std::string existing = ExistingPath(path, false, {s_.state.paths, s_.platform.system});
  if (!existing.empty()) return existing;
  if (IsWebAddress(path)) return TrimNull(path);
  return {};
}

void PropertiesDialog::CmdOKClick() {
  AppState& st = s_.state;
  const std::string link = AcceptedText(linkList_->currentText());
  const std::string typedTarget = AcceptedText(targetEdit_->text());
  const std::string target = link.empty() ? typedTarget : link;
  if (target.empty() && mode_ != kKindGroup) {
    accept();
    return;
  }
  // A title the dialog showed in the user's language and the user left alone is stored as it was.
  std::string title = TitleToStore(Current().Title.Get(), titleEdit_->text().trimmed());
  if (title == "Blank Shortcut") title.clear();
  if (mode_ == kModeAddMember) {
    const int member = AppendMember();
    if (member != kNoRecord) {
      ClassifyInto(target, member, title);
      st.CurrentRecord = member;
      RefreshDock();
      ShortcutRecord& r = st.tables.Shortcuts[static_cast<std::size_t>(member)];
      r.RunStyle = runStyleList_->currentIndex();
      r.Arguments = Text(argumentsEdit_->text());
      if (s_.saveMenu) s_.saveMenu();
    }
  } else if (mode_ == kKindBlank || mode_ == kKindFree) {
    ClassifyInto(target, st.CurrentRecord, title);
    RefreshDock();
    if (s_.saveMenu) s_.saveMenu();
  } else {
    ShortcutRecord& r = Current();
    r.Title = TitleToStore(r.Title.Get(), titleEdit_->text().trimmed());
    if (!link.empty()) r.Path = link;
    r.RunStyle = std::max(0, runStyleList_->currentIndex());
    r.Arguments = Text(argumentsEdit_->text());
    r.Target = typedTarget.empty() ? TrimNull(Text(linkList_->currentText())) : typedTarget;
    RefreshDock();
    if (s_.saveMenu) s_.saveMenu();
  }
  accept();
}

}  // namespace qav
