#pragma once
// The registry kept in one text file laid out like a Windows ".reg" export, so that a user can
// read, diff and hand-edit it:
//
//   ; a comment
//   [HKEY_CURRENT_USER\SOFTWARE\QAV Launcher\System]
//   "APP_PATH"="/home/ann/qav/qav-launcher"
//   "Count"=dword:0000001e
//   "Path"=expand:"%HOME%/bin"
//   "Blob"=hex:01,02,ff
//   "List"=multi:"a","b"
//
// Every call reads the whole file and every change rewrites it atomically; the file is small and
// this keeps hand edits made between calls. Lines the store does not understand are kept as they
// are.

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace qav::platform {

class FileRegistry final : public Registry {
 public:
  explicit FileRegistry(std::string filePath);

  std::optional<RegData> Query(std::uint32_t root, const std::string& subKey,
                               const std::string& name) override;
  Result Set(std::uint32_t root, const std::string& subKey, const std::string& name,
             const RegData& data) override;
  Result Delete(std::uint32_t root, const std::string& subKey, const std::string& name) override;

 private:
  std::string filePath_;
};

// Helpers the Linux settings files share.

// Replaces the file at `path` (or the file a symbolic link there points to) by one holding
// `text`: writes a fresh temporary copy beside `path`, flushes it to the disk and renames it over
// `path`, so a crash leaves either the old or the new file. Creates missing folders. False on any
// error.
bool ReplaceFileContents(const std::string& path, const std::string& text);

}  // namespace qav::platform
