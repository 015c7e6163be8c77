#include "gui/graphics/image_tables.h"

namespace qav {

void FreeRow(ImageRow& row, int slotCount) {
  for (int slot = 0; slot <= slotCount && slot < kSlotsPerRow; ++slot) row[slot] = QImage();
}

}  // namespace qav
