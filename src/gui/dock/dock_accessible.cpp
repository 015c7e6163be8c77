#include "gui/dock/dock_accessible.h"

#include <QCoreApplication>

#include "gui/dock/dock_window.h"
#include "gui/graphics/accessible_surface.h"
#include "gui/text/shown_titles.h"

namespace qav {
namespace {

QString GroupDescription(int members) {
  if (members == 0) return QCoreApplication::translate("DockWindow", "Empty group");
  return members == 1 ? QCoreApplication::translate("DockWindow", "Group of 1 item")
                      : QCoreApplication::translate("DockWindow", "Group of %1 items").arg(members);
}

class DockAccessible final : public AccessibleSurface {
 public:
  explicit DockAccessible(DockWindow* dock)
      : AccessibleSurface(dock, QAccessible::List, QAccessible::PushButton), dock_(dock) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return dock_->windowTitle();
    return AccessibleSurface::text(kind);
  }

  int ItemCount() const override {
    return std::clamp(dock_->State().settings.IconCount, 0, kRingSlotCount - 1);
  }

  DrawnItem Item(int index) const override {
    const int slot = index + 1;
    const AppState& state = dock_->State();
    DrawnItem item;
    item.name = ShownTitle(dock_->Slots().SlotTitle[static_cast<std::size_t>(slot)]);
    item.keyBinding = QString::fromStdString(DockWindow::KeyLetter(slot));
    item.focused = state.HoverSlot == slot;
    const int members = MemberCount(slot);
    item.hasMenu = members > 0;
    if (members >= 0) item.description = GroupDescription(members);
    if (state.DockState == DockView::kShown) {
      const RingSlot& s = state.ring.Slots[static_cast<std::size_t>(slot)];
      item.rect = QRect(s.PlateLeft, s.PlateTop, s.PlateSize, s.PlateSize);
    }
    return item;
  }

  std::function<void()> Action(int index, bool menu) const override {
    DockWindow* dock = dock_;
    return [dock, slot = index + 1, menu] {
      dock->PressSlot(slot, menu ? ClickMode::kKeyLetter : ClickMode::kClick);
    };
  }

 private:
  // The members of the group at ring place `slot`, -1 when the place is not a group.
  int MemberCount(int slot) const {
    const int kind = dock_->Slots().SlotKind[static_cast<std::size_t>(slot)];
    if (kind < kKindGroup || kind == kKindMember) return -1;
    return dock_->State().tables.Groups[static_cast<std::size_t>(slot)].MemberCount;
  }

  DockWindow* dock_;
};

QAccessibleInterface* DockAccessibleFactory(const QString&, QObject* object) {
  auto* dock = dynamic_cast<DockWindow*>(object);
  return dock == nullptr ? nullptr : new DockAccessible(dock);
}

}  // namespace

void InstallDockAccessibility() {
  QAccessible::installFactory(DockAccessibleFactory);
}

void ReportSlotFocus(DockWindow& dock, int slot) {
  ReportItemFocus(&dock, slot >= 1 && slot < kRingSlotCount ? slot - 1 : -1);
}

// The place is pressed as if the pointer were over it, and the pointer's place kept.
void DockWindow::PressSlot(int slot, ClickMode mode) {
  if (slot < 0 || slot > IconCount()) return;
  const int hover = state_.HoverSlot;
  state_.HoverSlot = slot;
  IconClick(mode);
  state_.HoverSlot = hover;
}

}  // namespace qav
