#include "gui/graphics/graphics_item_pictures.h"

#include "gui/graphics/icon_extraction.h"

namespace qav {

GraphicsItemPictures::GraphicsItemPictures(platform::FileOps& files, ImageCache& cache,
                                           ShellIcons& shellIcons, std::string iconStore)
    : files_(files), cache_(cache), shellIcons_(shellIcons), iconStore_(std::move(iconStore)) {}

std::string GraphicsItemPictures::NextIconStoreName() {
  return qav::NextIconStoreName(iconStore_);
}

Result GraphicsItemPictures::MakeItemPicture(int source, const std::string& path, int iconIndex,
                                             FixedText<255>& field, const LinkIcon& link) {
  return qav::MakeItemPicture(files_, source, path, iconIndex, field, link, shellIcons_,
                              DevicePixels(128));
}

Result GraphicsItemPictures::IconFileToPng(const std::string& iconPath,
                                           const std::string& pngPath) {
  return qav::IconFileToPng(files_, iconPath, pngPath);
}

Result GraphicsItemPictures::ImageFileToPng(const std::string& picturePath,
                                            const std::string& pngPath, bool resize, int width,
                                            int height) {
  return qav::ImageFileToPng(files_, picturePath, pngPath, resize, DevicePixels(width),
                             DevicePixels(height));
}

// Stored pictures keep enough pixels for the density of the dock's screen.
int GraphicsItemPictures::DevicePixels(int logical) const {
  return qRound(logical * cache_.DeviceRatio());
}

void GraphicsItemPictures::LoadItemImage(int record) {
  cache_.LoadItemImage(record);
}

void GraphicsItemPictures::DiscardItem(int record) {
  cache_.DiscardItem(record);
}

}  // namespace qav
