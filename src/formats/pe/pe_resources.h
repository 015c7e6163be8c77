#pragma once
// The resources of a Windows program or library (PE/COFF image, PE32 and PE32+), read from the
// file's bytes on any platform: the three-level directory type -> name -> language.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qav::readers {

// Where one section of the image lies in memory (relative to the image base) and in the file.
struct PeSection {
  std::uint32_t virtualAddress = 0;
  std::uint32_t virtualSize = 0;
  std::uint32_t rawOffset = 0;
  std::uint32_t rawSize = 0;
};

// A resource name: a numeric id, or a string stored upper-case because the system compares
// resource names without regard to case.
struct ResourceName {
  std::optional<std::uint16_t> id;
  std::u16string name;

  static ResourceName Id(std::uint16_t value) { return ResourceName{value, {}}; }
  // Upper-cases `text` the way names read from files are.
  static ResourceName Named(std::u16string_view text);

  bool operator==(const ResourceName&) const = default;
};

// Upper-case form of a resource name: ASCII, Latin-1, Greek and Cyrillic letters are mapped;
// everything else is kept.
std::u16string UpperCaseResourceName(std::u16string_view text);

class PeResources {
 public:
  // Nothing when the bytes are not a PE image whose resource directory lies in the file.
  static std::optional<PeResources> Parse(std::vector<std::uint8_t> fileBytes);

  // Every resource type, in directory order (string names first, then ids ascending).
  std::vector<ResourceName> Types() const;
  // The names of the resources of `type` (14 = icon group, 3 = icon, 16 = version), in the order
  // they are stored, which is the order the system enumerates them.
  std::vector<ResourceName> Names(std::uint16_t type) const;
  // The data of resource (type, name) in its first language. The span points into this object's
  // own copy of the file.
  std::optional<std::span<const std::uint8_t>> Find(std::uint16_t type,
                                                    const ResourceName& name) const;

 private:
  // One directory entry: `target` is the offset, from the root directory, of a subdirectory or
  // of a data entry.
  // The name is kept as its raw field and only read when asked for, so that a file whose
  // entries share one huge name costs no copies of it.
  struct Entry {
    std::uint32_t nameField = 0;
    std::uint32_t target = 0;
    bool isDirectory = false;
  };

  PeResources(std::vector<std::uint8_t> bytes, std::vector<PeSection> sections);

  const PeSection* SectionOf(std::uint32_t rva) const;
  std::optional<std::uint64_t> FileOffset(std::uint32_t rva, std::uint32_t size) const;
  bool LocateRoot(std::uint32_t rva);
  std::span<const std::uint8_t> Tree() const;

  std::optional<std::vector<Entry>> Directory(std::uint32_t offset) const;
  std::optional<ResourceName> ReadName(std::uint32_t field) const;
  bool NameIs(std::uint32_t field, const ResourceName& name) const;
  std::optional<std::uint32_t> Subdirectory(const std::vector<std::uint32_t>& ancestors,
                                            const ResourceName& name) const;
  std::optional<std::span<const std::uint8_t>> Data(std::uint32_t dataEntry) const;
  std::vector<ResourceName> ChildNames(const std::vector<std::uint32_t>& ancestors) const;

  std::vector<std::uint8_t> bytes_;
  std::vector<PeSection> sections_;
  // File offsets of the root directory and of the end of the section that holds it: every
  // directory, entry and name must lie between them.
  std::uint64_t rootOffset_ = 0;
  std::uint64_t rootEnd_ = 0;
};

}  // namespace qav::readers
