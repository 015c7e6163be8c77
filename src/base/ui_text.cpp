#include "base/ui_text.h"

namespace qav {

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& parts) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    const bool marker =
        c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
    const auto index = marker ? static_cast<std::size_t>(pattern[i + 1] - '1') : parts.size();
    if (index < parts.size()) {
      out += parts[index];
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace qav
