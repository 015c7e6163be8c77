#include "gui/tray/item_context_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>

#include "core/shortcuts/group_editing.h"
#include "gui/services/delete_after_asking.h"
#include "gui/services/reorder.h"

namespace qav {
namespace {

constexpr const char* kCaptions[] = {QT_TRANSLATE_NOOP("ItemContextMenu", "&Add Shortcut"),
                                     QT_TRANSLATE_NOOP("ItemContextMenu", "&Delete"),
                                     "-",
                                     QT_TRANSLATE_NOOP("ItemContextMenu", "Move &Up"),
                                     QT_TRANSLATE_NOOP("ItemContextMenu", "Move &Down"),
                                     QT_TRANSLATE_NOOP("ItemContextMenu", "Move &Top"),
                                     QT_TRANSLATE_NOOP("ItemContextMenu", "Move &Bottom"),
                                     "-",
                                     QT_TRANSLATE_NOOP("ItemContextMenu", "&Properties")};

}  // namespace

ItemContextMenu::ItemContextMenu(ItemMenuServices services, DockRequests& dock,
                                 GroupMenuRequests& menu)
    : services_(std::move(services)), dock_(dock), groupMenu_(menu) {
  menu_.setTitle(QCoreApplication::translate("ItemContextMenu", "Setting"));
  menu_.setAccessibleName(menu_.title());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (std::string(kCaptions[i]) == "-") {
      entries_[i] = menu_.addSeparator();
    } else {
      entries_[i] = menu_.addAction(QCoreApplication::translate("ItemContextMenu", kCaptions[i]));
    }
  }
  OnEntry(0, [this] { AddShortcut(); });
  OnEntry(1, [this] { Delete(); });
  for (int direction = kMoveUp; direction <= kMoveBottom; ++direction) {
    OnEntry(direction, [this, direction] { ChangePosition(direction); });
  }
  OnEntry(8, [this] { Properties(); });
}

// An entry runs from the event loop once the menu is closed: a screen reader's Press triggers
// it inside its own request, which must be answered before a dialog or a question opens.
void ItemContextMenu::OnEntry(int index, std::function<void()> action) {
  QObject::connect(entries_[static_cast<std::size_t>(index)], &QAction::triggered, &menu_,
                   [this, action = std::move(action)] {
                     menu_.hide();
                     QMetaObject::invokeMethod(&menu_, action, Qt::QueuedConnection);
                   });
}

void ItemContextMenu::Prepare(int record, int slot) {
  const AppState& s = services_.state;
  const ItemMenuEntries offered =
      ItemMenuAvailability(s.tables, record, s.settings.IconCount, slot);
  for (std::size_t i = 0; i < entries_.size(); ++i) entries_[i]->setEnabled(offered[i]);
}

std::array<bool, 9> ItemContextMenu::Offered() const {
  std::array<bool, 9> offered{};
  for (std::size_t i = 0; i < entries_.size(); ++i) offered[i] = entries_[i]->isEnabled();
  return offered;
}

// Popped up without a loop of its own; its first offered entry has the focus, so that assistive
// technology follows the keyboard into the menu.
void ItemContextMenu::ShowItemMenu(int record, int slot) {
  Prepare(record, slot);
  menu_.popup(QCursor::pos());
  for (QAction* entry : entries_) {
    if (!entry->isSeparator() && entry->isEnabled()) {
      menu_.setActiveAction(entry);
      break;
    }
  }
}

void ItemContextMenu::LeaveOtherModes() {
  groupMenu_.MenuEscCancel(false);
  if (services_.state.TintMode) dock_.DockEscCancel();
}

// Every entry ends by sending a dock that holds the foreground back to rest.
void ItemContextMenu::CommonEnd() {
  if (dock_.DockActive()) dock_.DockEscCancel();
}

void ItemContextMenu::AddShortcut() {
  LeaveOtherModes();
  if (services_.showProperties) services_.showProperties(true);
  CommonEnd();
}

void ItemContextMenu::Properties() {
  LeaveOtherModes();
  if (services_.showProperties) services_.showProperties(false);
  CommonEnd();
}

void ItemContextMenu::Delete() {
  LeaveOtherModes();
  AppState& s = services_.state;
  const int record = s.CurrentRecord;
  if (record < 0 || record >= static_cast<int>(s.tables.Shortcuts.size())) return;
  const int kind = s.tables.Shortcuts[static_cast<std::size_t>(record)].Kind;
  if ((kind == kKindMember || kind == kKindDockShortcut) &&
      services_.messages.Show(
          {QCoreApplication::translate("ItemContextMenu",
                                       "Are you sure to delete the selected shortcut?")
               .toStdString(),
           QCoreApplication::translate("ItemContextMenu", "Delete Shortcut").toStdString(),
           platform::MessageIcon::kQuestion, platform::MessageButtons::kYesNo, true}) ==
          platform::MessageAnswer::kNo) {
    return;
  }
  EditingContext editing{s.tables, services_.pictures, s.paths.SysIconsFolder};
  DeleteAfterAsking(editing, services_.messages, record);
  dock_.DockReload();
  services_.saver.SaveMenu();
  CommonEnd();
}

void ItemContextMenu::ChangePosition(int direction) {
  AppState& s = services_.state;
  const MoveRequest move{direction, s.CurrentRecord, s.SelectedSlot, s.SelectedMember,
                         s.settings.IconCount};
  if (qav::ChangePosition(s.tables, services_.images, move)) {
    if (groupMenu_.MenuShown()) groupMenu_.MenuRefresh();
  } else {
    dock_.DockReload();
  }
  services_.saver.SaveMenu();
  CommonEnd();
}

}  // namespace qav
