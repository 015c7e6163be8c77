#pragma once
// The item context menu of a dock icon or a group member: add a shortcut, delete, move up, down,
// to the top or the bottom, and properties, each offered only where the item allows it.

#include <QMenu>

#include <array>
#include <functional>

#include "core/shortcuts/commands.h"
#include "core/shortcuts/item_pictures.h"
#include "core/state/app_state.h"
#include "gui/graphics/image_tables.h"
#include "gui/services/window_services.h"
#include "platform/message_boxes.h"

class QAction;

namespace qav {

struct ItemMenuServices {
  AppState& state;
  ImageTables& images;
  platform::MessageBoxes& messages;
  ItemPictures& pictures;
  ConfigurationSaver& saver;
  // Opens the properties window for CurrentRecord (adding a new shortcut when asked).
  std::function<void(bool addShortcut)> showProperties;
};

class ItemContextMenu final : public ItemMenuRequests {
 public:
  ItemContextMenu(ItemMenuServices services, DockRequests& dock, GroupMenuRequests& menu);

  // Pops the menu up at the mouse for `record`, opened on dock place (or group) `slot`, and
  // returns; the chosen entry runs later from the event loop.
  void ShowItemMenu(int record, int slot) override;

  // The entry actions, also run by tests without the pop-up.
  void AddShortcut();
  void Delete();
  void ChangePosition(int direction);
  void Properties();

  QMenu& Menu() { return menu_; }
  // Whether each entry (0..8) is offered for the record the menu was last prepared for.
  std::array<bool, 9> Offered() const;
  void Prepare(int record, int slot);

 private:
  void OnEntry(int index, std::function<void()> action);
  void LeaveOtherModes();
  void CommonEnd();

  ItemMenuServices services_;
  DockRequests& dock_;
  GroupMenuRequests& groupMenu_;
  QMenu menu_;
  std::array<QAction*, 9> entries_{};
};

}  // namespace qav
