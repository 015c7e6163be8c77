#pragma once
// Which file each record's picture comes from, which slots are built for it, which fallback a
// record without a usable picture shows, and when pictures are freed and rebuilt.

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/state/app_state.h"
#include "gui/graphics/image_tables.h"
#include "gui/graphics/picture_prefetch.h"
#include "gui/graphics/shell_icons.h"

namespace qav {

struct SkinPicture {
  int row;
  const char* resource;
  int width;
  int height;
  int slot;  // 1: pre-scaled to width x height; 0: plain at its own size
};

// Rows of the template records whose pictures stand in for records without one.
inline constexpr int kFallbackFileRow = kFileTemplate;
inline constexpr int kFallbackLinkRow = kLinkTemplate;
inline constexpr int kFallbackProgramRow = kProgramTemplate;

class ImageCache {
 public:
  ImageCache(ImageTables& tables, AppState& state, ShellIcons& shellIcons);

  // The skin pictures from the program's resources, the fades and every record's pictures. With
  // `putOffMembers`, the pictures of group members, which only their menus show, and the skin
  // pictures the dock's first frame does not draw wait for LoadPutOffPictures.
  void LoadSkinImages(bool putOffMembers = false);
  // Builds the pictures LoadSkinImages put off; nothing when there are none.
  void LoadPutOffPictures();

  // Builds the record's pictures from its custom picture, else its extracted picture, else the
  // desktop's icon of its target. Without any, the record shows the fallback row of its source.
  void LoadItemImage(int record);
  // Frees the record's pictures, deletes the picture files the program made for it and blanks
  // the record. Only files inside the icon store are ever deleted: shipped pictures and files of
  // the user's own elsewhere stay.
  void DiscardItem(int record);
  // Frees the record's pictures and deletes its custom picture before a new one is stored.
  void DropCustomIcon(int record);
  // Rebuilds slot `slot` at its new size for the item plate and rows 1..64.
  void RebuildSizedImages(int slot);
  void FreeAllImages();

  // The device pixel ratio of the dock's screen: the pre-scaled slots and the skin hold that
  // many device pixels for each logical one. Takes effect at the next LoadSkinImages.
  void SetDeviceRatio(qreal ratio) { ratio_ = ratio; }
  qreal DeviceRatio() const { return ratio_; }

 private:
  // Within one loading pass a file named by many records (every blank place shows the same
  // picture) is decoded and scaled once, and their rows share the result.
  class Pass {
   public:
    explicit Pass(ImageCache& cache) : cache_(cache) { cache_.inPass_ = true; }
    ~Pass() {
      cache_.inPass_ = false;
      cache_.passFiles_.clear();
      cache_.passScaled_.clear();
    }
    Pass(const Pass&) = delete;
    Pass& operator=(const Pass&) = delete;

   private:
    ImageCache& cache_;
  };
  // The picture a field names, with the field trimmed in place.
  QImage FieldPicture(FixedText<255>& field);
  // A file's picture, from the prefetch when it holds the file.
  QImage ReadPicture(const std::string& path);
  std::vector<std::string> RingPictureFiles();
  // MakeScaledImage at `size` (0 and `plain`: the picture at its own size), shared in a pass.
  QImage Scaled(const QImage& picture, int size, bool plain = false);
  void LoadSkinPicture(const SkinPicture& skin);
  QImage PictureSource(ShortcutRecord& record);
  void BuildSlots(int record, const QImage& picture);
  void LoadCentrePicture();
  bool InIconStore(const std::string& path) const;

  ImageTables& tables_;
  AppState& state_;
  ShellIcons& shellIcons_;
  qreal ratio_ = 1.0;
  std::vector<int> putOff_;
  bool putOffSkin_ = false;
  bool inPass_ = false;
  std::map<std::string, QImage> passFiles_;
  std::map<std::tuple<qint64, int, bool>, QImage> passScaled_;
  std::unique_ptr<PicturePrefetch> prefetch_;
};

// Pictures larger than this are not what the program shows on the dock.
inline constexpr std::size_t kMaxPictureFileBytes = 32u << 20;

// A picture file decoded, or null when it is missing, not a regular file, too large or not a
// picture.
QImage LoadPictureFile(const std::string& path);

}  // namespace qav
