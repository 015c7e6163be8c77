#pragma once
// Item pictures as the graphics layer makes them: icon extraction into the icon store and the
// image cache's loaded pictures.

#include "core/shortcuts/item_pictures.h"
#include "gui/graphics/image_cache.h"
#include "gui/graphics/shell_icons.h"
#include "platform/file_ops.h"

namespace qav {

class GraphicsItemPictures final : public ItemPictures {
 public:
  GraphicsItemPictures(platform::FileOps& files, ImageCache& cache, ShellIcons& shellIcons,
                       std::string iconStore);

  std::string NextIconStoreName() override;
  Result MakeItemPicture(int source, const std::string& path, int iconIndex, FixedText<255>& field,
                         const LinkIcon& link) override;
  Result IconFileToPng(const std::string& iconPath, const std::string& pngPath) override;
  Result ImageFileToPng(const std::string& picturePath, const std::string& pngPath, bool resize,
                        int width, int height) override;
  void LoadItemImage(int record) override;
  void DiscardItem(int record) override;

 private:
  int DevicePixels(int logical) const;

  platform::FileOps& files_;
  ImageCache& cache_;
  ShellIcons& shellIcons_;
  std::string iconStore_;
};

}  // namespace qav
