#pragma once
// Saving and loading a configuration file together with its ".bak" twin so that an interrupted
// save, a full disk or a damaged copy never leaves the user without a whole copy.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "platform/file_ops.h"

namespace qav {

// How an image of a configuration file looks to its decoder.
enum class ImageStatus {
  kWhole,    // every byte the layout asks for is there
  kShort,    // a readable prefix: the missing bytes read as zero
  kInvalid,  // counts or bounds that cannot be right
};

using ImageJudge = std::function<ImageStatus(std::span<const std::uint8_t>)>;

// Writes the ".bak" twin completely and durably, then replaces the file itself; each through a
// fresh temporary copy and an atomic rename. Whatever step fails or is interrupted, at least one of
// the two stays whole. The file is saved even when the twin fails; the result succeeds only when
// both were written, and a failure names the copy that could not be.
Result SaveWithTwin(platform::FileOps& files, const std::string& path,
                    std::span<const std::uint8_t> bytes);

struct TwinLoad {
  enum class Outcome { kNoFile, kLoaded, kUnreadable };
  Outcome outcome = Outcome::kNoFile;
  std::vector<std::uint8_t> bytes;
  bool fromTwin = false;
};

// Picks the copy to read: the file when it is whole; else the twin when that is whole; else the
// file as it is (a short file reads as zeros past its end); else a usable short twin. A missing
// file is restored from its twin. A damaged file that is set aside for its twin or found
// unreadable is kept as `path` + ".damaged" so that nothing the user had is destroyed.
TwinLoad LoadWithTwin(platform::FileOps& files, const std::string& path, std::size_t maxBytes,
                      const ImageJudge& judge);

}  // namespace qav
