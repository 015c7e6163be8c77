#include "gui/group_menu/menu_accessible.h"

#include "gui/graphics/accessible_surface.h"
#include "gui/group_menu/group_menu_window.h"
#include "gui/text/shown_titles.h"

namespace qav {
namespace {

// The member (1-based) on the highlighted row, or 0.
int HighlightedMember(GroupMenuWindow& menu) {
  const int row = menu.State().MenuHotRow;
  const MenuGeometry& g = menu.Geometry();
  if (!menu.MenuShown() || row < 1 || row > g.VisibleRows()) return 0;
  return menu.TopIndex() + row;
}

class MenuAccessible final : public AccessibleSurface {
 public:
  explicit MenuAccessible(GroupMenuWindow* menu)
      : AccessibleSurface(menu, QAccessible::PopupMenu, QAccessible::MenuItem), menu_(menu) {}

  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name) return AccessibleSurface::text(kind);
    return Title(menu_->GroupIndex());
  }

  int ItemCount() const override {
    return menu_->MenuShown() ? std::max(static_cast<int>(menu_->ItemRecords().size()) - 1, 0) : 0;
  }

  DrawnItem Item(int index) const override {
    const int member = index + 1;
    DrawnItem item;
    item.name = Title(menu_->ItemRecords()[static_cast<std::size_t>(member)]);
    item.keyBinding = QString::fromStdString(MenuAccelerator(member));
    item.focused = HighlightedMember(*menu_) == member;
    const MenuGeometry& g = menu_->Geometry();
    const int row = member - menu_->TopIndex();
    if (row >= 1 && row <= g.VisibleRows()) {
      const MenuRect& r = g.rects[static_cast<std::size_t>(row)];
      item.rect = QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    return item;
  }

  std::function<void()> Action(int index, bool) const override {
    GroupMenuWindow* menu = menu_;
    return [menu, member = index + 1] {
      if (menu->MenuShown()) menu->MenuClick(member);
    };
  }

 private:
  QString Title(int record) const {
    const auto& shortcuts = menu_->State().tables.Shortcuts;
    if (record < 0 || record >= static_cast<int>(shortcuts.size())) return {};
    return ShownTitle(shortcuts[static_cast<std::size_t>(record)].Title.Get());
  }

  GroupMenuWindow* menu_;
};

QAccessibleInterface* MenuAccessibleFactory(const QString&, QObject* object) {
  auto* menu = dynamic_cast<GroupMenuWindow*>(object);
  return menu == nullptr ? nullptr : new MenuAccessible(menu);
}

}  // namespace

void InstallMenuAccessibility() {
  QAccessible::installFactory(MenuAccessibleFactory);
}

void ReportRowFocus(GroupMenuWindow& menu) {
  const int member = HighlightedMember(menu);
  if (member > 0) ReportItemFocus(&menu, member - 1);
}

}  // namespace qav
