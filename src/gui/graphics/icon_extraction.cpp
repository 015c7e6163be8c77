#include "gui/graphics/icon_extraction.h"

#include <QImage>

#include <optional>
#include <vector>

#include "core/environment/paths.h"
#include "formats/icons/icon_directory.h"
#include "formats/icons/icon_image.h"
#include "formats/pe/pe_resources.h"
#include "gui/graphics/image_cache.h"
#include "gui/graphics/imaging.h"
#include "platform/files/bounded_read.h"

namespace qav {
namespace {

constexpr std::uint16_t kIconResource = 3;
constexpr std::uint16_t kIconGroupResource = 14;
// Icon files are small; programs can be large, but their resources are read from memory.
constexpr std::size_t kMaxIconFileBytes = 16u << 20;
constexpr std::size_t kMaxModuleBytes = 512u << 20;

// Pictures reach the icon store whole or not at all: a failed write never leaves half a picture
// under a name an item points at. They are cheap to make again, so they are not flushed to disk.
QImage FromRgba(const readers::RgbaImage& rgba);

bool StorePicture(platform::FileOps& files, const std::string& pngPath,
                  const std::optional<std::vector<std::uint8_t>>& png) {
  return png && platform::WriteAtomically(files, pngPath, *png, false);
}

// A picture that was made but not saved: the PNG is what failed.
Result Stored(bool stored, const std::string& pngPath) {
  return Result::From(stored, "cannot write " + pngPath);
}

std::optional<std::vector<std::uint8_t>> IconResPng(std::span<const std::uint8_t> image, int width,
                                                    int height) {
  if (readers::StartsWithPng(image)) return std::vector<std::uint8_t>(image.begin(), image.end());
  const auto rgba = readers::DecodeIconDib(image);
  if (!rgba) return std::nullopt;
  const QImage picture = MakeScaledImage(FromRgba(*rgba), width, height, false);
  return EncodePng(picture.convertToFormat(QImage::Format_ARGB32));
}

QImage FromRgba(const readers::RgbaImage& rgba) {
  QImage image(rgba.width, rgba.height, QImage::Format_RGBA8888);
  for (int y = 0; y < rgba.height; ++y) {
    const auto* row = rgba.pixels.data() + static_cast<std::size_t>(y) * rgba.width * 4;
    std::copy(row, row + static_cast<std::size_t>(rgba.width) * 4, image.scanLine(y));
  }
  return image;
}

std::optional<readers::ResourceName> GroupAt(const readers::PeResources& pe, int iconIndex) {
  if (iconIndex < 0) {
    if (-static_cast<long>(iconIndex) > 0xFFFF) return std::nullopt;
    return readers::ResourceName{static_cast<std::uint16_t>(-iconIndex), {}};
  }
  const auto names = pe.Names(kIconGroupResource);
  if (static_cast<std::size_t>(iconIndex) >= names.size()) return std::nullopt;
  return names[static_cast<std::size_t>(iconIndex)];
}

// The bytes of the best icon image of group `iconIndex`, and the entry describing it.
std::optional<std::pair<std::vector<std::uint8_t>, readers::IconEntry>> BestModuleIcon(
    const std::string& modulePath, int iconIndex) {
  auto bytes = platform::ReadWholeFile(modulePath, kMaxModuleBytes);
  if (!bytes) return std::nullopt;
  const auto pe = readers::PeResources::Parse(std::move(*bytes));
  if (!pe) return std::nullopt;
  const auto groupName = GroupAt(*pe, iconIndex);
  if (!groupName) return std::nullopt;
  const auto group = pe->Find(kIconGroupResource, *groupName);
  if (!group) return std::nullopt;
  const auto entries = readers::ParseIconGroup(*group);
  if (!entries) return std::nullopt;
  const auto chosen = readers::ChooseIconGroupEntry(*entries);
  if (!chosen) return std::nullopt;
  const readers::IconEntry& entry = (*entries)[*chosen];
  const auto image = pe->Find(kIconResource, readers::ResourceName{entry.id, {}});
  if (!image || image->empty()) return std::nullopt;
  return std::make_pair(std::vector<std::uint8_t>(image->begin(), image->end()), entry);
}

}  // namespace

std::string NextIconStoreName(const std::string& iconStore) {
  for (unsigned n = 0;; ++n) {
    std::string candidate = iconStore + std::to_string(n) + ".png";
    if (!PathExists(candidate)) return candidate;
  }
}

bool IconResToPng(platform::FileOps& files, std::span<const std::uint8_t> image, int width,
                  int height, const std::string& pngPath) {
  return StorePicture(files, pngPath, IconResPng(image, width, height));
}

Result ImageFileToPng(platform::FileOps& files, const std::string& picturePath,
                      const std::string& pngPath, bool resize, int width, int height) {
  QImage picture = LoadPictureFile(picturePath);
  if (picture.isNull()) return Result::Failure("cannot read " + picturePath + " as a picture");
  if (resize) {
    picture = MakeScaledImage(picture, width, height, false).convertToFormat(QImage::Format_ARGB32);
  }
  return Stored(StorePicture(files, pngPath, EncodePng(picture)), pngPath);
}

Result IconFileToPng(platform::FileOps& files, const std::string& iconPath,
                     const std::string& pngPath) {
  const auto file = platform::ReadWholeFile(iconPath, kMaxIconFileBytes);
  if (!file) return Result::Failure("cannot read " + iconPath);
  if (readers::StartsWithPng(*file)) {
    return ImageFileToPng(files, iconPath, pngPath, false, 0, 0);
  }
  const std::string noPicture = iconPath + " is not an icon file with a usable picture";
  const auto entries = readers::ParseIconFile(*file);
  if (!entries) return Result::Failure(noPicture);
  const auto chosen = readers::ChooseIconFileEntry(*entries);
  if (!chosen) return Result::Failure(noPicture);
  const readers::IconEntry& entry = (*entries)[*chosen];
  const auto image = readers::IconFileImage(*file, entry);
  if (!image) return Result::Failure(noPicture);
  const auto png =
      IconResPng(*image, readers::PixelsOf(entry.width), readers::PixelsOf(entry.height));
  if (!png) return Result::Failure(noPicture);
  return Stored(StorePicture(files, pngPath, png), pngPath);
}

bool ModuleIconToPng(platform::FileOps& files, const std::string& modulePath, int iconIndex,
                     const std::string& pngPath) {
  const auto icon = BestModuleIcon(modulePath, iconIndex);
  if (!icon) return false;
  const auto& [bytes, entry] = *icon;
  return IconResToPng(files, bytes, readers::PixelsOf(entry.width), readers::PixelsOf(entry.height),
                      pngPath);
}

Result MakeItemPicture(platform::FileOps& files, int source, const std::string& path, int iconIndex,
                       FixedText<255>& pictureField, const LinkIcon& link, ShellIcons& shellIcons,
                       int pictureSize) {
  const std::string picture = pictureField.Get();
  pictureField = picture;
  switch (source) {
    case kPictureOfLink:
      if (PathExists(link.iconPath) &&
          ModuleIconToPng(files, link.iconPath, link.iconIndex, picture)) {
        return Result::Success();
      }
      return Result::From(ModuleIconToPng(files, link.target, link.iconIndex, picture),
                          "neither " + link.iconPath + " nor " + link.target + " gave icon " +
                              std::to_string(link.iconIndex));
    case kPictureOfModule:
      return Result::From(ModuleIconToPng(files, path, iconIndex, picture),
                          path + " gave no icon " + std::to_string(iconIndex));
    case kPictureOfTheme:
      if (!path.empty() && path.front() == '/') {
        return ImageFileToPng(files, path, picture, true, pictureSize, pictureSize);
      }
      [[fallthrough]];
    case kPictureOfShell: {
      const QImage icon = IconToImage(source == kPictureOfTheme ? shellIcons.ThemeIcon(path, 128)
                                                                : shellIcons.IconFor(path, 128));
      if (icon.isNull()) return Result::Failure("the desktop has no icon for " + path);
      return Stored(StorePicture(files, picture, EncodePng(icon)), picture);
    }
    default:
      return Result::Failure("no picture comes from source " + std::to_string(source));
  }
}

}  // namespace qav
