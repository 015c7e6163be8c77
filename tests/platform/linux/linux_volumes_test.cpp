#include "platform/linux/linux_volumes.h"

#include <gtest/gtest.h>

#include <map>

namespace qav::platform {
namespace {

constexpr char kMountTable[] =
    "sysfs /sys sysfs rw,nosuid 0 0\n"
    "proc /proc proc rw 0 0\n"
    "/dev/sda2 /home ext4 rw 0 0\n"
    "/dev/sda1 / ext4 rw,relatime 0 0\n"
    "tmpfs /tmp tmpfs rw 0 0\n"
    "tmpfs /dev/shm tmpfs rw 0 0\n"
    "tmpfs /run/user/1000 tmpfs rw 0 0\n"
    "gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw 0 0\n"
    "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
    "/dev/loop3 /snap/core22/864 squashfs ro 0 0\n"
    "/dev/loop4 /opt/image squashfs ro 0 0\n"
    "overlay /var/lib/docker/overlay2/1/merged overlay rw 0 0\n"
    "/dev/sda3 /boot/efi vfat rw 0 0\n"
    "server:/export /mnt/nfs nfs4 rw 0 0\n"
    "//nas/share /mnt/my\\040share cifs rw 0 0\n"
    "/dev/sr0 /media/ann/CDROM iso9660 ro 0 0\n"
    "/dev/sdb1 /run/media/ann/STICK vfat rw 0 0\n"
    "/dev/sdc1 /mnt/usb ext4 rw 0 0\n"
    "/dev/fd0 /mnt/floppy vfat rw 0 0\n"
    "pool/data /srv/data zfs rw 0 0\n"
    "encfs /home/ann/private fuse.encfs rw 0 0\n";

// One line per volume: root, type, name, title and the flags, so a whole list compares at once.
std::vector<std::string> Describe(const std::vector<Volume>& volumes) {
  std::vector<std::string> lines;
  for (const Volume& v : volumes) {
    lines.push_back(v.root + " " + std::to_string(static_cast<int>(v.type)) + " " + v.name + " [" +
                    v.title + "]" + (v.isSystem ? " system" : "") + (v.isFloppy ? " floppy" : ""));
  }
  return lines;
}

LinuxVolumes VolumesOf(std::string table) {
  const std::map<std::string, std::string> labels{{"/dev/sda2", "Home"}, {"/dev/sr0", "DISC"}};
  return LinuxVolumes({[table] { return table; },
                       [labels](const std::string& device) {
                         const auto it = labels.find(device);
                         return it == labels.end() ? std::string() : it->second;
                       },
                       [](const std::string& device) { return device == "/dev/sdc1"; }});
}

// A volume is known by its label, else by where it is mounted: never by its device node.
TEST(LinuxVolumesTest, ListsUserVolumesByRoleWithTheSystemFirst) {
  EXPECT_EQ(Describe(VolumesOf(kMountTable).List()),
            (std::vector<std::string>{
                "/ 3 / [File System] system",
                "/home/ 3 Home [Home]",
                "/tmp/ 6 /tmp [/tmp]",
                "/mnt/nfs/ 4 /mnt/nfs [/mnt/nfs]",
                "/mnt/my share/ 4 /mnt/my share [/mnt/my share]",
                "/media/ann/CDROM/ 5 DISC [DISC]",
                "/run/media/ann/STICK/ 2 /run/media/ann/STICK [/run/media/ann/STICK]",
                "/mnt/usb/ 2 /mnt/usb [/mnt/usb]",
                "/mnt/floppy/ 2 /mnt/floppy [/mnt/floppy] floppy",
                "/srv/data/ 3 /srv/data [/srv/data]",
                "/home/ann/private/ 0 /home/ann/private [/home/ann/private]",
            }));
}

TEST(LinuxVolumesTest, ContainerRootAndOverMountsAndLookUp) {
  LinuxVolumes volumes = VolumesOf(
      "overlay / overlay rw 0 0\n"
      "/dev/sdc1 /data ext4 rw 0 0\n"
      "nas:/d /data nfs rw 0 0\n"
      "garbage\n");
  EXPECT_EQ(Describe(volumes.List()),
            (std::vector<std::string>{"/ 3 / [File System] system", "/data/ 4 /data [/data]"}));
  ASSERT_TRUE(volumes.At("/data").has_value());
  EXPECT_EQ(volumes.At("/data/")->type, DriveType::kRemote);
  EXPECT_TRUE(volumes.At("/")->isSystem);
  EXPECT_FALSE(volumes.At("/dat").has_value());
}

}  // namespace
}  // namespace qav::platform
