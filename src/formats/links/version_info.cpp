#include "formats/links/version_info.h"

#include <array>
#include <utility>

#include "base/byte_view.h"
#include "formats/links/link_bytes.h"
#include "formats/pe/pe_resources.h"

namespace qav::readers {
namespace {

constexpr std::uint16_t kVersionResource = 16;  // RT_VERSION
constexpr std::uint16_t kTextType = 1;
// Programs can be large, but their resources are read from memory.

constexpr std::array<std::u16string_view, 12> kFieldNames = {
    u"Comments",       u"InternalName",   u"ProductName",      u"CompanyName",
    u"LegalCopyright", u"ProductVersion", u"FileDescription",  u"LegalTrademarks",
    u"PrivateBuild",   u"FileVersion",    u"OriginalFilename", u"SpecialBuild"};

// True when the UTF-16 text at `offset` is `key` followed by a NUL.
bool KeyAt(ByteView view, std::uint64_t offset, std::u16string_view key) {
  for (std::size_t i = 0; i < key.size(); ++i)
    if (!view.Contains(offset + 2 * i, 2) || view.U16(offset + 2 * i) != key[i]) return false;
  return view.Contains(offset + 2 * key.size(), 2) && view.U16(offset + 2 * key.size()) == 0;
}

}  // namespace

std::string VersionString(std::span<const std::uint8_t> block, std::u16string_view key) {
  const ByteView view(block);
  // Each String structure: wLength, wValueLength, wType, then the key; the scan looks for wType.
  for (std::uint64_t type = 4; view.Contains(type, 2); type += 2) {
    if (view.U16(type) != kTextType || !KeyAt(view, type + 2, key)) continue;
    const std::uint64_t start = type - 4;
    const std::uint64_t keyEnd = type + 2 + 2 * (key.size() + 1);
    const std::uint64_t value = (keyEnd + 3) / 4 * 4;
    const std::uint64_t end = start + view.U16(start);
    return value >= end ? "" : UnicodeText(ClampedView(view, value, end - value), 0);
  }
  return "";
}

std::string VersionFieldFromPe(std::vector<std::uint8_t> fileBytes, int field) {
  if (field < 0 || field >= static_cast<int>(kFieldNames.size())) return "";
  const auto resources = PeResources::Parse(std::move(fileBytes));
  if (!resources) return "";
  const auto names = resources->Names(kVersionResource);
  const auto block = names.empty() ? std::nullopt : resources->Find(kVersionResource, names[0]);
  return block ? VersionString(*block, kFieldNames[field]) : "";
}

}  // namespace qav::readers
