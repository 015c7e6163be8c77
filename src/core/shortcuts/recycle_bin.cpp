#include "core/shortcuts/recycle_bin.h"

#include <cmath>
#include <cstdint>

namespace qav {
namespace {

constexpr const char* kEmptyQuestion = "\r\nDo you want to empty Recycle Bin?";

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
  const std::string now = " Items) right now.";
  if (huge)
    return {std::string("Your Recycle Bin consumes over 2GB right now!") + kEmptyQuestion, true};
  if (low >= 1048576) {
    return {"Your Recycle Bin consumes " + FormatGrouped(low / 1048576.0, decimalPoint, thousands) +
                "MB (" + items + now + kEmptyQuestion,
            true};
  }
  if (low >= 1024) {
    return {"Your Recycle Bin consumes " + FormatPlain(low / 1024.0, decimalPoint) + "KB (" +
                items + now + kEmptyQuestion,
            true};
  }
  if (low > 0) {
    return {"Your Recycle Bin consumes " + std::to_string(low) + " Bytes (" + items + now +
                kEmptyQuestion,
            true};
  }
  if (static_cast<std::uint32_t>(status.items) > 0) {
    return {"Your Recycle Bin consumes 0 Byte (" + items + now + kEmptyQuestion, true};
  }
  return {"Your Recycle Bin consumes 0 Byte (" + items + " Item) right now.", false};
}

}  // namespace qav
