#include "platform/linux/freedesktop_trash.h"

#include <QDateTime>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace qav::platform {
namespace {

namespace fs = std::filesystem;

bool Taken(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

// A real folder, not a link to one: emptying must stay inside the trash.
bool IsRealFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(fs::symlink_status(path, error));
}

std::uint64_t SizeOf(const fs::path& item) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(item, error);
  if (error) return 0;
  if (fs::is_regular_file(status)) {
    const auto size = fs::file_size(item, error);
    return error ? 0 : size;
  }
  if (!fs::is_directory(status)) return 0;  // links, sockets, pipes: nothing worth counting
  std::uint64_t total = 0;
  for (fs::directory_iterator it(item, error); !error && it != fs::directory_iterator();
       it.increment(error)) {
    total += SizeOf(it->path());
  }
  return total;
}

// Read-only folders (a module cache, an unpacked archive) can only be emptied once we may write
// to them again; they are ours, being in our trash.
void MakeFoldersWritable(const fs::path& item) {
  if (!IsRealFolder(item)) return;
  std::error_code error;
  fs::permissions(item, fs::perms::owner_all, fs::perm_options::add, error);
  for (fs::directory_iterator it(item, error); !error && it != fs::directory_iterator();
       it.increment(error)) {
    MakeFoldersWritable(it->path());
  }
}

bool RemoveContents(const std::string& folder) {
  if (!Taken(folder)) return true;
  if (!IsRealFolder(folder)) return false;
  std::error_code error;
  std::vector<fs::path> items;
  for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator();
       it.increment(error)) {
    items.push_back(it->path());
  }
  for (const fs::path& item : items) {
    if (fs::remove_all(item, error) == static_cast<std::uintmax_t>(-1) || error) {
      MakeFoldersWritable(item);
      fs::remove_all(item, error);  // never follows links
    }
  }
  return fs::is_empty(folder, error) && !error;
}

// The path's bytes percent-encoded as the trash wants them, whatever their encoding.
std::string TrashInfo(const std::string& originalPath) {
  const QByteArray encoded = QByteArray::fromStdString(originalPath).toPercentEncoding("/");
  const QString date = QDateTime::currentDateTime().toString("yyyy-MM-dd'T'hh:mm:ss");
  return "[Trash Info]\nPath=" + encoded.toStdString() + "\nDeletionDate=" + date.toStdString() +
         "\n";
}

// Creates the info file only if it is new, so that two processes never claim the same name.
bool WriteNewFile(const std::string& path, const std::string& text) {
  QFile file(QFile::decodeName(path.c_str()));
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
  const auto bytes = static_cast<qint64>(text.size());
  if (file.write(text.data(), bytes) == bytes && file.flush()) return true;
  file.remove();
  return false;
}

// "/a/b/" and "/a/./b" as "/a/b".
fs::path Normal(const fs::path& path) {
  fs::path normal = path.lexically_normal();
  return normal.has_filename() ? normal : normal.parent_path();
}

bool MakeFolder(const std::string& path) {
  std::error_code error;
  const bool made = fs::create_directories(path, error);
  if (error || !IsRealFolder(path)) return false;
  if (made) fs::permissions(path, fs::perms::owner_all, error);
  return true;
}

}  // namespace

FreedesktopTrash::FreedesktopTrash(std::string trashFolder) : folder_(std::move(trashFolder)) {}

bool FreedesktopTrash::HasItems() {
  std::error_code error;
  std::filesystem::directory_iterator files(FilesFolder(), error);
  return !error && files != std::filesystem::directory_iterator();
}

TrashStatus FreedesktopTrash::Query() {
  TrashStatus status;
  if (!IsRealFolder(FilesFolder())) return status;
  std::error_code error;
  for (fs::directory_iterator it(FilesFolder(), error); !error && it != fs::directory_iterator();
       it.increment(error)) {
    ++status.items;
    status.bytes += SizeOf(it->path());
  }
  return status;
}

bool FreedesktopTrash::Empty() {
  if (folder_.empty() || folder_.front() != '/') return false;
  const bool filesEmpty = RemoveContents(FilesFolder());
  const bool infoEmpty = RemoveContents(InfoFolder());
  std::error_code error;
  fs::remove(folder_ + "/directorysizes", error);
  return filesEmpty && infoEmpty;
}

bool FreedesktopTrash::MoveToTrash(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  const fs::path absolute = Normal(fs::absolute(path, error));
  if (error || !absolute.has_filename() || !Taken(absolute)) return false;
  const fs::path trash = Normal(folder_);
  // Neither the trash nor anything in it, nor a folder that holds the trash.
  const auto [inTrash, rest] =
      std::mismatch(trash.begin(), trash.end(), absolute.begin(), absolute.end());
  if (inTrash == trash.end() || rest == absolute.end()) return false;
  if (MoveIntoThisTrash(absolute.string())) return true;
  return QFile::moveToTrash(QFile::decodeName(absolute.string().c_str()));
}

bool FreedesktopTrash::MoveIntoThisTrash(const std::string& absolutePath) {
  if (folder_.empty() || !MakeFolder(FilesFolder()) || !MakeFolder(InfoFolder())) return false;
  const std::string info = TrashInfo(absolutePath);
  const std::string base = fs::path(absolutePath).filename().string();
  for (int attempt = 1; attempt < 10000; ++attempt) {
    const std::string name = attempt == 1 ? base : base + "." + std::to_string(attempt);
    const std::string infoPath = InfoFolder() + "/" + name + ".trashinfo";
    const std::string filesPath = FilesFolder() + "/" + name;
    if (Taken(infoPath) || Taken(filesPath)) continue;
    if (!WriteNewFile(infoPath, info)) return false;
    if (std::rename(absolutePath.c_str(), filesPath.c_str()) == 0) return true;
    std::remove(infoPath.c_str());  // another file system, or no right to move it
    return false;
  }
  return false;
}

}  // namespace qav::platform
