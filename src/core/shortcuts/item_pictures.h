#pragma once
// What item editing needs from the picture layer: making an item's picture file and building or
// releasing its loaded pictures. The graphics layer implements it; tests record the calls.

#include <string>

#include "base/result.h"
#include "core/store/fixed_text.h"

namespace qav {

// Where a link's picture comes from.
struct LinkIcon {
  std::string iconPath;  // the icon location the link names (the program itself for a program)
  int iconIndex = 0;
  std::string target;  // tried with the same index when the icon location yields nothing
};

enum PictureSource : int {
  kPictureOfLink = 3,    // the link's icon location, else its target
  kPictureOfModule = 4,  // icon `iconIndex` of a program or library
  kPictureOfShell = 5,   // the desktop's icon of any file or folder
  kPictureOfTheme = 6,   // a desktop icon-theme name (or a picture file) of a desktop entry
};

class ItemPictures {
 public:
  virtual ~ItemPictures() = default;
  // The first free numbered picture file of the icon store.
  virtual std::string NextIconStoreName() = 0;
  // Writes the item's picture into the file `field` names (trimmed in place). A failure says
  // what had no picture or what could not be written.
  virtual Result MakeItemPicture(int source, const std::string& path, int iconIndex,
                                 FixedText<255>& field, const LinkIcon& link) = 0;
  // An icon file (or a PNG named ".ico") to a PNG. A failure says why.
  virtual Result IconFileToPng(const std::string& iconPath, const std::string& pngPath) = 0;
  // A picture file of any readable format to a PNG, resized to width x height when asked. A
  // failure says why.
  virtual Result ImageFileToPng(const std::string& picturePath, const std::string& pngPath,
                                bool resize, int width, int height) = 0;
  // Builds the record's loaded pictures from its fields.
  virtual void LoadItemImage(int record) = 0;
  // Releases the record's pictures, deletes the picture files made for it, blanks the record.
  virtual void DiscardItem(int record) = 0;
};

}  // namespace qav
