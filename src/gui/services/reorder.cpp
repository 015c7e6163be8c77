#include "gui/services/reorder.h"

#include <algorithm>
#include <utility>

namespace qav {
namespace {

constexpr int kHeldSlots = 5;  // slots 0..4 carry an item's pictures
constexpr int kFirstMovablePlace = 4;

void MoveMember(GroupRecord& group, int s, int direction) {
  auto& m = group.Members;
  const int n = std::min<int>(group.MemberCount, static_cast<int>(m.size()) - 1);
  if (s < 1 || s > n) return;
  const auto at = [&m](int i) -> std::int32_t& { return m[static_cast<std::size_t>(i)]; };
  switch (direction) {
    case kMoveUp:
      if (s > 1) std::swap(at(s), at(s - 1));
      break;
    case kMoveDown:
      if (s < n) std::swap(at(s), at(s + 1));
      break;
    case kMoveTop:
      std::rotate(m.begin() + 1, m.begin() + s, m.begin() + s + 1);
      break;
    case kMoveBottom:
      std::rotate(m.begin() + s, m.begin() + s + 1, m.begin() + n + 1);
      break;
    default:
      break;
  }
}

// Dock place `to` takes everything of place `from` (group entry, record, pictures), with its
// fixed links pointing at `to`.
void TakePlace(Tables& t, PictureHolder& pictures, int to, int from) {
  t.Groups[static_cast<std::size_t>(to)] = t.Groups[static_cast<std::size_t>(from)];
  t.Groups[static_cast<std::size_t>(to)].Members[0] = to;
  t.Shortcuts[static_cast<std::size_t>(to)] = t.Shortcuts[static_cast<std::size_t>(from)];
  t.Shortcuts[static_cast<std::size_t>(to)].ImageRow = to;
  pictures.ExchangeCache(to, from, 0);
}

// Moves the held place into `to` through the others, which each step one place towards `from`.
void Rotate(Tables& t, PictureHolder& pictures, int from, int to) {
  const GroupRecord group = t.Groups[static_cast<std::size_t>(from)];
  const ShortcutRecord record = t.Shortcuts[static_cast<std::size_t>(from)];
  pictures.ExchangeCache(from, 0, 1);
  const int step = to < from ? -1 : 1;
  for (int k = from; k != to; k += step) TakePlace(t, pictures, k, k + step);
  t.Groups[static_cast<std::size_t>(to)] = group;
  t.Groups[static_cast<std::size_t>(to)].Members[0] = to;
  t.Shortcuts[static_cast<std::size_t>(to)] = record;
  t.Shortcuts[static_cast<std::size_t>(to)].ImageRow = to;
  pictures.ExchangeCache(to, 0, 2);
}

void MoveDockPlace(Tables& t, ImageTables& images, const MoveRequest& move) {
  const int c = move.currentRecord;
  const int last = std::min(move.iconCount, kLastDockRecord);
  if (c < kFirstMovablePlace || c > last) return;
  PictureHolder pictures(images);
  if (move.direction == kMoveUp || move.direction == kMoveDown) {
    const int d = move.direction == kMoveUp ? c - 1 : c + 1;
    if (d < kFirstMovablePlace || d > last) return;
    Rotate(t, pictures, c, d);
  } else if (move.direction == kMoveTop) {
    Rotate(t, pictures, c, kFirstMovablePlace);
  } else if (move.direction == kMoveBottom) {
    Rotate(t, pictures, c, last);
  }
}

}  // namespace

void PictureHolder::ExchangeCache(int a, int b, int mode) {
  auto row = [this](int r) -> ImageRow& { return tables_.Items[static_cast<std::size_t>(r)]; };
  for (int slot = 0; slot < kHeldSlots; ++slot) {
    const auto s = static_cast<std::size_t>(slot);
    if (mode == 0) row(a)[s] = row(b)[s];
    if (mode == 1) held_[s] = row(a)[s];
    if (mode == 2) row(a)[s] = held_[s];
  }
}

void PictureHolder::Swap(int a, int b) {
  ExchangeCache(a, 0, 1);
  ExchangeCache(a, b, 0);
  ExchangeCache(b, 0, 2);
}

bool ChangePosition(Tables& tables, ImageTables& images, const MoveRequest& move) {
  if (move.direction < kMoveUp || move.direction > kMoveBottom) return false;
  if (move.currentRecord != move.selectedSlot) {
    if (move.selectedSlot >= 0 && move.selectedSlot < kGroupCount) {
      MoveMember(tables.Groups[static_cast<std::size_t>(move.selectedSlot)], move.selectedMember,
                 move.direction);
    }
    return true;
  }
  MoveDockPlace(tables, images, move);
  return false;
}

}  // namespace qav
