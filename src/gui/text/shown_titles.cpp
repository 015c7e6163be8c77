#include "gui/text/shown_titles.h"

#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "base/ui_text.h"
#include "core/shortcuts/catalog.h"
#include "core/shortcuts/classification.h"
#include "core/shortcuts/group_editing.h"
#include "gui/text/core_texts.h"

namespace qav {
namespace {

// The one part of `title` that fills the single "%1" of `pattern`, if the title was made so.
std::optional<std::string> FillingOf(std::string_view pattern, std::string_view title) {
  const auto marker = pattern.find("%1");
  if (marker == std::string_view::npos) return std::nullopt;
  const std::string_view head = pattern.substr(0, marker);
  const std::string_view tail = pattern.substr(marker + 2);
  if (title.size() <= head.size() + tail.size() || !title.starts_with(head) ||
      !title.ends_with(tail)) {
    return std::nullopt;
  }
  return std::string(title.substr(head.size(), title.size() - head.size() - tail.size()));
}

// The titles the core makes around a name: the user's documents, a drive without a name of its
// own. The name inside stays as it is.
std::optional<QString> MadeTitle(std::string_view title) {
  std::vector<const char*> patterns(std::begin(kDriveTitles), std::end(kDriveTitles));
  patterns.push_back(kUserDocumentsTitle);
  for (const char* pattern : patterns) {
    if (const auto name = FillingOf(pattern, title)) {
      return QString::fromStdString(FillPattern(CoreText(pattern).toStdString(), {*name}));
    }
  }
  return std::nullopt;
}

QString WholeTitle(std::string_view title) {
  return MadeTitle(title).value_or(CoreText(title));
}

}  // namespace

QString ShownTitle(std::string_view title) {
  for (const std::string_view mark : {kEmptyGroupMark, kFullGroupMark}) {
    if (title.size() <= mark.size() || !title.ends_with(mark)) continue;
    const std::string_view rest = title.substr(0, title.size() - mark.size());
    const std::string_view name = rest.substr(0, rest.find_last_not_of(' ') + 1);
    return WholeTitle(name) + QString::fromStdString(std::string(rest.substr(name.size()))) +
           CoreText(mark);
  }
  return WholeTitle(title);
}

std::string TitleToStore(const std::string& stored, const QString& typed) {
  if (typed == ShownTitle(stored).trimmed()) return std::string(Trim(stored, " "));
  return typed.toStdString();
}

}  // namespace qav
