#include "formats/links/shell_item_path.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "formats/links/link_bytes.h"

namespace qav::readers {
namespace {

using Guid = std::array<std::uint8_t, 16>;  // as stored: three little-endian fields, then 8 bytes

// The Applications folder (FOLDERID_AppsFolder), whose items are installed applications.
constexpr Guid kApplicationsFolder = {0x9B, 0xD4, 0x34, 0x42, 0x45, 0x02, 0xF3, 0x4D,
                                      0xB7, 0x80, 0x38, 0x93, 0x94, 0x34, 0x56, 0xE1};
// The property set of application user model properties; property 5 is the id.
constexpr Guid kAppUserModelProperties = {0x55, 0x28, 0x4C, 0x9F, 0x79, 0x9F, 0x39, 0x4B,
                                          0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3};
constexpr std::uint32_t kAppUserModelId = 5;
constexpr std::uint32_t kSerializedStoreVersion = 0x53505331;  // "1SPS"
constexpr std::uint16_t kTextProperty = 0x1F;                  // VT_LPWSTR
constexpr std::uint32_t kFileEntryExtension = 0xBEEF0004;

constexpr std::uint8_t kRootFolderItem = 0x1F;
// A folder such as Desktop or Documents below This PC; the other types 0x20..0x2F are drives.
constexpr std::uint8_t kShellFolderItem = 0x2E;
constexpr std::uint8_t kFileEntryUnicodeName = 0x04;  // in a file-entry item's type

bool GuidAt(ByteView view, std::uint64_t offset, const Guid& guid) {
  const auto bytes = view.Slice(offset, guid.size());
  return bytes && std::equal(bytes->begin(), bytes->end(), guid.begin());
}

// "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", the parsing name of a shell folder.
std::string ShellFolderName(ByteView view, std::uint64_t offset) {
  char text[48];
  std::snprintf(text, sizeof text, "::{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(view.U32(offset)), view.U16(offset + 4), view.U16(offset + 6),
                view.U8(offset + 8), view.U8(offset + 9), view.U8(offset + 10),
                view.U8(offset + 11), view.U8(offset + 12), view.U8(offset + 13),
                view.U8(offset + 14), view.U8(offset + 15));
  return text;
}

// A property store serialized as MS-PROPSTORE lays it out: storages of numbered properties.
std::optional<std::string> AppUserModelIdIn(ByteView store) {
  for (std::uint64_t at = 0; store.Contains(at, 24);) {
    const std::uint32_t storageSize = store.U32(at);
    if (storageSize < 24 || store.U32(at + 4) != kSerializedStoreVersion) return std::nullopt;
    const ByteView storage = ClampedView(store, at, storageSize);
    const bool appUserModel = GuidAt(storage, 8, kAppUserModelProperties);
    for (std::uint64_t value = 24; appUserModel && storage.Contains(value, 17);) {
      const std::uint32_t valueSize = storage.U32(value);
      if (valueSize < 17) break;
      if (storage.U32(value + 4) == kAppUserModelId && storage.U16(value + 9) == kTextProperty)
        return UnicodeText(ClampedView(storage, value, valueSize), 17);
      value += valueSize;
    }
    at += storageSize;
  }
  return std::nullopt;
}

// An item of the Applications folder carries its properties after a header of its own; the
// store is found by its version signature.
std::optional<std::string> ApplicationId(ByteView item) {
  for (std::uint64_t at = 4; item.Contains(at + 4, 4); ++at) {
    if (item.U32(at + 4) == kSerializedStoreVersion)
      return AppUserModelIdIn(ClampedView(item, at, item.size()));
  }
  return std::nullopt;
}

// The long name of a file entry, from its 0xBEEF0004 extension block; where the name lies in the
// block depends on the block's version.
std::string ExtensionLongName(ByteView item, std::uint64_t from) {
  for (std::uint64_t at = from; item.Contains(at + 4, 4); ++at) {
    if (item.U32(at + 4) != kFileEntryExtension) continue;
    const std::uint16_t version = item.U16(at + 2);
    if (version < 3) return "";  // older blocks hold no long name
    const std::uint64_t name = version >= 9 ? 46 : version == 8 ? 42 : version == 7 ? 38 : 20;
    return UnicodeText(ClampedView(item, at, item.U16(at)), name);
  }
  return "";
}

// A file entry: size, type, flags, file size, time, attributes, then its primary (short) name
// and extension blocks. The search for the long-name block may start at the primary name: a
// file name cannot hold the control character the block's signature begins with.
std::string FileEntryName(ByteView item) {
  constexpr std::uint64_t kPrimaryName = 14;
  const std::string longName = ExtensionLongName(item, kPrimaryName);
  if (!longName.empty()) return longName;
  return (item.U8(2) & kFileEntryUnicodeName) != 0 ? UnicodeText(item, kPrimaryName)
                                                   : AnsiText(item, kPrimaryName);
}

class PathBuilder {
 public:
  const std::string& path() const { return path_; }

  // False when the item is of a kind whose name cannot be spelled.
  bool Add(ByteView item) {
    const std::uint8_t type = item.U8(2);
    if (inApplications_) return AddApplication(item);
    if ((type == kRootFolderItem || type == kShellFolderItem) && item.size() >= 20) {
      inApplications_ = GuidAt(item, 4, kApplicationsFolder);
      Append(ShellFolderName(item, 4));
      return true;
    }
    if (type >= 0x20 && type <= 0x2F && type != kShellFolderItem) {  // a drive
      path_ = AnsiText(item, 3);
      return !path_.empty();
    }
    if (type >= 0x30 && type <= 0x3F) {
      const std::string name = FileEntryName(item);
      Append(name);
      return !name.empty();
    }
    return false;
  }

 private:
  bool AddApplication(ByteView item) {
    inApplications_ = false;
    const auto id = ApplicationId(item);
    if (id) path_ = *id;
    return id && !id->empty();
  }

  void Append(const std::string& name) {
    if (!path_.empty() && path_.back() != '\\') path_ += '\\';
    path_ += name;
  }

  std::string path_;
  bool inApplications_ = false;
};

}  // namespace

std::string ShellItemPath(ByteView items) {
  PathBuilder builder;
  for (std::uint64_t at = 0; items.Contains(at, 2);) {
    const std::uint16_t size = items.U16(at);
    if (size == 0) return builder.path();
    const auto item = items.Slice(at, size);
    if (size < 3 || !item || !builder.Add(ByteView(*item))) return "";
    at += size;
  }
  return "";  // no terminator: items are missing
}

}  // namespace qav::readers
