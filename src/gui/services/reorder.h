#pragma once
// Moving a dock icon or a group member up, down, to the top or to the bottom. Records, member
// lists and pictures travel together, and every dock record's picture row stays its place.

#include "core/store/records.h"
#include "gui/graphics/image_tables.h"

namespace qav {

enum MoveDirection : int { kMoveUp = 3, kMoveDown = 4, kMoveTop = 5, kMoveBottom = 6 };

// Picture rows change hands without any picture being made or freed: mode 0 row a takes row b's
// pictures, mode 1 the held row takes row a's, mode 2 row a takes the held row's.
class PictureHolder {
 public:
  explicit PictureHolder(ImageTables& tables) : tables_(tables) {}
  void ExchangeCache(int a, int b, int mode);
  void Swap(int a, int b);

 private:
  ImageTables& tables_;
  ImageRow held_;
};

struct MoveRequest {
  int direction = 0;
  int currentRecord = 0;   // the record the menu was opened on
  int selectedSlot = 0;    // its dock place, or the place of its group
  int selectedMember = 0;  // a member's 1-based place in that group
  int iconCount = 24;
};

// Member mode when the record is not the dock place itself, dock mode otherwise. Returns true in
// member mode. Directions other than the four do nothing.
bool ChangePosition(Tables& tables, ImageTables& images, const MoveRequest& move);

}  // namespace qav
