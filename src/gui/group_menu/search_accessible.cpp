#include "gui/group_menu/search_accessible.h"

#include <QCoreApplication>

#include "gui/graphics/accessible_surface.h"
#include "gui/group_menu/search_window.h"

namespace qav {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

class SearchAccessible final : public AccessibleSurface {
 public:
  explicit SearchAccessible(SearchWindow* search)
      : AccessibleSurface(search, QAccessible::List, QAccessible::ListItem), search_(search) {}

  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name) return AccessibleSurface::text(kind);
    return QCoreApplication::translate("SearchWindow", "Search, %1")
        .arg(Text(search_->CountText()));
  }

  // The line, then every result.
  int ItemCount() const override {
    return search_->SearchShown() ? static_cast<int>(search_->Hits().size()) + 1 : 0;
  }

  DrawnItem Item(int index) const override {
    DrawnItem item;
    const search::ResultCursor& cursor = search_->Cursor();
    if (index == 0) {
      const MenuGeometry& line = search_->LineGeometry();
      item.role = QAccessible::EditableText;
      item.name = QCoreApplication::translate("SearchWindow", "Search");
      item.description =
          Text(search_->Query().empty() ? search_->CountText()
                                        : search_->Query() + ", " + search_->CountText());
      item.rect = QRect(line.x, line.y, kMenuWidth, line.Height());
      item.focused = cursor.Highlighted() < 0;
      return item;
    }
    const int result = index - 1;
    const search::Candidate& c = search_->ResultAt(result);
    item.name = Text(c.title);
    item.description = Text(c.origin);
    const std::string letter = MenuAccelerator(result + 1);
    if (!letter.empty()) {
      item.keyBinding = QCoreApplication::translate("SearchWindow", "Alt+%1").arg(Text(letter));
    }
    item.focused = cursor.Highlighted() == result;
    const int row = result - cursor.Top() + 1;
    if (row >= 1 && row <= cursor.ShownRows()) {
      const MenuRect& r = search_->ResultGeometry().rects[static_cast<std::size_t>(row)];
      item.rect = QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    return item;
  }

  std::function<void()> Action(int index, bool) const override {
    if (index < 1) return {};
    SearchWindow* search = search_;
    return [search, result = index - 1] { search->Run(result); };
  }

 private:
  SearchWindow* search_;
};

QAccessibleInterface* SearchAccessibleFactory(const QString&, QObject* object) {
  auto* search = dynamic_cast<SearchWindow*>(object);
  return search == nullptr ? nullptr : new SearchAccessible(search);
}

}  // namespace

void InstallSearchAccessibility() {
  QAccessible::installFactory(SearchAccessibleFactory);
}

void AnnounceResults(SearchWindow& search) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent name(&search, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  QAccessibleEvent description(&search, QAccessible::DescriptionChanged);
  description.setChild(0);
  QAccessible::updateAccessibility(&description);
  ReportResultFocus(search);
}

void ReportResultFocus(SearchWindow& search) {
  const int highlighted = search.Cursor().Highlighted();
  ReportItemFocus(&search, highlighted < 0 ? 0 : highlighted + 1);
}

}  // namespace qav
