#include "platform/linux/file_registry.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <iterator>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "base/text.h"
#include "platform/files/bounded_read.h"
#include "platform/linux/posix_file_ops.h"

namespace qav::platform {
namespace {

constexpr char kCannotStore[] = "cannot store";
constexpr char kCannotRemove[] = "cannot remove";
constexpr char kUnknownRoot[] = "the root key is not one of the registry's";
constexpr char kNoSuchValue[] = "there is no such value";

constexpr std::uint32_t kFirstRoot = 0x80000000u;
constexpr std::array<std::string_view, 7> kRootNames = {
    "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};

constexpr std::string_view kBanner =
    "; QAV Launcher settings store. Safe to edit while the launcher is not running.";
constexpr std::string_view kHexDigits = "0123456789abcdef";
// Characters a quoted string writes as a backslash and the letter at the same place.
constexpr std::string_view kEscapedChars = "\\\"\n\r\t";
constexpr std::string_view kEscapeLetters = "\\\"nrt";

// ---- Text of one value ----------------------------------------------------------------------

std::optional<std::string_view> RootName(std::uint32_t root) {
  if (root < kFirstRoot || root - kFirstRoot >= kRootNames.size()) return std::nullopt;
  return kRootNames[root - kFirstRoot];
}

std::optional<std::uint32_t> RootHandle(std::string_view name) {
  for (std::size_t i = 0; i < kRootNames.size(); ++i) {
    if (EqualsIgnoreCase(name, kRootNames[i])) {
      return kFirstRoot + static_cast<std::uint32_t>(i);
    }
  }
  return std::nullopt;
}

void AppendHexByte(std::string& out, unsigned char byte) {
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0xF];
}

// A byte of a quoted string: printable ASCII as it is, the common control characters and the
// quote and backslash as two-character escapes, anything else as \xHH.
void AppendEscapedByte(std::string& out, unsigned char byte) {
  const auto escape = kEscapedChars.find(static_cast<char>(byte));
  if (escape != std::string_view::npos) {
    out += '\\';
    out += kEscapeLetters[escape];
  } else if (byte >= 0x20 && byte < 0x7F) {
    out += static_cast<char>(byte);
  } else {
    out += "\\x";
    AppendHexByte(out, byte);
  }
}

// A quoted string. UTF-8 text is written as it is and any byte outside it escaped, so that the
// file stays UTF-8 and every byte comes back.
std::string QuoteText(std::string_view text) {
  std::string out = "\"";
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, pos);
    if (length > 1) {
      out.append(text.substr(pos, length));
      pos += length;
    } else {
      AppendEscapedByte(out, static_cast<unsigned char>(text[pos++]));
    }
  }
  return out + '"';
}

std::string BytesText(const RegData& data) {
  return {data.bytes.begin(), data.bytes.end()};
}

// Most significant byte first, as a DWORD is read.
std::string DwordDigits(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  for (std::size_t i = bytes.size(); i-- > 0;) AppendHexByte(out, bytes[i]);
  return out;
}

std::string HexList(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) out += ',';
    AppendHexByte(out, bytes[i]);
  }
  return out;
}

// The items of a multi-string are the NUL-separated parts of its text.
std::string QuotedItems(std::string_view text) {
  std::string out;
  for (std::size_t start = 0; !text.empty() && start <= text.size();) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    if (start > 0) out += ',';
    out += QuoteText(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

std::string RenderData(const RegData& data) {
  switch (data.type) {
    case RegType::kString:
      return QuoteText(BytesText(data));
    case RegType::kExpandString:
      return "expand:" + QuoteText(BytesText(data));
    case RegType::kDword:
      return "dword:" + DwordDigits(data.bytes);
    case RegType::kBinary:
      return "hex:" + HexList(data.bytes);
    case RegType::kMultiString:
      return "multi:" + QuotedItems(BytesText(data));
  }
  return {};
}

// ---- Reading a value line -------------------------------------------------------------------

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  char Next() { return text_[pos_++]; }
  bool Take(char c) {
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  // Takes `word` when the text goes on with it, in any letter case.
  bool TakeWord(std::string_view word) {
    if (!EqualsIgnoreCase(text_.substr(pos_, word.size()), word)) return false;
    pos_ += word.size();
    return true;
  }
  void SkipSpaces() {
    while (Peek() == ' ' || Peek() == '\t') ++pos_;
  }
  // A hexadecimal number of `minDigits` to `maxDigits` digits.
  std::optional<std::uint32_t> TakeHex(std::size_t minDigits, std::size_t maxDigits) {
    std::uint32_t value = 0;
    std::size_t digits = 0;
    for (; digits < maxDigits && !AtEnd(); ++digits) {
      const char c = Peek();  // bytes past ASCII stay out of the C library's case tables
      const auto digit = kHexDigits.find(c >= 'A' && c <= 'F' ? static_cast<char>(c + 32) : c);
      if (digit == std::string_view::npos) break;
      value = (value << 4) | static_cast<std::uint32_t>(digit);
      ++pos_;
    }
    if (digits < minDigits) return std::nullopt;
    return value;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The escape after a backslash; false for one this store never writes.
bool TakeEscape(Cursor& in, std::string& out) {
  if (in.AtEnd()) return false;
  const char letter = in.Next();
  if (const auto escape = kEscapeLetters.find(letter); escape != std::string_view::npos) {
    out += kEscapedChars[escape];
    return true;
  }
  const auto byte = letter == 'x' ? in.TakeHex(2, 2) : std::nullopt;
  if (byte) out += static_cast<char>(*byte);
  return byte.has_value();
}

std::optional<std::string> TakeQuoted(Cursor& in) {
  if (!in.Take('"')) return std::nullopt;
  std::string out;
  while (!in.AtEnd()) {
    const char c = in.Next();
    if (c == '"') return out;
    if (c != '\\') {
      out += c;
    } else if (!TakeEscape(in, out)) {
      return std::nullopt;
    }
  }
  return std::nullopt;  // the closing quote is missing
}

std::optional<RegData> TakeText(Cursor& in, RegType type) {
  auto text = TakeQuoted(in);
  if (!text) return std::nullopt;
  return RegData{type, {text->begin(), text->end()}};
}

std::optional<RegData> TakeDword(Cursor& in) {
  const auto number = in.TakeHex(1, 8);
  if (!number) return std::nullopt;
  RegData data{RegType::kDword, {}};
  for (int i = 0; i < 4; ++i) data.bytes.push_back(static_cast<std::uint8_t>(*number >> (8 * i)));
  return data;
}

// Comma-separated items, each read by `takeItem`; an empty list is allowed.
template <typename TakeItem>
bool TakeList(Cursor& in, TakeItem takeItem) {
  in.SkipSpaces();
  if (in.AtEnd()) return true;
  do {
    in.SkipSpaces();
    if (!takeItem()) return false;
    in.SkipSpaces();
  } while (in.Take(','));
  return true;
}

std::optional<RegData> TakeBinary(Cursor& in) {
  RegData data{RegType::kBinary, {}};
  const bool ok = TakeList(in, [&] {
    const auto byte = in.TakeHex(1, 2);
    if (byte) data.bytes.push_back(static_cast<std::uint8_t>(*byte));
    return byte.has_value();
  });
  if (!ok) return std::nullopt;
  return data;
}

std::optional<RegData> TakeMulti(Cursor& in) {
  std::string joined;
  bool first = true;
  const bool ok = TakeList(in, [&] {
    const auto item = TakeQuoted(in);
    if (!first) joined += '\0';
    first = false;
    if (item) joined += *item;
    return item.has_value();
  });
  if (!ok) return std::nullopt;
  return RegData{RegType::kMultiString, {joined.begin(), joined.end()}};
}

std::optional<RegData> TakeData(Cursor& in) {
  if (in.Peek() == '"') return TakeText(in, RegType::kString);
  if (in.TakeWord("expand:")) return TakeText(in, RegType::kExpandString);
  if (in.TakeWord("dword:")) return TakeDword(in);
  if (in.TakeWord("hex:")) return TakeBinary(in);
  if (in.TakeWord("multi:")) return TakeMulti(in);
  return std::nullopt;
}

struct Value {
  std::string name;
  RegData data;
};

// `"name"=data`, with blanks allowed around the parts; nothing for any other line.
std::optional<Value> ParseValueLine(std::string_view line) {
  Cursor in(line);
  in.SkipSpaces();
  auto name = TakeQuoted(in);
  if (!name) return std::nullopt;
  in.SkipSpaces();
  if (!in.Take('=')) return std::nullopt;
  in.SkipSpaces();
  auto data = TakeData(in);
  in.SkipSpaces();
  if (!data || !in.AtEnd()) return std::nullopt;
  return Value{std::move(*name), std::move(*data)};
}

// ---- The whole file -------------------------------------------------------------------------

// One line of a section. Lines that are not values (comments, blank lines, anything this
// version does not understand) keep their text and are written back unchanged.
struct Line {
  std::string text;
  std::optional<Value> value;
};

struct Section {
  std::string header;                 // as written
  std::optional<std::uint32_t> root;  // nothing for a root this store does not know
  std::string subKey;
  std::vector<Line> lines;
};

struct Document {
  std::vector<std::string> preamble;  // lines before the first section
  std::vector<Section> sections;
};

bool IsBlank(std::string_view text) {
  return Trim(text).empty();
}

std::optional<Section> ParseHeader(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']') return std::nullopt;
  const std::string_view path = trimmed.substr(1, trimmed.size() - 2);
  const auto cut = path.find('\\');
  const std::string subKey = cut == std::string_view::npos ? "" : std::string(path.substr(cut + 1));
  return Section{std::string(line), RootHandle(path.substr(0, cut)), subKey, {}};
}

Document ParseDocument(std::string_view text) {
  Document doc;
  // Some editors start a UTF-8 file with a byte order mark; it would hide a first header.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  while (!text.empty()) {
    const auto end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (auto section = ParseHeader(line)) {
      doc.sections.push_back(std::move(*section));
    } else if (doc.sections.empty()) {
      doc.preamble.emplace_back(line);
    } else {
      doc.sections.back().lines.push_back({std::string(line), ParseValueLine(line)});
    }
  }
  return doc;
}

std::string RenderDocument(const Document& doc) {
  std::string out;
  for (const auto& line : doc.preamble) out += line + '\n';
  for (const auto& section : doc.sections) {
    out += section.header + '\n';
    for (const auto& line : section.lines) out += line.text + '\n';
  }
  return out;
}

// The parsed file; an empty one when there is no file, nothing when it cannot be read.
std::optional<Document> LoadDocument(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) return Document{};
  const auto text = ReadWholeTextFile(path, kMaxSmallTextFileBytes);
  if (!text) return std::nullopt;
  return ParseDocument(*text);
}

bool SectionIs(const Section& section, std::uint32_t root, std::string_view subKey) {
  return section.root == root && EqualsIgnoreCase(section.subKey, subKey);
}

struct Place {
  std::size_t section;
  std::size_t line;
};

// Every line defining the value, in file order. A hand-edited file may define it twice; like a
// ".reg" import, the last definition counts.
std::vector<Place> FindValue(const Document& doc, std::uint32_t root, std::string_view subKey,
                             std::string_view name) {
  std::vector<Place> places;
  for (std::size_t s = 0; s < doc.sections.size(); ++s) {
    if (!SectionIs(doc.sections[s], root, subKey)) continue;
    const auto& lines = doc.sections[s].lines;
    for (std::size_t l = 0; l < lines.size(); ++l) {
      if (lines[l].value && EqualsIgnoreCase(lines[l].value->name, name)) {
        places.push_back({s, l});
      }
    }
  }
  return places;
}

void EraseLines(Document& doc, const std::vector<Place>& places) {
  for (auto it = places.rbegin(); it != places.rend(); ++it) {
    auto& lines = doc.sections[it->section].lines;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(it->line));
  }
}

Line MakeLine(Value value) {
  std::string text = QuoteText(value.name) + '=' + RenderData(value.data);
  return {std::move(text), std::move(value)};
}

// Adds a section at the end of the file, set off from what is before it by a blank line.
Section& AppendSection(Document& doc, std::uint32_t root, const std::string& subKey) {
  if (doc.preamble.empty() && doc.sections.empty()) doc.preamble.emplace_back(kBanner);
  if (doc.sections.empty()) {
    if (!IsBlank(doc.preamble.back())) doc.preamble.emplace_back();
  } else if (auto& lines = doc.sections.back().lines;
             lines.empty() || !IsBlank(lines.back().text)) {
    lines.push_back({});
  }
  std::string header = "[";
  header.append(*RootName(root)).append("\\").append(subKey).append("]");
  doc.sections.push_back({header, root, subKey, {}});
  return doc.sections.back();
}

// A new value goes after the last non-blank line of its key's (last) section.
void AppendValue(Document& doc, std::uint32_t root, const std::string& subKey, Value value) {
  auto section = std::find_if(doc.sections.rbegin(), doc.sections.rend(),
                              [&](const Section& s) { return SectionIs(s, root, subKey); });
  Section& target = section != doc.sections.rend() ? *section : AppendSection(doc, root, subKey);
  auto& lines = target.lines;
  auto end = lines.end();
  while (end != lines.begin() && IsBlank((end - 1)->text)) --end;
  lines.insert(end, MakeLine(std::move(value)));
}

void StoreValue(Document& doc, std::uint32_t root, const std::string& subKey, Value value) {
  std::vector<Place> places = FindValue(doc, root, subKey, value.name);
  if (places.empty()) {
    AppendValue(doc, root, subKey, std::move(value));
    return;
  }
  // Replaced in place under the name as first written; older duplicates go.
  const Place last = places.back();
  Line& line = doc.sections[last.section].lines[last.line];
  value.name = line.value->name;
  line = MakeLine(std::move(value));
  places.pop_back();
  EraseLines(doc, places);
}

void DropEmptySections(Document& doc, std::uint32_t root, std::string_view subKey) {
  std::erase_if(doc.sections, [&](const Section& section) {
    return SectionIs(section, root, subKey) &&
           std::all_of(section.lines.begin(), section.lines.end(),
                       [](const Line& line) { return IsBlank(line.text); });
  });
}

// The value as the file holds it: strings without any terminating NUL, a DWORD as 4 bytes.
std::optional<RegData> StoredForm(const RegData& data) {
  switch (data.type) {
    case RegType::kDword:
      if (data.bytes.size() != 4) return std::nullopt;
      return data;
    case RegType::kBinary:
      return data;
    case RegType::kString:
    case RegType::kExpandString:
    case RegType::kMultiString: {
      RegData stored = data;
      while (!stored.bytes.empty() && stored.bytes.back() == 0) stored.bytes.pop_back();
      return stored;
    }
  }
  return std::nullopt;
}

// A key path has to fit on its header line and keep the file UTF-8.
bool IsStorableKey(std::string_view subKey) {
  return IsValidUtf8(subKey) && std::none_of(subKey.begin(), subKey.end(), [](char c) {
           return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
         });
}

std::filesystem::path FollowLink(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  const auto target = std::filesystem::read_symlink(path, error);
  if (error) return path;
  return target.is_absolute() ? target : path.parent_path() / target;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, const std::string& text) {
  const std::filesystem::path target = FollowLink(path);
  // Every start stores the same values again: a file that holds them already stays untouched.
  if (ReadWholeTextFile(target.string(), std::max(text.size(), std::size_t{1})) == text) {
    return true;
  }
  std::error_code error;
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);
  PosixFileOps files;
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  return WriteAtomically(files, target.string(), bytes);
}

FileRegistry::FileRegistry(std::string filePath) : filePath_(std::move(filePath)) {}

std::optional<RegData> FileRegistry::Query(std::uint32_t root, const std::string& subKey,
                                           const std::string& name) {
  const auto doc = LoadDocument(filePath_);
  if (!doc) return std::nullopt;
  const auto places = FindValue(*doc, root, subKey, name);
  if (places.empty()) return std::nullopt;
  RegData data = doc->sections[places.back().section].lines[places.back().line].value->data;
  // Strings read back with their terminating NUL, as the Windows registry returns them.
  if (data.type != RegType::kDword && data.type != RegType::kBinary) data.bytes.push_back(0);
  return data;
}

Result FileRegistry::Set(std::uint32_t root, const std::string& subKey, const std::string& name,
                         const RegData& data) {
  const auto fail = [&](const std::string& why) {
    return RegistryFailure(kCannotStore, subKey, name, why);
  };
  if (!RootName(root)) return fail(kUnknownRoot);
  auto stored = StoredForm(data);
  if (!stored) return fail("the data do not fit the value's type");
  if (!IsStorableKey(subKey)) return fail("the key's name holds control characters or no UTF-8");
  auto doc = LoadDocument(filePath_);
  // A file that exists but cannot be read is never replaced: that would lose its contents.
  if (!doc) return fail("cannot read " + filePath_);
  StoreValue(*doc, root, subKey, {name, std::move(*stored)});
  if (!ReplaceFileContents(filePath_, RenderDocument(*doc)))
    return fail("cannot write " + filePath_);
  return Result::Success();
}

Result FileRegistry::Delete(std::uint32_t root, const std::string& subKey,
                            const std::string& name) {
  const auto fail = [&](const std::string& why) {
    return RegistryFailure(kCannotRemove, subKey, name, why);
  };
  if (!RootName(root)) return fail(kUnknownRoot);
  auto doc = LoadDocument(filePath_);
  if (!doc) return fail("cannot read " + filePath_);
  const auto places = FindValue(*doc, root, subKey, name);
  if (places.empty()) return fail(kNoSuchValue);
  EraseLines(*doc, places);
  DropEmptySections(*doc, root, subKey);
  if (!ReplaceFileContents(filePath_, RenderDocument(*doc)))
    return fail("cannot write " + filePath_);
  return Result::Success();
}

}  // namespace qav::platform
