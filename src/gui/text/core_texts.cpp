#include "gui/text/core_texts.h"

#include <QCoreApplication>

#include <string>
#include <vector>

namespace qav {
namespace {

std::string Translated(std::string_view english) {
  const std::string source(english);
  return QCoreApplication::translate(kCoreTextContext, source.c_str()).toStdString();
}

}  // namespace

QString CoreText(std::string_view english) {
  if (english.empty()) return {};
  return QString::fromStdString(Translated(english));
}

QString CoreText(const FilledText& text) {
  std::vector<std::string> parts;
  parts.reserve(text.parts.size());
  for (const std::string& part : text.parts)
    parts.push_back(part.empty() ? part : Translated(part));
  return QString::fromStdString(FillPattern(Translated(text.pattern), parts));
}

QString MessageText(const platform::MessageRequest& request) {
  return request.filled.pattern.empty() ? CoreText(request.text) : CoreText(request.filled);
}

}  // namespace qav
