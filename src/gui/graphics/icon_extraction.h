#pragma once
// Turns whatever a user points at into a PNG picture of the icon store: an icon file, an icon
// group inside a Windows program or library (read portably, on every platform), the desktop's
// icon for any file, or an ordinary picture file.

#include <cstdint>
#include <span>
#include <string>

#include "base/result.h"
#include "core/shortcuts/item_pictures.h"
#include "core/store/fixed_text.h"
#include "gui/graphics/shell_icons.h"
#include "platform/file_ops.h"

namespace qav {

// The first "<n>.png" of the icon store folder that does not exist yet, n = 0, 1, 2, ...
std::string NextIconStoreName(const std::string& iconStore);

// An icon file (or a PNG named ".ico") to a PNG, from its best entry. A failure says whether the
// file could not be read, held no usable picture or the PNG could not be written.
Result IconFileToPng(platform::FileOps& files, const std::string& iconPath,
                     const std::string& pngPath);

// Icon group `iconIndex` of a program or library (a negative index names the group by its id)
// to a PNG, from the group's best entry. False when the file is not a program with a usable
// icon. The old picture at `pngPath` is replaced only by a finished new one.
bool ModuleIconToPng(platform::FileOps& files, const std::string& modulePath, int iconIndex,
                     const std::string& pngPath);

// A picture file of any format Qt reads to a PNG, resized to width x height when asked.
// A failure says whether the picture could not be read or the PNG could not be written.
Result ImageFileToPng(platform::FileOps& files, const std::string& picturePath,
                      const std::string& pngPath, bool resize, int width, int height);

// One icon image (a PNG, or a DIB with its mask) to a PNG of width x height. PNG images are
// written unchanged. 32-bit images keep their alpha through the same decoder.
bool IconResToPng(platform::FileOps& files, std::span<const std::uint8_t> image, int width,
                  int height, const std::string& pngPath);

// Makes an item's picture into the file its picture field names (the field is trimmed in place):
// a link's icon (else its target's), a program's icon, the desktop's icon of a file, or a named
// icon of the icon theme (an absolute picture file is taken as it is, at `pictureSize` device
// pixels; the theme's icons come at 128 logical ones). A failure says which source had no
// picture, or that the picture could not be written.
Result MakeItemPicture(platform::FileOps& files, int source, const std::string& path, int iconIndex,
                       FixedText<255>& pictureField, const LinkIcon& link, ShellIcons& shellIcons,
                       int pictureSize = 128);

}  // namespace qav
