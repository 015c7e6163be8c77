#include "core/shortcuts/recycle_bin.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace qav {
namespace {

std::string Fraction(double value, long long& whole) {
  const long long hundredths = std::llround(value * 100.0);
  whole = hundredths / 100;
  std::string digits = std::to_string(hundredths % 100);
  if (digits.size() < 2) digits.insert(0, 1, '0');
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  return digits;
}

std::string Grouped(long long whole, const std::string& thousands) {
  std::string digits = std::to_string(whole);
  if (thousands.empty()) return digits;
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), thousands);
  }
  return digits;
}

BinReport Report(FilledText text, bool asksToEmpty) {
  std::string english = English(text);
  return {std::move(english), asksToEmpty, std::move(text)};
}

}  // namespace

std::string FormatGrouped(double value, const std::string& decimalPoint,
                          const std::string& thousands) {
  long long whole = 0;
  const std::string fraction = Fraction(value, whole);
  return Grouped(whole, thousands) + decimalPoint + fraction;
}

std::string FormatPlain(double value, const std::string& decimalPoint) {
  return FormatGrouped(value, decimalPoint, "");
}

bool IsRecycleBinFull(const platform::TrashStatus& status) {
  return status.bytes > 0 || status.items > 0;
}

BinReport RecycleBinReport(const platform::TrashStatus& status, const std::string& decimalPoint,
                           const std::string& thousands) {
  const std::string items = std::to_string(static_cast<std::uint32_t>(status.items));
  const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(status.bytes));
  const bool huge = low < 0 || (status.bytes >> 32) > 0;
  if (huge) {
    return Report({QAV_TEXT("Core",
                            "Your Recycle Bin consumes over 2GB right now!\r\n"
                            "Do you want to empty Recycle Bin?")},
                  true);
  }
  if (low >= 1048576) {
    return Report({QAV_TEXT("Core",
                            "Your Recycle Bin consumes %1MB (%2 Items) right now.\r\n"
                            "Do you want to empty Recycle Bin?"),
                   {FormatGrouped(low / 1048576.0, decimalPoint, thousands), items}},
                  true);
  }
  if (low >= 1024) {
    return Report({QAV_TEXT("Core",
                            "Your Recycle Bin consumes %1KB (%2 Items) right now.\r\n"
                            "Do you want to empty Recycle Bin?"),
                   {FormatPlain(low / 1024.0, decimalPoint), items}},
                  true);
  }
  if (low > 0) {
    return Report({QAV_TEXT("Core",
                            "Your Recycle Bin consumes %1 Bytes (%2 Items) right now.\r\n"
                            "Do you want to empty Recycle Bin?"),
                   {std::to_string(low), items}},
                  true);
  }
  if (static_cast<std::uint32_t>(status.items) > 0) {
    return Report({QAV_TEXT("Core",
                            "Your Recycle Bin consumes 0 Byte (%1 Items) right now.\r\n"
                            "Do you want to empty Recycle Bin?"),
                   {items}},
                  true);
  }
  return Report(
      {QAV_TEXT("Core", "Your Recycle Bin consumes 0 Byte (%1 Item) right now."), {items}}, false);
}

}  // namespace qav
