#include "core/store/twin_file.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "base/utf8_path.h"
#include "platform/files/bounded_read.h"
#include "platform/temporary_names.h"

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

// A save cut short by a crash leaves its temporary copy; the program made it, so the next load
// takes it away. Only names of exactly that form are touched.
void RemoveLeftoverCopies(platform::FileOps& files, const std::string& path) {
  const std::filesystem::path file = platform::PathFromUtf8(path);
  const std::string name = platform::Utf8FromPath(file.filename());
  std::vector<std::string> leftovers;
  std::error_code error;
  for (std::filesystem::directory_iterator it(file.parent_path(), error), end; !error && it != end;
       it.increment(error)) {
    const std::string entry = platform::Utf8FromPath(it->path().filename());
    if (platform::IsTemporaryNameOf(entry, name))
      leftovers.push_back(platform::Utf8FromPath(it->path()));
  }
  for (const auto& leftover : leftovers) files.RemoveFile(leftover);
}

}  // namespace

// The file itself is written even when its twin cannot be (a folder in its place, no room for a
// second copy): its atomic replace keeps it whole on its own, and the user's changes are saved.
Result SaveWithTwin(platform::FileOps& files, const std::string& path,
                    std::span<const std::uint8_t> bytes) {
  // The twin, too, is replaced rather than written over: whatever stands at its name (a link to a
  // file elsewhere, a FIFO) is never opened.
  const bool twinWritten = WriteAtomically(files, path + ".bak", bytes);
  const bool written = WriteAtomically(files, path, bytes);
  // The file itself is what the user loses, so its failure is the one named.
  if (!written) return Result::Failure("cannot write " + path);
  return Result::From(twinWritten, "cannot write the backup copy " + path + ".bak");
}

TwinLoad LoadWithTwin(platform::FileOps& files, const std::string& path, std::size_t maxBytes,
                      const ImageJudge& judge) {
  const std::string twinPath = path + ".bak";
  RemoveLeftoverCopies(files, path);
  RemoveLeftoverCopies(files, twinPath);
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
