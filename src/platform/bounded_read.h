#pragma once
// Reading files from the user's world, which nobody vouches for: a FIFO, a device or a huge file
// can stand where a small configuration file or picture is expected. Every reader of such a file
// goes through here, so that only regular files are read, opening never blocks and no read
// grows past the limit its caller sets.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qav::platform {

// Enough for any small text file the program reads (desktop entries, its registry file, the
// autostart entry); anything larger is not one of them.
inline constexpr std::size_t kMaxSmallTextFileBytes = 1u << 20;

// True when `path` (after symbolic links) is a regular file.
bool IsRegularFile(const std::string& path);

// Up to `maxBytes` from the start of a regular file. Nothing when the path is not a regular
// file or cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path,
                                                        std::size_t maxBytes);

// The whole of a regular file of at most `maxBytes`; nothing when it is larger or cannot be
// read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                       std::size_t maxBytes);

// The same, as text.
std::optional<std::string> ReadWholeTextFile(const std::string& path, std::size_t maxBytes);

}  // namespace qav::platform
