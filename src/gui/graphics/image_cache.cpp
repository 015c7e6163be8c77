#include "gui/graphics/image_cache.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "base/utf8_path.h"
#include "core/environment/paths.h"
#include "gui/graphics/imaging.h"
#include "platform/files/bounded_read.h"

namespace qav {
namespace {

constexpr int kLastSizedRow = 64;
constexpr int kSmallSlot = 4;

// In loading order.
constexpr SkinPicture kSkin[] = {
    {kSkinMenuSelect, "MENUSELECT", 248, 38, 1},
    {kSkinMenuMouseDown, "MENUMOUSEDOWN", 248, 38, 1},
    {kSkinMenuUpUnselect, "MENUUPUNSELECT", 248, 25, 1},
    {kSkinMenuUpSelect, "MENUUPSELECT", 248, 25, 1},
    {kSkinMenuDownUnselect, "MENUDOWNUNSELECT", 248, 25, 1},
    {kSkinMenuDownSelect, "MENUDOWNSELECT", 248, 25, 1},
    {kSkinMenuSpace, "MENUSPACE", 248, 5, 1},
    {kSkinMenuBody, "MENUBODY", 0, 0, 0},
    {kSkinMenuTop, "MENUTOP", 268, 12, 1},
    {kSkinMenuBottom, "MENUBOTTOM", 268, 12, 1},
    {kSkinBorder, "BORDER", 190, 190, 0},
    {kSkinNoDrop, "NODROP", 48, 48, 1},
    {kSkinAddIcon, "ADDICON", 48, 48, 1},
    {kSkinReplaceIcon, "REPLACEICON", 48, 48, 1},
    {kSkinDelIcon, "DELICON", 0, 0, 0},
};

QImage PngResource(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? DecodeAs(file, "png") : QImage();
}

// On a high-density screen, the rendering of twice the size where there is one.
QImage SkinResource(const char* name, qreal ratio) {
  if (ratio > 1.0) {
    QImage sharp = PngResource(QStringLiteral(":/skin/%1@2x.png").arg(QLatin1String(name)));
    if (!sharp.isNull()) {
      sharp.setDevicePixelRatio(2.0);
      return sharp;
    }
  }
  return PngResource(QStringLiteral(":/skin/%1.png").arg(QLatin1String(name)));
}

const char* BuiltInFormat(const std::vector<std::uint8_t>& bytes) {
  constexpr std::string_view kPng("\x89PNG\r\n\x1a\n", 8);
  const std::string_view head(reinterpret_cast<const char*>(bytes.data()),
                              std::min<std::size_t>(bytes.size(), kPng.size()));
  if (head == kPng) return "png";
  if (head.starts_with("BM")) return "bmp";
  return nullptr;
}

void RemoveFile(const std::string& path) {
  std::error_code ignored;
  std::filesystem::remove(platform::PathFromUtf8(path), ignored);
}

}  // namespace

// By content: the user's picture is a PNG stored under an ".ico" name, and a suffix may lie.
// Only regular files: a named pipe would block the reader.
QImage LoadPictureFile(const std::string& path) {
  const auto bytes = platform::ReadWholeFile(path, kMaxPictureFileBytes);
  if (!bytes || bytes->empty()) return {};
  QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes->data()),
                                            static_cast<qsizetype>(bytes->size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  // Guessing the kind loads every image plugin there is to ask it; the formats Qt reads itself
  // are known by their first bytes. Anything else, or a file that only looks like them, is
  // guessed.
  if (const char* format = BuiltInFormat(*bytes)) {
    QImage picture = DecodeAs(buffer, format);
    if (!picture.isNull()) return picture;
    buffer.seek(0);
  }
  return QImageReader(&buffer).read();
}

ImageCache::ImageCache(ImageTables& tables, AppState& state, ShellIcons& shellIcons)
    : tables_(tables), state_(state), shellIcons_(shellIcons) {}

QImage ImageCache::FieldPicture(FixedText<255>& field) {
  const std::string path = field.Get();
  field = path;
  // The program's own pictures are the ones many places name; a user's picture is kept no
  // longer than its row needs it.
  const std::string& own = state_.paths.SysIconsFolder;
  if (!inPass_ || own.empty() || !path.starts_with(own)) return ReadPicture(path);
  const auto known = passFiles_.find(path);
  if (known != passFiles_.end()) return known->second;
  return passFiles_[path] = ReadPicture(path);
}

QImage ImageCache::ReadPicture(const std::string& path) {
  if (prefetch_) {
    if (auto picture = prefetch_->Take(path)) return *std::move(picture);
  }
  return LoadPictureFile(path);
}

// The files the dock's first frame shows: the centre's and every place's picture, each once.
// A record with a picture of its own names only that one; should it not decode, its other
// field is read when it is needed.
std::vector<std::string> ImageCache::RingPictureFiles() {
  std::vector<std::string> paths;
  const auto add = [&paths](const ShortcutRecord& record) {
    const std::string custom = record.CustomIcon.Get();
    const std::string path = custom.empty() ? record.IconFile.Get() : custom;
    if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end()) {
      paths.push_back(path);
    }
  };
  const auto& records = state_.tables.Shortcuts;
  add(records[kUserRecord]);
  for (int r = 1; r < static_cast<int>(records.size()) && r < kItemRows; ++r) {
    const int kind = records[r].Kind;
    if (kind != kKindFree && kind != kKindMember && kind != kKindBuiltIn) add(records[r]);
  }
  return paths;
}

QImage ImageCache::Scaled(const QImage& picture, int size, bool plain) {
  const auto make = [&] {
    return plain ? MakeScaledImage(picture, 0, 0, true)
                 : MakeScaledImage(picture, size, size, false, ratio_);
  };
  // Only pictures a pass keeps for many places; the rest are each used once.
  const auto kept = [&] {
    return std::any_of(passFiles_.begin(), passFiles_.end(), [&](const auto& file) {
      return file.second.cacheKey() == picture.cacheKey();
    });
  };
  if (!inPass_ || picture.isNull() || !kept()) return make();
  const std::tuple<qint64, int, bool> key{picture.cacheKey(), size, plain};
  const auto known = passScaled_.find(key);
  if (known != passScaled_.end()) return known->second;
  return passScaled_[key] = make();
}

void ImageCache::LoadSkinPicture(const SkinPicture& skin) {
  tables_.Skin[skin.row][skin.slot] = MakeScaledImage(
      SkinResource(skin.resource, ratio_), skin.width, skin.height, skin.slot == 0, ratio_);
}

void ImageCache::LoadSkinImages(bool putOffMembers) {
  const Pass pass(*this);
  // The places' pictures are decoded on a second core while this one loads the skin.
  prefetch_ = std::make_unique<PicturePrefetch>(RingPictureFiles(), LoadPictureFile);
  putOff_.clear();
  putOffSkin_ = putOffMembers;
  // The dock's first frame needs only the border; the menu's, the drops' and the puff's
  // pictures can wait with the members'.
  for (const SkinPicture& skin : kSkin) {
    if (!putOffMembers || skin.row == kSkinBorder) LoadSkinPicture(skin);
  }
  const RingSlot centre = CentreRingSlot(state_.screen);
  RingSlot& slot0 = state_.ring.Slots[0];
  slot0.MagSize = centre.MagSize;
  slot0.MagLeft = centre.MagLeft;
  slot0.MagTop = centre.MagTop;
  slot0.LabelDX = centre.LabelDX;
  slot0.LabelDY = centre.LabelDY;
  const QImage plate = SkinResource("BACKSELECTCOLOR", ratio_);
  ImageRow& plates = tables_.Skin[kSkinBackSelectColor];
  plates[0] = MakeScaledImage(plate, 128, 128, true);
  for (int s = 1; s <= state_.imageSlots.Count; ++s) {
    const int size = state_.imageSlots.Sizes[s];
    plates[s] = MakeScaledImage(plate, size, size, false, ratio_);
  }
  LoadCentrePicture();
  for (int r = kFallbackFileRow; r <= kLastTemplateRecord; ++r) LoadItemImage(r);
  const int last = static_cast<int>(state_.tables.Shortcuts.size()) - 1;
  for (int r = 1; r <= last; ++r) {
    if (r >= kFallbackFileRow && r <= kLastTemplateRecord) continue;
    const int kind = state_.tables.Shortcuts[r].Kind;
    if (putOffMembers && (kind == kKindMember || kind == kKindBuiltIn)) {
      putOff_.push_back(r);
    } else {
      LoadItemImage(r);
    }
  }
  prefetch_.reset();
}

void ImageCache::LoadPutOffPictures() {
  const Pass pass(*this);
  if (std::exchange(putOffSkin_, false)) {
    for (const SkinPicture& skin : kSkin) {
      if (skin.row != kSkinBorder) LoadSkinPicture(skin);
    }
  }
  for (const int r : std::exchange(putOff_, {})) LoadItemImage(r);
}

void ImageCache::LoadCentrePicture() {
  ShortcutRecord& user = state_.tables.Shortcuts[kUserRecord];
  QImage picture = FieldPicture(user.CustomIcon);
  if (picture.isNull()) picture = FieldPicture(user.IconFile);
  if (picture.isNull()) picture = SkinResource("LOGO", ratio_);
  tables_.Items[kUserRecord][0] = MakeItemTile(picture, ratio_);
}

QImage ImageCache::PictureSource(ShortcutRecord& record) {
  QImage picture = FieldPicture(record.CustomIcon);
  if (picture.isNull()) picture = FieldPicture(record.IconFile);
  if (picture.isNull()) picture = IconToImage(shellIcons_.IconFor(record.Target.Get(), 128));
  return picture;
}

void ImageCache::BuildSlots(int record, const QImage& picture) {
  ImageRow& row = tables_.Items[static_cast<std::size_t>(record)];
  const auto& sizes = state_.imageSlots.Sizes;
  switch (state_.tables.Shortcuts[record].Kind) {
    case kKindDockShortcut:
    case kKindBlank:
    case kKindGroup:
    case kKindAllPrograms:
    case kKindRecycleBin:
    case kKindComputer:
      row[1] = Scaled(picture, sizes[1]);
      row[0] = Scaled(picture, 0, true);
      break;
    case kKindMember:
    case kKindBuiltIn:
      row[kSmallSlot] = Scaled(picture, sizes[kSmallSlot]);
      break;
    case kKindUser:
      row[0] = MakeItemTile(picture, ratio_);
      break;
    default:
      break;
  }
  // The fallback pictures stand in for items of every kind, members of group menus included.
  if (record >= kFallbackFileRow && record <= kLastTemplateRecord) {
    row[kSmallSlot] = MakeScaledImage(picture, sizes[kSmallSlot], sizes[kSmallSlot], false, ratio_);
  }
}

void ImageCache::LoadItemImage(int record) {
  if (record < 0 || record >= kItemRows ||
      record >= static_cast<int>(state_.tables.Shortcuts.size())) {
    return;
  }
  ShortcutRecord& r = state_.tables.Shortcuts[record];
  if (r.Kind == kKindFree) return;
  const QImage picture = PictureSource(r);
  if (picture.isNull()) {
    static constexpr int kFallbackBySource[] = {kFallbackLinkRow, kFallbackProgramRow,
                                                kFallbackFileRow};
    if (r.IconSource <= 2) r.ImageRow = kFallbackBySource[r.IconSource];
    return;
  }
  BuildSlots(record, picture);
}

// A record's fields come from a file anyone could have edited: only a regular file that lies
// directly in the icon store counts, so that neither ".." nor a link inside the store can point
// a deletion at the user's own files.
bool ImageCache::InIconStore(const std::string& path) const {
  const std::string& store = state_.paths.IconStore;
  if (store.empty() || path.size() <= store.size() || path.compare(0, store.size(), store) != 0) {
    return false;
  }
  const std::string name = path.substr(store.size());
  if (name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos) return false;
  std::error_code error;
  return std::filesystem::symlink_status(platform::PathFromUtf8(path), error).type() ==
         std::filesystem::file_type::regular;
}

void ImageCache::DiscardItem(int record) {
  if (record < 0 || record >= kItemRows ||
      record >= static_cast<int>(state_.tables.Shortcuts.size())) {
    return;
  }
  FreeRow(tables_.Items[static_cast<std::size_t>(record)], state_.imageSlots.Count);
  ShortcutRecord& r = state_.tables.Shortcuts[record];
  for (const std::string& file : {r.IconFile.Get(), r.CustomIcon.Get()}) {
    if (InIconStore(file)) RemoveFile(file);
  }
  ResetRecord(r);
}

void ImageCache::DropCustomIcon(int record) {
  if (record < 0 || record >= kItemRows) return;
  FreeRow(tables_.Items[static_cast<std::size_t>(record)], state_.imageSlots.Count);
  const std::string custom = state_.tables.Shortcuts[record].CustomIcon.Get();
  if (InIconStore(custom)) RemoveFile(custom);
}

void ImageCache::RebuildSizedImages(int slot) {
  if (slot < 1 || slot >= kSlotsPerRow) return;
  const int size = state_.imageSlots.Sizes[slot];
  auto rebuild = [&](ImageRow& row) {
    row[slot] = MakeScaledImage(row[0], size, size, false, ratio_);
  };
  rebuild(tables_.Skin[kSkinBackSelectColor]);
  for (int r = 1; r <= kLastSizedRow; ++r) rebuild(tables_.Items[static_cast<std::size_t>(r)]);
}

void ImageCache::FreeAllImages() {
  for (ImageRow& row : tables_.Skin) FreeRow(row, state_.imageSlots.Count);
  for (int r = 1; r < kItemRows; ++r) {
    FreeRow(tables_.Items[static_cast<std::size_t>(r)], state_.imageSlots.Count);
  }
}

}  // namespace qav
