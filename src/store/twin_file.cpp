#include "store/twin_file.h"

#include <optional>

#include "platform/bounded_read.h"

namespace qav {

using platform::WriteAtomically;

namespace {

ImageStatus Judge(const ImageJudge& judge, const std::optional<std::vector<std::uint8_t>>& bytes) {
  return bytes ? judge(*bytes) : ImageStatus::kInvalid;
}

void SetAside(platform::FileOps& files, const std::string& path,
              const std::vector<std::uint8_t>& bytes) {
  WriteAtomically(files, path + ".damaged", bytes);
}

}  // namespace

// The file itself is written even when its twin cannot be (a folder in its place, no room for a
// second copy): its atomic replace keeps it whole on its own, and the user's changes are saved.
bool SaveWithTwin(platform::FileOps& files, const std::string& path,
                  std::span<const std::uint8_t> bytes) {
  const bool twinWritten = files.WriteBytes(path + ".bak", bytes, true);
  const bool written = WriteAtomically(files, path, bytes);
  return twinWritten && written;
}

TwinLoad LoadWithTwin(platform::FileOps& files, const std::string& path, std::size_t maxBytes,
                      const ImageJudge& judge) {
  const std::string twinPath = path + ".bak";
  auto main = platform::ReadFilePrefix(path, maxBytes);
  if (!main) {
    auto twin = platform::ReadFilePrefix(twinPath, maxBytes);
    if (!twin) return {};
    WriteAtomically(files, path, *twin);
    const bool usable = Judge(judge, twin) != ImageStatus::kInvalid;
    return {usable ? TwinLoad::Outcome::kLoaded : TwinLoad::Outcome::kUnreadable, std::move(*twin),
            true};
  }
  const ImageStatus mainStatus = judge(*main);
  if (mainStatus == ImageStatus::kWhole) return {TwinLoad::Outcome::kLoaded, std::move(*main)};

  auto twin = platform::ReadFilePrefix(twinPath, maxBytes);
  const ImageStatus twinStatus = Judge(judge, twin);
  if (twinStatus == ImageStatus::kWhole ||
      (mainStatus == ImageStatus::kInvalid && twinStatus == ImageStatus::kShort)) {
    SetAside(files, path, *main);
    return {TwinLoad::Outcome::kLoaded, std::move(*twin), true};
  }
  if (mainStatus == ImageStatus::kShort) return {TwinLoad::Outcome::kLoaded, std::move(*main)};
  SetAside(files, path, *main);
  return {TwinLoad::Outcome::kUnreadable, {}};
}

}  // namespace qav
