#include "platform/linux/linux_volumes.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <utility>

namespace qav::platform {
namespace {

namespace fs = std::filesystem;

struct Mount {
  std::string device;
  std::string point;
  std::string type;
};

const std::set<std::string>& PseudoTypes() {
  static const std::set<std::string> kTypes{
      "proc",         "sysfs",       "cgroup",          "cgroup2",     "devpts",
      "devtmpfs",     "securityfs",  "debugfs",         "tracefs",     "pstore",
      "bpf",          "mqueue",      "hugetlbfs",       "configfs",    "fusectl",
      "autofs",       "binfmt_misc", "efivarfs",        "rpc_pipefs",  "nsfs",
      "selinuxfs",    "nfsd",        "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs",
      "fuse.snapfuse"};
  return kTypes;
}

const std::set<std::string>& RemoteTypes() {
  static const std::set<std::string> kTypes{
      "nfs", "nfs4", "cifs",      "smb3",           "smbfs",       "sshfs", "fuse.sshfs",
      "9p",  "ceph", "glusterfs", "fuse.glusterfs", "fuse.rclone", "davfs", "afs"};
  return kTypes;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// `path` is `tree` or inside it.
bool Under(const std::string& path, const std::string& tree) {
  return path == tree || StartsWith(path, tree + "/");
}

// The mount table writes space, tab, newline and backslash as three octal digits.
std::string UnescapeOctal(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const bool octal = field[i] == '\\' && i + 3 < field.size() &&
                       std::all_of(field.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                   field.begin() + static_cast<std::ptrdiff_t>(i) + 4,
                                   [](char c) { return c >= '0' && c <= '7'; });
    if (!octal) {
      out += field[i];
      continue;
    }
    out += static_cast<char>(std::stoi(field.substr(i + 1, 3), nullptr, 8));
    i += 3;
  }
  return out;
}

std::vector<Mount> ParseMountTable(const std::string& text) {
  std::vector<Mount> mounts;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    Mount mount;
    if (!(fields >> mount.device >> mount.point >> mount.type)) continue;
    mounts.push_back({UnescapeOctal(mount.device), UnescapeOctal(mount.point), mount.type});
  }
  return mounts;
}

bool IsSystemTree(const std::string& point) {
  if (Under(point, "/run/media")) return false;
  for (const char* tree : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var/lib/snapd"}) {
    if (Under(point, tree)) return true;
  }
  return StartsWith(point, "/tmp/.mount_");  // self-mounting application images
}

bool IsUserVisible(const Mount& mount) {
  if (mount.point == "/") return true;
  if (PseudoTypes().count(mount.type) || IsSystemTree(mount.point)) return false;
  if (mount.type == "overlay") return false;  // container layers; a container's "/" is kept
  return !(mount.type == "squashfs" && StartsWith(mount.device, "/dev/loop"));
}

bool UnderMediaFolder(const std::string& point) {
  return StartsWith(point, "/media/") || StartsWith(point, "/run/media/");
}

DriveType TypeOf(const Mount& mount, const MountSources& sources) {
  if (mount.point == "/") return DriveType::kFixed;
  if (RemoteTypes().count(mount.type)) return DriveType::kRemote;
  if (mount.type == "iso9660" || mount.type == "udf") return DriveType::kOptical;
  if (mount.type == "tmpfs" || mount.type == "ramfs") return DriveType::kRamDisk;
  if (!StartsWith(mount.device, "/dev/")) {
    return mount.type == "zfs" ? DriveType::kFixed : DriveType::kUnknown;
  }
  if (StartsWith(mount.device, "/dev/fd") || UnderMediaFolder(mount.point) ||
      sources.removable(mount.device)) {
    return DriveType::kRemovable;
  }
  return DriveType::kFixed;
}

Volume ToVolume(const Mount& mount, const MountSources& sources) {
  Volume volume;
  volume.root = mount.point == "/" ? "/" : mount.point + "/";
  volume.type = TypeOf(mount, sources);
  volume.isSystem = mount.point == "/";
  volume.isFloppy = StartsWith(mount.device, "/dev/fd");
  if (StartsWith(mount.device, "/dev/")) volume.name = sources.label(mount.device);
  // A device node ("/dev/vda1") means nothing to a user: a volume without a label is known by
  // the folder it is mounted on, as file managers show it.
  if (volume.name.empty()) volume.name = mount.point;
  volume.title = volume.isSystem ? "File System" : volume.name;
  return volume;
}

std::string ReadFirstLine(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// udev writes characters unsafe in a file name as "\xNN".
std::string UnescapeUdev(const std::string& name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name.compare(i, 2, "\\x") == 0 && i + 3 < name.size() &&
        std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
        std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
      out += static_cast<char>(std::stoi(name.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      out += name[i];
    }
  }
  return out;
}

std::string LabelFromDiskFolder(const std::string& device) {
  std::error_code error;
  const fs::path target = fs::canonical(device, error);
  if (error) return {};
  for (fs::directory_iterator it("/dev/disk/by-label", error);
       !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code ignored;
    if (fs::canonical(it->path(), ignored) == target) {
      return UnescapeUdev(it->path().filename().string());
    }
  }
  return {};
}

bool RemovableInSysfs(const std::string& device) {
  std::error_code error;
  const fs::path node = fs::canonical(device, error);
  if (error) return false;
  const fs::path block = fs::canonical(fs::path("/sys/class/block") / node.filename(), error);
  if (error) return false;
  // A partition's flag is its disk's, one folder up.
  const fs::path disk = fs::exists(block / "partition", error) ? block.parent_path() : block;
  return ReadFirstLine(disk / "removable") == "1";
}

std::string ReadMountTable() {
  std::ifstream in("/proc/self/mounts");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string WithoutTrailingSlash(std::string root) {
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  return root;
}

}  // namespace

MountSources SystemMountSources() {
  return {ReadMountTable, LabelFromDiskFolder, RemovableInSysfs};
}

LinuxVolumes::LinuxVolumes(MountSources sources) : sources_(std::move(sources)) {}

std::vector<Volume> LinuxVolumes::List() {
  // A later mount on the same folder hides the earlier one.
  std::vector<Mount> visible;
  for (const Mount& mount : ParseMountTable(sources_.mountTable())) {
    std::erase_if(visible, [&mount](const Mount& seen) { return seen.point == mount.point; });
    if (IsUserVisible(mount)) visible.push_back(mount);
  }
  std::stable_partition(visible.begin(), visible.end(),
                        [](const Mount& mount) { return mount.point == "/"; });
  std::vector<Volume> volumes;
  for (const Mount& mount : visible) volumes.push_back(ToVolume(mount, sources_));
  return volumes;
}

std::optional<Volume> LinuxVolumes::At(const std::string& root) {
  const std::string wanted = WithoutTrailingSlash(root);
  for (Volume& volume : List()) {
    if (WithoutTrailingSlash(volume.root) == wanted) return std::move(volume);
  }
  return std::nullopt;
}

}  // namespace qav::platform
