#include "formats/pe/pe_resources.h"

#include <algorithm>
#include <utility>

#include "base/byte_view.h"

namespace qav::readers {
namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint64_t kDosHeaderSize = 64;
constexpr std::uint64_t kLfanewOffset = 0x3c;
constexpr std::uint64_t kCoffHeaderSize = 20;
constexpr std::uint64_t kSectionHeaderSize = 40;
constexpr std::uint64_t kDirectoryHeaderSize = 16;
constexpr std::uint64_t kDirectoryEntrySize = 8;
constexpr std::uint64_t kDataEntrySize = 16;
constexpr std::uint64_t kDataDirectorySize = 8;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
// Limits that keep a crafted file from costing more than a real one ever needs: names longer
// than any a resource compiler makes are unreadable, and a listing of names stops once it holds
// this many characters in all.
constexpr std::uint16_t kMaxNameLength = 256;
constexpr std::uint64_t kMaxListedNameUnits = 1u << 18;

// Where the optional header keeps NumberOfRvaAndSizes and the data directories.
struct OptionalHeaderShape {
  std::uint64_t countOffset = 0;
  std::uint64_t directoriesOffset = 0;
};

std::optional<OptionalHeaderShape> ShapeOf(std::uint16_t magic) {
  if (magic == 0x10b) return OptionalHeaderShape{92, 96};    // PE32
  if (magic == 0x20b) return OptionalHeaderShape{108, 112};  // PE32+
  return std::nullopt;
}

struct ImageHeaders {
  std::uint64_t sectionTable = 0;
  std::uint16_t sectionCount = 0;
  std::uint32_t resourceRva = 0;
};

std::optional<std::uint64_t> CoffHeaderOffset(const ByteView& file) {
  if (!file.Contains(0, kDosHeaderSize) || file.U8(0) != 'M' || file.U8(1) != 'Z') {
    return std::nullopt;
  }
  const std::uint64_t signature = file.U32(kLfanewOffset);
  if (!file.Contains(signature, 4 + kCoffHeaderSize) || file.U32(signature) != kPeSignature) {
    return std::nullopt;
  }
  return signature + 4;
}

std::optional<ImageHeaders> ReadHeaders(const ByteView& file) {
  const std::optional<std::uint64_t> coff = CoffHeaderOffset(file);
  if (!coff) return std::nullopt;
  const std::uint64_t optional = *coff + kCoffHeaderSize;
  const std::uint16_t optionalSize = file.U16(*coff + 16);
  if (!file.Contains(optional, optionalSize)) return std::nullopt;
  const std::optional<OptionalHeaderShape> shape = ShapeOf(file.U16(optional));
  if (!shape) return std::nullopt;
  const std::uint64_t resourceEntry =
      shape->directoriesOffset + kResourceDirectoryIndex * kDataDirectorySize;
  if (optionalSize < resourceEntry + kDataDirectorySize ||
      file.U32(optional + shape->countOffset) <= kResourceDirectoryIndex) {
    return std::nullopt;
  }
  ImageHeaders headers;
  headers.sectionTable = optional + optionalSize;
  headers.sectionCount = file.U16(*coff + 2);
  headers.resourceRva = file.U32(optional + resourceEntry);
  if (headers.resourceRva == 0) return std::nullopt;
  return headers;
}

std::optional<std::vector<PeSection>> ReadSections(const ByteView& file,
                                                   const ImageHeaders& headers) {
  if (headers.sectionCount == 0 ||
      !file.Contains(headers.sectionTable, headers.sectionCount * kSectionHeaderSize)) {
    return std::nullopt;
  }
  std::vector<PeSection> sections;
  for (std::uint64_t i = 0; i < headers.sectionCount; ++i) {
    const std::uint64_t at = headers.sectionTable + i * kSectionHeaderSize;
    sections.push_back({file.U32(at + 12), file.U32(at + 8), file.U32(at + 20), file.U32(at + 16)});
  }
  return sections;
}

char16_t UpperCaseUnit(char16_t c) {
  const bool shiftsBy20 = (c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ||
                          (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) || (c >= 0x430 && c <= 0x44F);
  if (shiftsBy20) return static_cast<char16_t>(c - 0x20);
  if (c == 0x3C2) return 0x3A3;  // final sigma
  if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
  return c;
}

ResourceName Normalised(const ResourceName& name) {
  return name.id ? ResourceName::Id(*name.id) : ResourceName::Named(name.name);
}

bool IsAncestor(const std::vector<std::uint32_t>& ancestors, std::uint32_t offset) {
  return std::find(ancestors.begin(), ancestors.end(), offset) != ancestors.end();
}

// The length of the name a field stands for (0 for an id), or nothing when a string name lies
// outside the tree or is longer than any real one.
std::optional<std::uint16_t> NameLength(const ByteView& tree, std::uint32_t field) {
  if ((field & kHighBit) == 0) return std::uint16_t{0};
  const std::uint64_t at = field & ~kHighBit;
  if (!tree.Contains(at, 2)) return std::nullopt;
  const std::uint16_t length = tree.U16(at);
  if (length > kMaxNameLength || !tree.Contains(at + 2, std::uint64_t{length} * 2)) {
    return std::nullopt;
  }
  return length;
}

}  // namespace

std::u16string UpperCaseResourceName(std::u16string_view text) {
  std::u16string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), UpperCaseUnit);
  return upper;
}

ResourceName ResourceName::Named(std::u16string_view text) {
  return ResourceName{std::nullopt, UpperCaseResourceName(text)};
}

PeResources::PeResources(std::vector<std::uint8_t> bytes, std::vector<PeSection> sections)
    : bytes_(std::move(bytes)), sections_(std::move(sections)) {}

std::optional<PeResources> PeResources::Parse(std::vector<std::uint8_t> fileBytes) {
  const ByteView file(fileBytes);
  const std::optional<ImageHeaders> headers = ReadHeaders(file);
  if (!headers) return std::nullopt;
  std::optional<std::vector<PeSection>> sections = ReadSections(file, *headers);
  if (!sections) return std::nullopt;
  PeResources resources(std::move(fileBytes), std::move(*sections));
  if (!resources.LocateRoot(headers->resourceRva)) return std::nullopt;
  return resources;
}

bool PeResources::LocateRoot(std::uint32_t rva) {
  const std::optional<std::uint64_t> root = FileOffset(rva, kDirectoryHeaderSize);
  if (!root) return false;
  const PeSection* section = SectionOf(rva);
  rootOffset_ = *root;
  rootEnd_ =
      std::min<std::uint64_t>(std::uint64_t{section->rawOffset} + section->rawSize, bytes_.size());
  return true;
}

std::span<const std::uint8_t> PeResources::Tree() const {
  return std::span(bytes_).subspan(static_cast<std::size_t>(rootOffset_),
                                   static_cast<std::size_t>(rootEnd_ - rootOffset_));
}

const PeSection* PeResources::SectionOf(std::uint32_t rva) const {
  for (const PeSection& section : sections_) {
    const std::uint32_t extent = std::max(section.virtualSize, section.rawSize);
    if (rva >= section.virtualAddress && rva - section.virtualAddress < extent) return &section;
  }
  return nullptr;
}

// Only the part of a section that is stored in the file can be read; the rest of its memory
// image is zero-filled by the loader and has no bytes here.
std::optional<std::uint64_t> PeResources::FileOffset(std::uint32_t rva, std::uint32_t size) const {
  const PeSection* section = SectionOf(rva);
  if (section == nullptr) return std::nullopt;
  const std::uint64_t inside = rva - section->virtualAddress;
  if (inside + size > section->rawSize) return std::nullopt;
  const std::uint64_t offset = section->rawOffset + inside;
  if (!ByteView(bytes_).Contains(offset, size)) return std::nullopt;
  return offset;
}

std::optional<std::vector<PeResources::Entry>> PeResources::Directory(std::uint32_t offset) const {
  const ByteView tree(Tree());
  if (!tree.Contains(offset, kDirectoryHeaderSize)) return std::nullopt;
  const std::uint64_t count = std::uint64_t{tree.U16(offset + 12)} + tree.U16(offset + 14);
  const std::uint64_t first = offset + kDirectoryHeaderSize;
  if (!tree.Contains(first, count * kDirectoryEntrySize)) return std::nullopt;
  std::vector<Entry> entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::uint64_t at = first + i * kDirectoryEntrySize;
    const std::uint32_t name = tree.U32(at);
    const std::uint32_t target = tree.U32(at + 4);
    if (NameLength(tree, name))
      entries.push_back({name, target & ~kHighBit, (target & kHighBit) != 0});
  }
  return entries;
}

// A name field holds either an id or, with its high bit set, the offset of a counted UTF-16
// string.
std::optional<ResourceName> PeResources::ReadName(std::uint32_t field) const {
  if ((field & kHighBit) == 0) return ResourceName::Id(static_cast<std::uint16_t>(field));
  const ByteView tree(Tree());
  const std::optional<std::uint16_t> length = NameLength(tree, field);
  if (!length) return std::nullopt;
  const std::uint64_t at = (field & ~kHighBit) + 2;
  std::u16string text(*length, u'\0');
  for (std::uint64_t i = 0; i < *length; ++i) text[i] = UpperCaseUnit(tree.U16(at + i * 2));
  return ResourceName{std::nullopt, std::move(text)};
}

// Compares in place: a name is never copied to be looked at.
bool PeResources::NameIs(std::uint32_t field, const ResourceName& name) const {
  if ((field & kHighBit) == 0) return name.id == static_cast<std::uint16_t>(field);
  if (name.id) return false;
  const ByteView tree(Tree());
  const std::optional<std::uint16_t> length = NameLength(tree, field);
  if (!length || *length != name.name.size()) return false;
  const std::uint64_t at = (field & ~kHighBit) + 2;
  for (std::uint64_t i = 0; i < *length; ++i) {
    if (UpperCaseUnit(tree.U16(at + i * 2)) != name.name[i]) return false;
  }
  return true;
}

// The subdirectory called `name` inside the last of `ancestors`; an offset that leads back to
// any ancestor would make the tree a loop and is refused.
std::optional<std::uint32_t> PeResources::Subdirectory(const std::vector<std::uint32_t>& ancestors,
                                                       const ResourceName& name) const {
  const std::optional<std::vector<Entry>> entries = Directory(ancestors.back());
  if (!entries) return std::nullopt;
  for (const Entry& entry : *entries) {
    if (!NameIs(entry.nameField, name)) continue;
    if (!entry.isDirectory || IsAncestor(ancestors, entry.target)) return std::nullopt;
    return entry.target;
  }
  return std::nullopt;
}

std::vector<ResourceName> PeResources::ChildNames(
    const std::vector<std::uint32_t>& ancestors) const {
  std::vector<ResourceName> names;
  const std::optional<std::vector<Entry>> entries = Directory(ancestors.back());
  if (!entries) return names;
  std::uint64_t listedUnits = 0;
  for (const Entry& entry : *entries) {
    if (!entry.isDirectory || IsAncestor(ancestors, entry.target)) continue;
    std::optional<ResourceName> name = ReadName(entry.nameField);
    if (!name) continue;
    listedUnits += name->name.size() + 1;
    if (listedUnits > kMaxListedNameUnits) break;
    names.push_back(std::move(*name));
  }
  return names;
}

std::vector<ResourceName> PeResources::Types() const {
  return ChildNames({0});
}

std::vector<ResourceName> PeResources::Names(std::uint16_t type) const {
  const std::optional<std::uint32_t> names = Subdirectory({0}, ResourceName::Id(type));
  if (!names) return {};
  return ChildNames({0, *names});
}

std::optional<std::span<const std::uint8_t>> PeResources::Find(std::uint16_t type,
                                                               const ResourceName& name) const {
  const std::optional<std::uint32_t> names = Subdirectory({0}, ResourceName::Id(type));
  if (!names) return std::nullopt;
  const std::optional<std::uint32_t> languages = Subdirectory({0, *names}, Normalised(name));
  if (!languages) return std::nullopt;
  const std::optional<std::vector<Entry>> entries = Directory(*languages);
  if (!entries || entries->empty() || entries->front().isDirectory) return std::nullopt;
  return Data(entries->front().target);
}

std::optional<std::span<const std::uint8_t>> PeResources::Data(std::uint32_t dataEntry) const {
  const ByteView tree(Tree());
  if (!tree.Contains(dataEntry, kDataEntrySize)) return std::nullopt;
  const std::uint32_t size = tree.U32(dataEntry + 4);
  const std::optional<std::uint64_t> offset = FileOffset(tree.U32(dataEntry), size);
  if (!offset) return std::nullopt;
  return ByteView(bytes_).Slice(*offset, size);
}

}  // namespace qav::readers
