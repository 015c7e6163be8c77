#pragma once
// The two picture tables. Each row has seven slots: slot 0 keeps a plain picture at its own size
// (drawn stretched, optionally faded); slots 1..6 keep copies already scaled to their final size
// (drawn 1:1, which is all a frame of the ring does). An empty slot is a null image; a slot owns
// its picture, so replacing or clearing it releases the old one.

#include <QImage>

#include <array>
#include <vector>

namespace qav {

inline constexpr int kSkinRows = 33;    // skin pictures 0..32
inline constexpr int kItemRows = 1025;  // one row per record 0..1024
inline constexpr int kSlotsPerRow = 7;  // slots 0..6

using ImageRow = std::array<QImage, kSlotsPerRow>;

struct ImageTables {
  std::vector<ImageRow> Skin = std::vector<ImageRow>(kSkinRows);
  std::vector<ImageRow> Items = std::vector<ImageRow>(kItemRows);
};

// Skin rows by name.
enum SkinRow : int {
  kSkinLogo = 0,
  kSkinMenuSelect = 1,
  kSkinMenuMouseDown = 2,
  kSkinMenuUpUnselect = 3,
  kSkinMenuUpSelect = 4,
  kSkinMenuDownUnselect = 5,
  kSkinMenuDownSelect = 6,
  kSkinMenuSpace = 7,
  kSkinMenuBody = 8,
  kSkinMenuTop = 9,
  kSkinMenuBottom = 10,
  kSkinBorder = 12,
  kSkinNoDrop = 16,
  kSkinAddIcon = 17,
  kSkinReplaceIcon = 18,
  kSkinDelIcon = 19,
  kSkinBackSelectColor = 20,
};

// Frees slots 0..`slotCount` of a row.
void FreeRow(ImageRow& row, int slotCount);

}  // namespace qav
