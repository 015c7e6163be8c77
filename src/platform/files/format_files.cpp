#include "platform/files/format_files.h"

#include "formats/links/version_info.h"
#include "platform/files/bounded_read.h"

namespace qav::platform {
namespace {

// No program the launcher looks at is larger; a larger file is not read for its version.
constexpr std::size_t kMaxProgramBytes = 512u << 20;

}  // namespace

std::optional<readers::DesktopEntry> ReadDesktopEntryFile(const std::string& path,
                                                          std::string_view locale) {
  const auto text = ReadWholeTextFile(path, kMaxSmallTextFileBytes);
  if (!text) return std::nullopt;
  return readers::ParseDesktopEntry(*text, locale);
}

std::string GetFileVersionField(const std::string& path, int field) {
  auto bytes = ReadWholeFile(path, kMaxProgramBytes);
  return bytes ? readers::VersionFieldFromPe(std::move(*bytes), field) : "";
}

}  // namespace qav::platform
