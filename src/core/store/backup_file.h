#pragma once
// The shortcuts-and-icons backup: one self-contained file holding the menu file's groups and
// records, then a block (32-bit little-endian length, then the bytes) for every picture that did
// not ship with the program, in record order 4..1024 with each record's own picture before its
// custom picture, then the trailer "/END" and a NUL.
//
// Restoring reads and checks the whole file before anything on disk changes, writes pictures only
// into the icon store and replaces the menu file through the crash-safe twin save.

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "base/result.h"
#include "core/store/records.h"
#include "platform/file_ops.h"

namespace qav {

inline constexpr std::array<std::uint8_t, 5> kBackupTrailer = {0x2F, 0x45, 0x4E, 0x44, 0x00};
// Bounds on what a restore reads, so that a wrong file choice cannot exhaust memory: a restore
// holds the records and one picture at a time, never the whole file.
inline constexpr std::uint64_t kMaxBackupBytes = std::uint64_t{1} << 30;
inline constexpr std::size_t kMaxPictureBytes = std::size_t{64} << 20;

// Called after each picture block: blocks done so far, blocks in all.
using BackupProgress = std::function<void(int done, int total)>;

// Both operations return success or the reason they failed; callers decide how to tell the user.

// Writes the backup of `tables` to `path` through `files`, replacing any file there at once. A
// picture field naming a file that is gone (or is no readable picture-sized file) is written as
// an empty path with no block, so the records never promise a block that does not follow. A
// failed backup leaves no partial file behind and whatever stood at `path` as it was.
Result WriteBackupFile(platform::FileOps& files, const std::string& path, const Tables& tables,
                       const std::string& sysIconsFolder, const BackupProgress& progress = {});

struct RestoreTarget {
  std::string menuFile;
  std::string iconStore;  // ends with the path separator
  std::string sysIconsFolder;
  platform::FileOps& files;
  BackupProgress progress = {};  // called after each picture written
  // The store pictures the records being replaced name: the program put them there, so those no
  // restored record names are removed afterwards (see RemoveStorePictures).
  std::set<std::string> ownPictures = {};
};

// Restores a backup: the menu file is replaced and the pictures are written into the icon store
// under the file name their recorded path ends in (a path of another data folder, or of any
// folder, is mapped into this store and the record updated). Store pictures the program put there
// that no restored record names are removed afterwards. Pictures shipped with a copy of the program
// installed elsewhere (in its "SysIcons" folder) are recognised by their folder when this copy's
// folder differs. A backup that is unreadable, truncated or inconsistent changes nothing; it is
// judged by its records and block headers before any picture is read. In a store that is a link to
// another folder no existing file is replaced and nothing is removed.
Result RestoreBackupFile(const std::string& path, const RestoreTarget& target);

// The place in the icon store a recorded picture path restores to: the store plus the file name
// after the last "/" or "\"; empty when that name cannot be a file of the store.
std::string StorePathFor(const std::string& recordedPath, const std::string& iconStore);

}  // namespace qav
