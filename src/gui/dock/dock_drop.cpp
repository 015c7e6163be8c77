// Files dropped from the desktop's file manager on a ring slot, a group, the centre or the
// recycle bin.

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "base/text.h"
#include "core/shortcuts/classification.h"
#include "core/shortcuts/group_editing.h"
#include "gui/dock/dock_window.h"
#include "gui/graphics/imaging.h"
#include "gui/text/shown_titles.h"

namespace qav {
namespace {

constexpr int kMaxDroppedFiles = 1024;

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

std::string Translated(const char* marked) {
  return QCoreApplication::translate("DockWindow", marked).toStdString();
}

std::vector<std::string> DroppedFiles(const QMimeData* data) {
  std::vector<std::string> files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile() && static_cast<int>(files.size()) < kMaxDroppedFiles) {
      // The core keeps paths in the system's own spelling: Qt gives "C:/..." on Windows.
      files.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdString());
    }
  }
  return files;
}

int HitSlot(const AppState& state, const QPointF& at) {
  return HitTestSlot(state.ring, state.settings.IconCount, static_cast<float>(at.x()),
                     static_cast<float>(at.y()));
}

// Adds one dropped file; replacing a dock shortcut is asked first, and only No keeps it.
void AddAfterAsking(Classifier& classifier, platform::MessageBoxes& messages,
                    const std::string& file, int target) {
  if (classifier.AddItemFromPath(file, target, "", "") !=
      Classifier::AddOutcome::kNeedsConfirmation) {
    return;
  }
  if (messages.Show(Classifier::ReplaceShortcutQuestion()) == platform::MessageAnswer::kNo) return;
  classifier.AddItemFromPath(file, target, "", "", true);
}

}  // namespace

bool DockWindow::GroupFull(int record) const {
  if (record < 0 || record >= kGroupCount) return false;
  const int kind = state_.tables.Shortcuts[record].Kind;
  const int count = state_.tables.Groups[record].MemberCount;
  return (kind == kKindAllPrograms && count >= kAllProgramsCapacity) ||
         (kind == kKindGroup && count >= kGroupCapacity);
}

// The picture shown over `slot` for a drag, -1 for none; a drop is only taken where it is
// "ADDICON" or "REPLACEICON".
int DockWindow::DropPicture(int slot, bool hasFiles) const {
  const int kind = state_.tables.Shortcuts[slot].Kind;
  int picture = kSkinNoDrop;
  if (!DraggingLocked() && hasFiles && kind < kKindComputer) {
    switch (kind) {
      case kKindDockShortcut:
        picture = kSkinReplaceIcon;
        break;
      case kKindBlank:
      case kKindRecycleBin:
        picture = kSkinAddIcon;
        break;
      case kKindGroup:
      case kKindAllPrograms:
        picture = GroupFull(slot) ? kSkinNoDrop : kSkinAddIcon;
        break;
      default:
        picture = -1;
        break;
    }
  } else if (!DraggingLocked() && hasFiles && kind == kKindUser) {
    picture =
        FindFreeRecord(state_.tables, true, IconCount()) != kNoRecord ? kSkinAddIcon : kSkinNoDrop;
  }
  return picture;
}

void DockWindow::ShowDropFeedback(int slot, bool hasFiles) {
  if (slot == -1) {
    DockNormal(false);
    return;
  }
  DockNormal(true);
  const int picture = DropPicture(slot, hasFiles);
  if (picture >= 0) DrawOver(picture, mouseX_, mouseY_);
  Push();
}

void DockWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (state_.DockState == DockView::kMinimized) return;
  if (!state_.TintMode) ToTop();
  // Asking a drag for its data is a round trip to the source; the answer cannot change while
  // the drag lasts, and the source sends no new position until the last one was answered.
  dragHasFiles_ = !DroppedFiles(event->mimeData()).empty();
  // Taken whatever lies under the pointer, or no moves would follow; the move that follows
  // every enter draws the feedback and tells the source whether the place takes the drop.
  event->acceptProposedAction();
}

void DockWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (state_.DockState == DockView::kMinimized) return;
  mouseX_ = static_cast<int>(std::lround(event->position().x()));
  mouseY_ = static_cast<int>(std::lround(event->position().y()));
  dragSlot_ = HitSlot(state_, event->position());
  ShowDropFeedback(dragSlot_, dragHasFiles_);
  // The source is told the truth: a place that takes nothing (or nothing of this kind) refuses.
  const int picture = dragSlot_ == -1 ? -1 : DropPicture(dragSlot_, dragHasFiles_);
  if (picture == kSkinAddIcon || picture == kSkinReplaceIcon) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
  if (dragSlot_ == -1 && !state_.TintMode) ToBottom();
}

void DockWindow::dragLeaveEvent(QDragLeaveEvent* /*event*/) {
  dragSlot_ = -1;
  DockNormal(false);
  if (!state_.TintMode) ToBottom();
}

// The record a drop on `slot` goes to: the centre sends it to the first free dock place, or the
// All Programs group when there is none (saying so).
int DockWindow::DropTarget(int slot) {
  if (slot != 0) return slot;
  const int free = FindFreeRecord(state_.tables, true, IconCount());
  if (free == kAllProgramsGroup) {
    services_.platform.messages.Show(
        {Translated(QT_TRANSLATE_NOOP("DockWindow",
                                      "Desktop Group is full. The selected shortcut "
                                      "will be added to All programs Group")),
         Translated(QT_TRANSLATE_NOOP("DockWindow", "QAV Launcher")), MessageIcon::kNone,
         MessageButtons::kOk});
  }
  return free == kNoRecord ? slot : free;
}

bool DockWindow::AddDroppedFiles(int target, const std::vector<std::string>& files) {
  Classifier classifier = MakeClassifier();
  if (files.size() == 1) {
    AddAfterAsking(classifier, services_.platform.messages, files.front(), target);
    return classifier.LastAddedRecord() != 0;
  }
  const int kind = state_.tables.Shortcuts[target].Kind;
  if (kind == kKindDockShortcut || kind == kKindBlank) {
    // The proposed name left as it is, or none, stores the English name, which every language
    // shows in its own words.
    const auto name = services_.commands().dialogs.InputBox(
        Translated(QT_TRANSLATE_NOOP("DockWindow",
                                     "QAV Launcher will create a new shortcut group "
                                     "for you. Please enter the new group name.")),
        Translated(QT_TRANSLATE_NOOP("DockWindow", "Add Shortcut Group")),
        ShownTitle(kNewGroupTitle).toStdString());
    services_.pictures.DiscardItem(target);
    ShortcutRecord& group = state_.tables.Shortcuts[target];
    group.Kind = kKindGroup;
    group.Title = name && !TrimNull(*name).empty()
                      ? TitleToStore(kNewGroupTitle, QString::fromStdString(TrimNull(*name)))
                      : std::string(kNewGroupTitle);
    group.ImageRow = target;
    group.IconFile = state_.paths.SysIconsFolder + "Group.png";
    services_.pictures.LoadItemImage(target);
  } else if (kind != kKindGroup && kind != kKindAllPrograms) {
    return false;
  }
  for (const std::string& file : files) {
    if (GroupFull(target)) break;
    AddAfterAsking(classifier, services_.platform.messages, file, target);
  }
  return true;
}

void DockWindow::dropEvent(QDropEvent* event) {
  int target = dragSlot_;
  if (state_.DockState == DockView::kMinimized || target == -1 || DraggingLocked()) {
    event->ignore();
    return;
  }
  if (!state_.TintMode) ToBottom();
  const std::vector<std::string> files = DroppedFiles(event->mimeData());
  auto& messages = services_.platform.messages;
  // Only a drop that did something is reported to the source as taken.
  bool taken = false;
  if (GroupFull(target)) {
    messages.Show({Translated(QT_TRANSLATE_NOOP("DockWindow",
                                                "This group is full. Please choose another group "
                                                "or create a new group!")),
                   Translated(QT_TRANSLATE_NOOP("DockWindow", "Add Shortcut")),
                   MessageIcon::kInformation, MessageButtons::kOk});
  } else if (target == 2) {
    if (messages.Show({Translated(QT_TRANSLATE_NOOP("DockWindow",
                                                    "Are you sure you want to move the selected "
                                                    "files and folders to the Recycle Bin?")),
                       Translated(QT_TRANSLATE_NOOP("DockWindow", "Delete File")),
                       MessageIcon::kQuestion, MessageButtons::kYesNo, true}) ==
        MessageAnswer::kYes) {
      CommandContext commands = services_.commands();
      for (const std::string& file : files) SendToRecycleBin(commands, file);
      taken = !files.empty();
    }
  } else if (!files.empty()) {
    target = DropTarget(target);
    taken = AddDroppedFiles(target, files);
    IniIconParam();
    services_.saver.SaveMenu();
  }
  if (taken) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
  DockNormal(false);
  dragSlot_ = -1;
  if (!state_.TintMode) ToBottom();
}

}  // namespace qav
