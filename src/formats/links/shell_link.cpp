#include "formats/links/shell_link.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/byte_view.h"
#include "formats/links/link_bytes.h"
#include "formats/links/path_spelling.h"
#include "formats/links/shell_item_path.h"
#include "formats/links/text_encoding.h"

namespace qav::readers {
namespace {

constexpr std::uint32_t kHeaderSize = 0x4C;
// CLSID 00021401-0000-0000-C000-000000000046 as stored.
constexpr std::array<std::uint8_t, 16> kLinkClsid = {
    0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

constexpr std::uint32_t kHasIdList = 1u << 0;
constexpr std::uint32_t kHasLinkInfo = 1u << 1;
constexpr std::uint32_t kIsUnicode = 1u << 7;
// HasName, HasRelativePath, HasWorkingDir, HasArguments and HasIconLocation are bits 2..6, in the
// order their strings follow each other.
constexpr int kFirstStringFlag = 2;
enum StringIndex { kDescription, kRelativePath, kWorkingDir, kArguments, kIconLocation, kCount };

constexpr std::uint32_t kLocalPath = 1, kNetworkPath = 2;  // LinkInfo flags
// A LinkInfo header this long, or a network part whose name offset lies past 0x14, also holds
// the offsets of Unicode strings.
constexpr std::uint32_t kUnicodeLinkInfoHeader = 0x24;
constexpr std::uint32_t kUnicodeNetworkHeader = 0x14;

constexpr std::uint32_t kEnvironmentBlock = 0xA0000001;
constexpr std::uint32_t kDarwinBlock = 0xA0000006;
constexpr std::uint32_t kIconEnvironmentBlock = 0xA0000007;
// Those three blocks share one layout: an ANSI field and a Unicode field, both NUL-terminated.
constexpr std::uint64_t kLocationBlockSize = 0x314;
constexpr std::uint64_t kAnsiField = 8, kAnsiFieldSize = 260;
constexpr std::uint64_t kUnicodeField = 268, kUnicodeFieldSize = 520;

struct LinkInfoPath {
  std::string path;
  std::string ansiBytes;  // the path as stored in ANSI; empty when taken from Unicode
};

struct ExtraData {
  std::string environment;
  std::string iconEnvironment;
  std::string darwin;
};

bool IsShellLinkHeader(ByteView view) {
  const auto clsid = view.Slice(4, kLinkClsid.size());
  return view.Contains(0, kHeaderSize) && view.U32(0) == kHeaderSize &&
         std::equal(clsid->begin(), clsid->end(), kLinkClsid.begin());
}

// Windows starts a link with any other stored value as SW_SHOWNORMAL.
int ShowCommand(std::uint32_t stored) {
  return stored == 3 || stored == 7 ? static_cast<int>(stored) : 1;
}

std::string JoinPath(const std::string& base, const std::string& suffix) {
  if (base.empty() || suffix.empty()) return base + suffix;
  return base.back() == '\\' ? base + suffix : base + '\\' + suffix;
}

// Strings located by an offset field, where 0 means "absent".
std::string OptionalBytes(ByteView view, std::uint32_t offset) {
  return offset == 0 ? "" : ByteText(view, offset);
}
std::string OptionalUnicode(ByteView view, std::uint32_t offset) {
  return offset == 0 ? "" : UnicodeText(view, offset);
}

// A path of the LinkInfo: `unicodeBase` or else `ansiBase`, then the common path suffix.
struct LinkInfoParts {
  std::string unicodeSuffix;
  std::string ansiSuffix;

  LinkInfoPath Path(const std::string& unicodeBase, const std::string& ansiBase) const {
    if (!unicodeBase.empty())
      return {JoinPath(unicodeBase, unicodeSuffix.empty() ? AnsiToUtf8(ansiSuffix) : unicodeSuffix),
              ""};
    if (ansiBase.empty()) return {};
    const std::string ansi = JoinPath(ansiBase, ansiSuffix);
    return {AnsiToUtf8(ansi), ansi};
  }
};

// The share name of the network part (which `link` starts at) and the suffix.
LinkInfoPath NetworkPath(ByteView link, const LinkInfoParts& parts) {
  const std::uint32_t nameOffset = link.U32(8);
  const bool unicode = nameOffset > kUnicodeNetworkHeader;
  return parts.Path(unicode ? OptionalUnicode(link, link.U32(20)) : "",
                    OptionalBytes(link, nameOffset));
}

LinkInfoPath ReadLinkInfo(ByteView info) {
  const bool unicode = info.U32(4) >= kUnicodeLinkInfoHeader;
  const std::uint32_t flags = info.U32(8);
  const LinkInfoParts parts{unicode ? OptionalUnicode(info, info.U32(32)) : "",
                            OptionalBytes(info, info.U32(24))};
  if (flags & kLocalPath) {
    LinkInfoPath local = parts.Path(unicode ? OptionalUnicode(info, info.U32(28)) : "",
                                    OptionalBytes(info, info.U32(16)));
    if (!local.path.empty()) return local;
  }
  const std::uint32_t link = info.U32(20);
  if ((flags & kNetworkPath) && link != 0)
    return NetworkPath(ClampedView(info, link, info.U32(link)), parts);
  return {};
}

struct TargetSources {
  LinkInfoPath linkInfo;
  std::string environment;
  std::string idList;
};

std::string ChooseTarget(const TargetSources& sources, const std::string& workingDir,
                         const std::string& relativePath) {
  const std::string& ansi = sources.linkInfo.ansiBytes;
  if (IsLossyAnsi(ansi)) {
    const std::string_view trailing[] = {sources.idList, relativePath};
    if (auto spelled = UnicodeSpelling(ansi, workingDir, trailing)) return *spelled;
  }
  if (!sources.linkInfo.path.empty()) return sources.linkInfo.path;
  if (!sources.environment.empty()) return sources.environment;
  return sources.idList.empty() ? relativePath : sources.idList;
}

// Reads the strings the flags announce from `at` on. A string cut short ends the reading: the
// strings after it cannot be found.
std::array<std::string, kCount> ReadStrings(ByteView view, std::uint64_t& at, std::uint32_t flags) {
  const std::uint64_t width = (flags & kIsUnicode) ? 2 : 1;
  std::array<std::string, kCount> strings;
  for (int i = 0; i < kCount; ++i) {
    if ((flags & 1u << (kFirstStringFlag + i)) == 0) continue;
    const std::uint64_t length = view.U16(at) * width;
    const auto bytes = view.Slice(at + 2, length);
    if (!view.Contains(at, 2) || !bytes) {
      at = view.size();
      break;
    }
    strings[i] = width == 2 ? Utf16LeToUtf8(*bytes)
                            : AnsiToUtf8({reinterpret_cast<const char*>(bytes->data()), length});
    strings[i].resize(std::min(strings[i].size(), strings[i].find('\0')));
    at += 2 + length;
  }
  return strings;
}

std::string LocationText(ByteView block) {
  if (block.size() < kLocationBlockSize) return "";
  const std::string unicode = UnicodeText(ClampedView(block, kUnicodeField, kUnicodeFieldSize), 0);
  return !unicode.empty() ? unicode : AnsiText(ClampedView(block, kAnsiField, kAnsiFieldSize), 0);
}

// Extra data blocks follow each other until one smaller than a block header (the terminal
// block), or one that claims more bytes than the file holds.
ExtraData ReadExtraData(ByteView view, std::uint64_t at) {
  ExtraData extra;
  while (view.Contains(at, 8)) {
    const std::uint32_t size = view.U32(at);
    if (size < 8 || !view.Contains(at, size)) break;
    const ByteView block = ClampedView(view, at, size);
    const std::uint32_t signature = view.U32(at + 4);
    if (signature == kEnvironmentBlock) extra.environment = LocationText(block);
    if (signature == kIconEnvironmentBlock) extra.iconEnvironment = LocationText(block);
    if (signature == kDarwinBlock) extra.darwin = LocationText(block);
    at += size;
  }
  return extra;
}

}  // namespace

std::optional<ShellLink> ParseShellLink(std::span<const std::uint8_t> bytes) {
  const ByteView view(bytes);
  if (!IsShellLinkHeader(view)) return std::nullopt;
  const std::uint32_t flags = view.U32(20);
  std::uint64_t at = kHeaderSize;
  TargetSources sources;
  if (flags & kHasIdList) {
    sources.idList = ShellItemPath(ClampedView(view, at + 2, view.U16(at)));
    at += 2 + view.U16(at);
  }
  if (flags & kHasLinkInfo) {
    sources.linkInfo = ReadLinkInfo(ClampedView(view, at, view.U32(at)));
    at += view.U32(at);
  }
  auto strings = ReadStrings(view, at, flags);
  const ExtraData extra = ReadExtraData(view, at);
  sources.environment = extra.environment;

  ShellLink link;
  link.target = ChooseTarget(sources, strings[kWorkingDir], strings[kRelativePath]);
  link.arguments = std::move(strings[kArguments]);
  link.workingDir = std::move(strings[kWorkingDir]);
  link.iconPath = strings[kIconLocation].empty() ? extra.iconEnvironment : strings[kIconLocation];
  link.iconIndex = view.I32(56);
  link.showCommand = ShowCommand(view.U32(60));
  link.description = std::move(strings[kDescription]);
  link.relativePath = std::move(strings[kRelativePath]);
  link.darwinId = extra.darwin;
  link.advertised = !extra.darwin.empty();
  return link;
}

}  // namespace qav::readers
