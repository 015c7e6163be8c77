#include "core/store/backup_file.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <span>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/utf8_path.h"
#include "core/store/menu_file.h"
#include "core/store/store_pictures.h"
#include "platform/files/bounded_read.h"
#include "platform/temporary_names.h"

namespace qav {
namespace {

// Records 0..3 are the user's own and the fixed dock entries; their pictures are never carried.
constexpr int kFirstBackedRecord = 4;
constexpr std::size_t kBlockHeaderSize = 4;
constexpr std::size_t kPathFieldSize = 255;

using PictureField = FixedText<255>;

std::array<PictureField*, 2> PictureFields(ShortcutRecord& record) {
  return {&record.IconFile, &record.CustomIcon};
}

bool IsShipped(const std::string& picture, const std::string& sysIconsFolder) {
  return picture.starts_with(sysIconsFolder);
}

// A backup made by a copy of the program installed elsewhere names that copy's shipped pictures,
// which it carried no blocks for.
bool IsShippedAnywhere(const std::string& picture, const std::string& sysIconsFolder) {
  if (IsShipped(picture, sysIconsFolder)) return true;
  const auto cut = picture.find_last_of("/\\");
  return cut != std::string::npos && std::string_view(picture).substr(0, cut).ends_with("SysIcons");
}

using ShippedRule = bool (*)(const std::string&, const std::string&);

// The blocks end where the file does, or just before the trailer.
bool EndsAfterBlocks(const platform::FilePieces& file, std::uint64_t pos) {
  const std::uint64_t rest = file.Size() - pos;
  if (rest == 0) return true;
  if (rest != kBackupTrailer.size()) return false;
  const auto trailer = file.Read(pos, kBackupTrailer.size());
  return trailer && std::equal(trailer->begin(), trailer->end(), kBackupTrailer.begin());
}

bool IsReadablePicture(const std::string& path) {
  std::error_code error;
  const std::filesystem::path file = platform::PathFromUtf8(path);
  if (!std::filesystem::is_regular_file(file, error) || error) return false;
  const auto size = std::filesystem::file_size(file, error);
  return !error && size <= kMaxPictureBytes;
}

void PutLength(std::vector<std::uint8_t>& out, std::uint32_t length) {
  for (std::size_t i = 0; i < kBlockHeaderSize; ++i) {
    out.push_back(static_cast<std::uint8_t>((length >> (8 * i)) & 0xFFu));
  }
}

std::uint32_t GetLength(std::span<const std::uint8_t> bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = kBlockHeaderSize; i-- > 0;) value = (value << 8) | bytes[i];
  return value;
}

// Clears every picture field that names no readable file and lists, in file order, the pictures
// that get a block.
std::vector<std::string> PrepareBackup(Tables& tables, const std::string& sysIconsFolder) {
  std::vector<std::string> blocks;
  for (int r = kFirstBackedRecord; r <= kLastRecord; ++r) {
    for (PictureField* field : PictureFields(tables.Shortcuts[static_cast<std::size_t>(r)])) {
      const std::string picture = field->Get();
      if (picture.empty()) continue;
      if (!IsReadablePicture(picture)) {
        field->Assign("");
      } else if (!IsShipped(picture, sysIconsFolder)) {
        blocks.push_back(picture);
      }
    }
  }
  return blocks;
}

struct PlannedPicture {
  std::string storePath;
  std::uint64_t offset = 0;
  std::size_t length = 0;
};

struct RestorePlan {
  Tables tables;
  std::vector<PlannedPicture> pictures;
};

// Only a missing name or a plain file may be replaced; never a folder or a link. In a store that is
// a link to another folder (the user's own), nothing there is ever replaced.
bool UsableStorePlace(const std::string& path, bool storeIsLink) {
  if (path.empty() || path.size() > kPathFieldSize) return false;
  if (platform::IsTemporaryName(path)) return false;  // never a name the writes use meanwhile
  std::error_code error;
  const auto status = std::filesystem::symlink_status(platform::PathFromUtf8(path), error);
  return status.type() == std::filesystem::file_type::not_found ||
         (!storeIsLink && status.type() == std::filesystem::file_type::regular);
}

// Gives each recorded picture path one place in the store. Two different paths that end in the
// same file name get distinct places, so that neither picture overwrites the other.
class StorePlaces {
 public:
  explicit StorePlaces(std::string iconStore)
      : iconStore_(std::move(iconStore)), storeIsLink_(IsLinkedFolder(iconStore_)) {}

  // The place, and whether the picture still has to be written there.
  std::pair<std::string, bool> PlaceFor(const std::string& recorded, int record, int field) {
    const auto known = byRecordedPath_.find(recorded);
    if (known != byRecordedPath_.end()) return {known->second, false};
    std::string place = StorePathFor(recorded, iconStore_);
    if (!Usable(place)) {
      place =
          iconStore_ + "Restored " + std::to_string(record) + "-" + std::to_string(field) + ".png";
      if (!Usable(place)) return {{}, false};
    }
    given_.insert(place);
    byRecordedPath_.emplace(recorded, place);
    return {place, true};
  }

 private:
  bool Usable(const std::string& place) const {
    return UsableStorePlace(place, storeIsLink_) && given_.count(place) == 0;
  }

  std::string iconStore_;
  bool storeIsLink_;
  std::map<std::string, std::string> byRecordedPath_;
  std::set<std::string> given_;
};

std::string AtByte(std::uint64_t pos) {
  return " at byte " + std::to_string(pos);
}

// Reads the block header at `pos` and checks the block against the file and the store's cap.
Result ReadBlockLength(const platform::FilePieces& file, std::uint64_t pos, const std::string& what,
                       std::size_t& length) {
  const auto header = file.Read(pos, kBlockHeaderSize);
  if (!header) return Result::Failure("the backup ends" + AtByte(file.Size()) + ", before " + what);
  const std::uint32_t claimed = GetLength(*header);
  if (claimed > kMaxPictureBytes) {
    return Result::Failure(what + AtByte(pos) + " claims " + std::to_string(claimed) +
                           " bytes, more than any picture of the icon store");
  }
  if (claimed > file.Size() - pos - kBlockHeaderSize) {
    return Result::Failure(what + AtByte(pos) + " claims more bytes than the backup holds");
  }
  length = claimed;
  return Result::Success();
}

// Walks the records' picture fields and the block headers only: no picture is read here, so a
// file that is no backup is refused after its first bytes, whatever its size.
Result PlanRestore(const platform::FilePieces& file, MenuImage image, const RestoreTarget& target,
                   ShippedRule shipped, RestorePlan& plan) {
  StorePlaces places(target.iconStore);
  std::uint64_t pos = image.length;
  for (int r = kFirstBackedRecord; r <= kLastRecord; ++r) {
    const auto fields = PictureFields(image.tables.Shortcuts[static_cast<std::size_t>(r)]);
    for (int f = 0; f < 2; ++f) {
      PictureField& field = *fields[static_cast<std::size_t>(f)];
      const std::string recorded = field.Get();
      field.Assign(recorded);
      if (recorded.empty() || shipped(recorded, target.sysIconsFolder)) continue;
      std::size_t length = 0;
      const Result block =
          ReadBlockLength(file, pos, "the picture of record " + std::to_string(r), length);
      if (!block.Ok()) return block;
      const auto [place, fresh] = places.PlaceFor(recorded, r, f);
      if (place.empty()) {
        return Result::Failure("the picture of record " + std::to_string(r) +
                               " has no usable place in the icon store");
      }
      if (fresh) plan.pictures.push_back({place, pos + kBlockHeaderSize, length});
      field.Assign(place);
      pos += kBlockHeaderSize + length;
    }
  }
  if (!EndsAfterBlocks(file, pos)) {
    return Result::Failure("the picture blocks end" + AtByte(pos) + ", the backup" +
                           AtByte(file.Size()));
  }
  plan.tables = std::move(image.tables);
  return Result::Success();
}

std::set<std::string> NamedPictures(const Tables& tables) {
  std::set<std::string> named;
  for (const ShortcutRecord& record : tables.Shortcuts) {
    named.insert(record.IconFile.Get());
    named.insert(record.CustomIcon.Get());
  }
  return named;
}

// Each picture goes to a fresh temporary copy beside its place; none of those names can be a
// place another picture of the plan is renamed to.
Result WritePictures(const platform::FilePieces& file, const RestorePlan& plan,
                     const RestoreTarget& target, std::vector<std::string>& pending) {
  std::set<std::string> places;
  for (const PlannedPicture& picture : plan.pictures) places.insert(picture.storePath);
  const int total = static_cast<int>(plan.pictures.size());
  for (const PlannedPicture& picture : plan.pictures) {
    const auto bytes = file.Read(picture.offset, picture.length);
    if (!bytes) return Result::Failure("cannot read the backup" + AtByte(picture.offset));
    // Not flushed one by one: a picture lost to a crash is rebuilt by the reload's check, and a
    // thousand flushes would keep the user waiting for many seconds.
    const auto temporary = target.files.WriteTemporary(picture.storePath, *bytes, false);
    if (!temporary) return Result::Failure("cannot write " + picture.storePath);
    pending.push_back(*temporary);
    if (places.count(*temporary) != 0) return Result::Failure("cannot write " + picture.storePath);
    if (target.progress) target.progress(static_cast<int>(pending.size()), total);
  }
  return Result::Success();
}

Result CommitRestore(const platform::FilePieces& file, const RestorePlan& plan,
                     const RestoreTarget& target) {
  std::vector<std::string> pending;
  auto discard = [&] {
    for (const auto& temporary : pending) target.files.RemoveFile(temporary);
  };
  if (Result written = WritePictures(file, plan, target, pending); !written.Ok()) {
    discard();
    return written;
  }
  if (Result saved = SaveWithTwin(target.files, target.menuFile, EncodeMenuImage(plan.tables));
      !saved) {
    discard();
    return saved;
  }
  std::string failed;
  // Not made durable one by one: that would cost a flush of the folder per picture, and the
  // reload rebuilds any picture a crash loses.
  for (std::size_t i = 0; i < plan.pictures.size(); ++i) {
    if (!target.files.Replace(pending[i], plan.pictures[i].storePath, false)) {
      failed = plan.pictures[i].storePath;
    }
  }
  if (!failed.empty()) {
    discard();
    return Result::Failure("cannot put " + failed + " in place");
  }
  RemoveStorePictures(target.iconStore, target.ownPictures, NamedPictures(plan.tables));
  return Result::Success();
}

}  // namespace

std::string StorePathFor(const std::string& recordedPath, const std::string& iconStore) {
  const std::size_t separator = recordedPath.find_last_of("/\\");
  const std::string name =
      separator == std::string::npos ? recordedPath : recordedPath.substr(separator + 1);
  if (name.empty() || name == "." || name == ".." || iconStore.empty()) return {};
  return iconStore + name;
}

Result WriteBackupFile(platform::FileOps& files, const std::string& path, const Tables& tables,
                       const std::string& sysIconsFolder, const BackupProgress& progress) {
  Tables copy = tables;
  const std::vector<std::string> blocks = PrepareBackup(copy, sysIconsFolder);
  std::vector<std::uint8_t> out = EncodeMenuImage(copy);
  const int total = static_cast<int>(blocks.size());
  for (int i = 0; i < total; ++i) {
    const std::string& picture = blocks[static_cast<std::size_t>(i)];
    const auto bytes = platform::ReadWholeFile(picture, kMaxPictureBytes);
    if (!bytes) return Result::Failure("cannot read " + picture);
    // A backup no restore would take is not worth writing.
    if (out.size() + kBlockHeaderSize + bytes->size() + kBackupTrailer.size() > kMaxBackupBytes) {
      return Result::Failure("the pictures make the backup larger than any restore takes");
    }
    PutLength(out, static_cast<std::uint32_t>(bytes->size()));
    out.insert(out.end(), bytes->begin(), bytes->end());
    if (progress) progress(i + 1, total);
  }
  out.insert(out.end(), kBackupTrailer.begin(), kBackupTrailer.end());
  // Whole or not at all: a backup that fails half-way leaves the one it would replace.
  if (!platform::WriteAtomically(files, path, out)) return Result::Failure("cannot write " + path);
  return Result::Success();
}

Result RestoreBackupFile(const std::string& path, const RestoreTarget& target) {
  const auto file = platform::FilePieces::Open(path);
  if (!file) return Result::Failure("cannot read " + path + ": it is no readable file");
  if (file->Size() > kMaxBackupBytes) {
    return Result::Failure(path + " is larger than any backup of shortcuts and icons");
  }
  // The records come first and never take more than a menu file of the standard bounds.
  const auto head = file->Read(
      0, static_cast<std::size_t>(std::min<std::uint64_t>(file->Size(), kStandardMenuFileSize)));
  if (!head) return Result::Failure("cannot read " + path);
  MenuImage image = DecodeMenuImage(*head);
  if (image.status != ImageStatus::kWhole) {
    return Result::Failure("the file is not a complete backup of shortcuts and icons");
  }
  RestorePlan plan;
  Result planned = PlanRestore(*file, image, target, IsShipped, plan);
  if (!planned.Ok()) {
    // Only the reading whose blocks end exactly at the trailer is the backup's own.
    RestorePlan other;
    if (!PlanRestore(*file, std::move(image), target, IsShippedAnywhere, other).Ok()) {
      return planned;
    }
    plan = std::move(other);
  }
  return CommitRestore(*file, plan, target);
}

}  // namespace qav
