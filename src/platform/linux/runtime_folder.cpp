#include "platform/linux/runtime_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace qav::platform {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value == '/' ? std::string(value) : std::string();
}

std::string HomeFolder() {
  std::string home = Environment("HOME");
  if (!home.empty()) return home;
  const passwd* user = ::getpwuid(::geteuid());
  return user && user->pw_dir ? std::string(user->pw_dir) : std::string();
}

void Note(std::string* note, const std::string& text) {
  if (note) *note += (note->empty() ? "" : "; ") + text;
}

// The desktop's runtime folder: a link to it is fine, but it must be this user's and no one
// else may write in it.
bool UsableSessionFolder(const std::string& folder, std::string* note) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    Note(note, "XDG_RUNTIME_DIR " + folder + " is no folder");
    return false;
  }
  if (info.st_uid != ::geteuid() || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    Note(note, "XDG_RUNTIME_DIR " + folder + " is not this user's alone");
    return false;
  }
  return true;
}

// A folder of the program's own, made when missing: a real folder (no link) this user owns,
// which no one else may enter.
bool UsableOwnFolder(const std::string& folder, std::string* note) {
  if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) return false;
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0) return false;
  if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
    Note(note, folder + " is not a folder of this user's");
    return false;
  }
  if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0 && ::chmod(folder.c_str(), S_IRWXU) != 0) {
    return false;
  }
  return true;
}

std::string TemporaryCandidate() {
  std::string base = Environment("TMPDIR");
  if (base.empty()) base = "/tmp";
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  return base + "/qav-launcher-" + std::to_string(::geteuid());
}

std::string CacheCandidate() {
  std::string base = Environment("XDG_CACHE_HOME");
  if (base.empty()) {
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    base = home + "/.cache";
  }
  ::mkdir(base.c_str(), S_IRWXU);  // the usual place; an existing one stays as it is
  return base + "/qav-launcher-runtime";
}

}  // namespace

std::string PrivateRuntimeFolder(std::string* note) {
  const std::string session = Environment("XDG_RUNTIME_DIR");
  if (!session.empty() && UsableSessionFolder(session, note)) return session;
  const std::string temporary = TemporaryCandidate();
  if (UsableOwnFolder(temporary, note)) return temporary;
  const std::string cache = CacheCandidate();
  if (!cache.empty() && UsableOwnFolder(cache, note)) return cache;
  return {};
}

std::string DescribeFound(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return {};
  if (S_ISSOCK(info.st_mode)) {
    return info.st_uid == ::geteuid() ? "a socket" : "a socket of another user";
  }
  if (S_ISLNK(info.st_mode)) return "a symbolic link";
  if (S_ISDIR(info.st_mode)) return "a folder";
  if (S_ISREG(info.st_mode)) return "a regular file";
  if (S_ISFIFO(info.st_mode)) return "a FIFO";
  return "a device";
}

std::string MoveAside(const std::string& path) {
  for (int n = 1; n < 100; ++n) {
    const std::string aside = path + ".aside-" + std::to_string(n);
    struct stat info {};
    if (::lstat(aside.c_str(), &info) == 0 || errno != ENOENT) continue;
    if (::rename(path.c_str(), aside.c_str()) == 0) return aside;
    return {};
  }
  return {};
}

}  // namespace qav::platform
