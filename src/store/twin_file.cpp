#include "store/twin_file.h"

#include <fstream>
#include <optional>

namespace qav {
namespace {

std::optional<std::vector<std::uint8_t>> ReadPrefix(const std::string& path, std::size_t maxBytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes(maxBytes);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(maxBytes));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

ImageStatus Judge(const ImageJudge& judge, const std::optional<std::vector<std::uint8_t>>& bytes) {
  return bytes ? judge(*bytes) : ImageStatus::kInvalid;
}

void SetAside(platform::FileOps& files, const std::string& path,
              const std::vector<std::uint8_t>& bytes) {
  WriteAtomically(files, path + ".damaged", bytes);
}

}  // namespace

bool WriteAtomically(platform::FileOps& files, const std::string& path,
                     std::span<const std::uint8_t> bytes) {
  const std::string temporary = path + ".tmp";
  if (files.WriteFile(temporary, bytes, true) && files.ReplaceFile(temporary, path)) return true;
  files.RemoveFile(temporary);
  return false;
}

bool SaveWithTwin(platform::FileOps& files, const std::string& path,
                  std::span<const std::uint8_t> bytes) {
  if (!files.WriteFile(path + ".bak", bytes, true)) return false;
  return WriteAtomically(files, path, bytes);
}

TwinLoad LoadWithTwin(platform::FileOps& files, const std::string& path, std::size_t maxBytes,
                      const ImageJudge& judge) {
  const std::string twinPath = path + ".bak";
  auto main = ReadPrefix(path, maxBytes);
  if (!main) {
    auto twin = ReadPrefix(twinPath, maxBytes);
    if (!twin) return {};
    WriteAtomically(files, path, *twin);
    const bool usable = Judge(judge, twin) != ImageStatus::kInvalid;
    return {usable ? TwinLoad::Outcome::kLoaded : TwinLoad::Outcome::kUnreadable, std::move(*twin),
            true};
  }
  const ImageStatus mainStatus = judge(*main);
  if (mainStatus == ImageStatus::kWhole) return {TwinLoad::Outcome::kLoaded, std::move(*main)};

  auto twin = ReadPrefix(twinPath, maxBytes);
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
