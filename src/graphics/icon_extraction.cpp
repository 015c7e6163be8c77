#include "graphics/icon_extraction.h"

#include <QImage>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <system_error>
#include <vector>

#include "formats/pe_resources.h"
#include "graphics/image_cache.h"
#include "graphics/imaging.h"
#include "graphics/readers/icon_directory.h"
#include "graphics/readers/icon_image.h"
#include "platform/bounded_read.h"
#include "startup/environment/paths.h"

namespace qav {
namespace {

constexpr std::uint16_t kIconResource = 3;
constexpr std::uint16_t kIconGroupResource = 14;
// Icon files are small; programs can be large, but their resources are read from memory.
constexpr std::size_t kMaxIconFileBytes = 16u << 20;
constexpr std::size_t kMaxModuleBytes = 512u << 20;

// Writes through a temporary file so that a failed write never leaves half a picture.
bool WritePicture(const std::string& pngPath,
                  const std::function<bool(const std::string&)>& write) {
  const std::string temporary = pngPath + ".part";
  std::error_code error;
  if (!write(temporary)) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  std::filesystem::rename(temporary, pngPath, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

bool WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
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

bool IconResToPng(std::span<const std::uint8_t> image, int width, int height,
                  const std::string& pngPath) {
  if (readers::StartsWithPng(image)) return WriteBytes(pngPath, image);
  const auto rgba = readers::DecodeIconDib(image);
  if (!rgba) return false;
  const QImage picture = MakeScaledImage(FromRgba(*rgba), width, height, false);
  return SaveImageAsPng(picture.convertToFormat(QImage::Format_ARGB32), pngPath) == 0;
}

int ImageFileToPng(const std::string& picturePath, const std::string& pngPath, bool resize,
                   int width, int height) {
  QImage picture = LoadPictureFile(picturePath);
  if (picture.isNull()) return 0;
  if (resize) {
    picture = MakeScaledImage(picture, width, height, false).convertToFormat(QImage::Format_ARGB32);
  }
  return WritePicture(pngPath,
                      [&](const std::string& to) { return SaveImageAsPng(picture, to) == 0; })
             ? 1
             : 0;
}

bool IconFileToPng(const std::string& iconPath, const std::string& pngPath) {
  const auto file = platform::ReadWholeFile(iconPath, kMaxIconFileBytes);
  if (!file) return false;
  if (readers::StartsWithPng(*file)) return ImageFileToPng(iconPath, pngPath, false, 0, 0) == 1;
  const auto entries = readers::ParseIconFile(*file);
  if (!entries) return false;
  const auto chosen = readers::ChooseIconFileEntry(*entries);
  if (!chosen) return false;
  const readers::IconEntry& entry = (*entries)[*chosen];
  const auto image = readers::IconFileImage(*file, entry);
  if (!image) return false;
  return WritePicture(pngPath, [&](const std::string& to) {
    return IconResToPng(*image, readers::PixelsOf(entry.width), readers::PixelsOf(entry.height),
                        to);
  });
}

int ModuleIconToPng(const std::string& modulePath, int iconIndex, const std::string& pngPath) {
  const auto icon = BestModuleIcon(modulePath, iconIndex);
  if (!icon) return 0;
  const auto& [bytes, entry] = *icon;
  const bool written = WritePicture(pngPath, [&](const std::string& to) {
    return IconResToPng(bytes, readers::PixelsOf(entry.width), readers::PixelsOf(entry.height), to);
  });
  return written ? 1 : 0;
}

int MakeItemPicture(int source, const std::string& path, int iconIndex,
                    FixedText<255>& pictureField, const LinkIcon& link, ShellIcons& shellIcons) {
  const std::string picture = pictureField.Get();
  pictureField = picture;
  switch (source) {
    case kPictureOfLink:
      if (PathExists(link.iconPath) &&
          ModuleIconToPng(link.iconPath, link.iconIndex, picture) == 1) {
        return 1;
      }
      return ModuleIconToPng(link.target, link.iconIndex, picture);
    case kPictureOfModule:
      return ModuleIconToPng(path, iconIndex, picture);
    case kPictureOfTheme:
      if (!path.empty() && path.front() == '/')
        return ImageFileToPng(path, picture, true, 128, 128);
      [[fallthrough]];
    case kPictureOfShell: {
      const QImage icon = IconToImage(source == kPictureOfTheme ? shellIcons.ThemeIcon(path, 128)
                                                                : shellIcons.IconFor(path, 128));
      if (icon.isNull()) return 0;
      return WritePicture(picture,
                          [&](const std::string& to) { return SaveImageAsPng(icon, to) == 0; })
                 ? 1
                 : 0;
    }
    default:
      return 0;
  }
}

}  // namespace qav
