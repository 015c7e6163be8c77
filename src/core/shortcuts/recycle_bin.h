#pragma once
// The recycle bin's status message and the number format it uses.

#include <string>

#include "base/ui_text.h"
#include "platform/trash.h"

namespace qav {

// "#,###,##0.##": thousands grouped, at most two decimals, trailing zeros dropped; the decimal
// separator stays even when no decimals are left ("12." for exactly twelve).
std::string FormatGrouped(double value, const std::string& decimalPoint,
                          const std::string& thousands);
// "##0.##": the same without grouping.
std::string FormatPlain(double value, const std::string& decimalPoint);

struct BinReport {
  std::string text;          // in English
  bool asksToEmpty = false;  // Yes/No question; otherwise an information box
  FilledText filled = {};    // how `text` was made, for the windows to translate
};

// The status message for the bin's contents, with the locale's separators.
BinReport RecycleBinReport(const platform::TrashStatus& status, const std::string& decimalPoint,
                           const std::string& thousands);

// True when the bin holds anything.
bool IsRecycleBinFull(const platform::TrashStatus& status);

}  // namespace qav
