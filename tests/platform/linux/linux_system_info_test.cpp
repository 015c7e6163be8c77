// The order titles take in lists: the user's language, letter case and accents set aside.

#include "platform/linux/linux_system_info.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qav::platform {
namespace {

std::vector<std::string> Sorted(LinuxSystemInfo& info, std::vector<std::string> titles) {
  std::stable_sort(
      titles.begin(), titles.end(),
      [&info](const std::string& a, const std::string& b) { return info.CompareTitles(a, b) < 0; });
  return titles;
}

TEST(LinuxSystemInfo, TitlesSortByTheLanguageWithoutCaseOrAccents) {
  LinuxSystemInfo german(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(Sorted(german, {"Zulu Editor", "Äpfel", "apple notes", "Mango Player", "Banane"}),
            (std::vector<std::string>{"Äpfel", "apple notes", "Banane", "Mango Player",
                                      "Zulu Editor"}));  // "Äpf" as "Apf", before "app"
  // The C locale would compare code points ("Z" before "a", "É" after "z"): English order.
  LinuxSystemInfo plain(QLocale::c());
  EXPECT_EQ(Sorted(plain, {"Echo", "zebra", "Éclair", "Eagle", "Tool 10", "Tool 9"}),
            (std::vector<std::string>{"Eagle", "Echo", "Éclair", "Tool 9", "Tool 10", "zebra"}));
  EXPECT_NE(plain.CompareTitles("abc", "ABC"), 0);  // alike titles still have one order
}

}  // namespace
}  // namespace qav::platform
