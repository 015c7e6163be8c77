#include "platform/windows/win_registry.h"

#include <windows.h>

#include "platform/files/wide_text.h"
#include "platform/windows/system_message.h"

namespace qav::platform {
namespace {

// A value larger than this is not one the program stores or reads.
constexpr DWORD kMaxValueBytes = 1u << 20;

// The predefined keys by their 32-bit numbers. HKEY_CURRENT_USER and the others are negative
// numbers widened to a pointer, so the widening has to go through LONG.
HKEY RootKey(std::uint32_t root) {
  switch (root) {
    case 0x80000000u:
    case 0x80000001u:
    case 0x80000002u:
    case 0x80000003u:
    case 0x80000005u:
      return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    default:
      return nullptr;
  }
}

bool IsText(RegType type) {
  return type == RegType::kString || type == RegType::kExpandString ||
         type == RegType::kMultiString;
}

// A string value's UTF-16 code units as UTF-8. A plain string ends at its first NUL and gets
// exactly one; a multi-string keeps its inner NULs and ends with two.
std::vector<std::uint8_t> TextToUtf8(RegType type, const std::vector<std::uint8_t>& raw) {
  std::wstring wide(raw.size() / sizeof(wchar_t), L'\0');
  std::copy(raw.begin(), raw.begin() + static_cast<std::ptrdiff_t>(wide.size() * sizeof(wchar_t)),
            reinterpret_cast<std::uint8_t*>(wide.data()));
  if (type == RegType::kMultiString) {
    while (!wide.empty() && wide.back() == L'\0') wide.pop_back();
    wide.append(2, L'\0');
  } else {
    wide.resize(std::min(wide.find(L'\0'), wide.size()));
    wide.push_back(L'\0');
  }
  const std::string narrow = WideToUtf8(wide);
  return {narrow.begin(), narrow.end()};
}

// The reverse: the UTF-8 text (its NULs included) as UTF-16 with the terminators the type needs.
std::vector<std::uint8_t> TextToWide(RegType type, const std::vector<std::uint8_t>& narrow) {
  std::wstring wide =
      Utf8ToWide(std::string_view(reinterpret_cast<const char*>(narrow.data()), narrow.size()));
  while (!wide.empty() && wide.back() == L'\0') wide.pop_back();
  wide.append(type == RegType::kMultiString ? 2 : 1, L'\0');
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(wide.data());
  return {bytes, bytes + wide.size() * sizeof(wchar_t)};
}

class OpenKey {
 public:
  OpenKey() = default;
  ~OpenKey() {
    if (key_) ::RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY* Out() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

std::optional<RegData> WinRegistry::Query(std::uint32_t root, const std::string& subKey,
                                          const std::string& name) {
  const HKEY rootKey = RootKey(root);
  if (!rootKey) return std::nullopt;
  OpenKey key;
  if (::RegOpenKeyExW(rootKey, Utf8ToWide(subKey).c_str(), 0, KEY_QUERY_VALUE, key.Out()) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  const std::wstring valueName = Utf8ToWide(name);
  std::vector<std::uint8_t> raw(256);
  DWORD type = 0;
  for (;;) {
    auto size = static_cast<DWORD>(raw.size());
    const LSTATUS status =
        ::RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type, raw.data(), &size);
    if (status == ERROR_SUCCESS) {
      raw.resize(size);
      break;
    }
    // The value may grow between the two calls; ask again with the size just reported.
    if (status != ERROR_MORE_DATA || size > kMaxValueBytes) return std::nullopt;
    raw.resize(size);
  }
  RegData data{static_cast<RegType>(type), std::move(raw)};
  if (IsText(data.type)) data.bytes = TextToUtf8(data.type, data.bytes);
  return data;
}

Result WinRegistry::Set(std::uint32_t root, const std::string& subKey, const std::string& name,
                        const RegData& data) {
  const auto fail = [&](DWORD status) {
    return RegistryFailure("cannot store", subKey, name, SystemMessage(status));
  };
  const HKEY rootKey = RootKey(root);
  if (!rootKey) return fail(ERROR_INVALID_HANDLE);
  OpenKey key;
  const LSTATUS opened =
      ::RegCreateKeyExW(rootKey, Utf8ToWide(subKey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, key.Out(), nullptr);
  if (opened != ERROR_SUCCESS) return fail(static_cast<DWORD>(opened));
  const std::vector<std::uint8_t> stored =
      IsText(data.type) ? TextToWide(data.type, data.bytes) : data.bytes;
  if (stored.size() > kMaxValueBytes) return fail(ERROR_INVALID_PARAMETER);
  const LSTATUS set =
      ::RegSetValueExW(key.Get(), Utf8ToWide(name).c_str(), 0, static_cast<DWORD>(data.type),
                       stored.data(), static_cast<DWORD>(stored.size()));
  if (set != ERROR_SUCCESS) return fail(static_cast<DWORD>(set));
  return Result::Success();
}

Result WinRegistry::Delete(std::uint32_t root, const std::string& subKey, const std::string& name) {
  const auto fail = [&](DWORD status) {
    return RegistryFailure("cannot remove", subKey, name, SystemMessage(status));
  };
  const HKEY rootKey = RootKey(root);
  if (!rootKey) return fail(ERROR_INVALID_HANDLE);
  OpenKey key;
  const LSTATUS opened =
      ::RegOpenKeyExW(rootKey, Utf8ToWide(subKey).c_str(), 0, KEY_SET_VALUE, key.Out());
  if (opened != ERROR_SUCCESS) return fail(static_cast<DWORD>(opened));
  const LSTATUS deleted = ::RegDeleteValueW(key.Get(), Utf8ToWide(name).c_str());
  if (deleted != ERROR_SUCCESS) return fail(static_cast<DWORD>(deleted));
  return Result::Success();
}

}  // namespace qav::platform
