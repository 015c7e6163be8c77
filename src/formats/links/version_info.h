#pragma once
// Text fields of the version resource (VS_VERSIONINFO) of a Windows program, read on any
// platform.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qav::readers {

// Field numbers, in the order callers ask for them by number.
enum VersionField {
  kComments,
  kInternalName,
  kProductName,
  kCompanyName,
  kLegalCopyright,
  kProductVersion,
  kFileDescription,
  kLegalTrademarks,
  kPrivateBuild,
  kFileVersion,
  kOriginalFilename,
  kSpecialBuild,
};

// The value of text field `key` in a VS_VERSIONINFO block: the first String structure whose
// type is text (1) and whose key is exactly `key`, found by scanning the block as UTF-16. The
// value starts at the next 32-bit boundary after the key and ends at a NUL or the structure's
// end. Empty when absent.
std::string VersionString(std::span<const std::uint8_t> block, std::u16string_view key);

// Field `field` (0..11, see VersionField) of the program whose file bytes these are. Empty when
// the bytes are no PE image, it has no version resource, the field is absent or the number is
// out of range.
std::string VersionFieldFromPe(std::vector<std::uint8_t> fileBytes, int field);

}  // namespace qav::readers
