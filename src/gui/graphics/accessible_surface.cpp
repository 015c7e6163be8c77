#include "gui/graphics/accessible_surface.h"

#include <QAccessibleActionInterface>
#include <QTimer>
#include <QWidget>

namespace qav {
namespace {

// One drawn item: everything it says is asked of its surface at the moment it is asked.
class AccessibleItem final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  AccessibleItem(const AccessibleSurface& surface, int index) : surface_(surface), index_(index) {}

  const AccessibleSurface* Surface() const { return &surface_; }
  int Index() const { return index_; }

  bool isValid() const override { return surface_.isValid() && index_ < surface_.ItemCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return surface_.window(); }
  QAccessibleInterface* parent() const override {
    return const_cast<AccessibleSurface*>(&surface_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override {
    const QAccessible::Role own = isValid() ? surface_.Item(index_).role : QAccessible::NoRole;
    return own == QAccessible::NoRole ? surface_.ItemRole() : own;
  }

  QString text(QAccessible::Text kind) const override {
    if (!isValid()) return {};
    const DrawnItem item = surface_.Item(index_);
    if (kind == QAccessible::Name) return item.name;
    if (kind == QAccessible::Description) return item.description;
    if (kind == QAccessible::Accelerator) return item.keyBinding;
    return {};
  }

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = surface_.Item(index_).rect;
    const auto* widget = static_cast<const QWidget*>(surface_.object());
    return local.isEmpty() ? QRect() : local.translated(widget->mapToGlobal(QPoint(0, 0)));
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    const DrawnItem item = surface_.Item(index_);
    state.focusable = true;
    state.focused = item.focused;
    state.hasPopup = item.hasMenu;
    state.invisible = item.rect.isEmpty() || surface_.state().invisible;
    state.offscreen = item.rect.isEmpty();
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  QStringList actionNames() const override {
    if (!isValid()) return {};
    QStringList names{pressAction()};
    if (surface_.Item(index_).hasMenu) names << showMenuAction();
    return names;
  }

  void doAction(const QString& name) override {
    if (!actionNames().contains(name)) return;
    std::function<void()> action = surface_.Action(index_, name == showMenuAction());
    if (action) QTimer::singleShot(0, surface_.object(), std::move(action));
  }

  // The key runs the item the way a press does, or opens its menu when it has one.
  QStringList keyBindingsForAction(const QString& name) const override {
    if (!isValid()) return {};
    const DrawnItem item = surface_.Item(index_);
    const QString keyAction = item.hasMenu ? showMenuAction() : pressAction();
    if (name != keyAction || item.keyBinding.isEmpty()) return {};
    return {item.keyBinding};
  }

 private:
  const AccessibleSurface& surface_;
  const int index_;
};

}  // namespace

AccessibleSurface::AccessibleSurface(QWidget* surface, QAccessible::Role role,
                                     QAccessible::Role itemRole)
    : QAccessibleWidget(surface, role), itemRole_(itemRole) {}

AccessibleSurface::~AccessibleSurface() {
  for (const QAccessible::Id id : ids_) {
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }
}

int AccessibleSurface::childCount() const {
  return ItemCount();
}

// Each item keeps one registered interface, so assistive technology sees the same object for
// the same place every time it asks.
QAccessibleInterface* AccessibleSurface::child(int index) const {
  if (index < 0 || index >= ItemCount()) return nullptr;
  const auto i = static_cast<std::size_t>(index);
  if (ids_.size() <= i) ids_.resize(i + 1, 0);
  if (ids_[i] == 0) {
    ids_[i] = QAccessible::registerAccessibleInterface(new AccessibleItem(*this, index));
  }
  return QAccessible::accessibleInterface(ids_[i]);
}

int AccessibleSurface::indexOfChild(const QAccessibleInterface* child) const {
  const auto* item = dynamic_cast<const AccessibleItem*>(child);
  if (item == nullptr || item->Surface() != this || item->Index() >= ItemCount()) return -1;
  return item->Index();
}

QAccessibleInterface* AccessibleSurface::childAt(int x, int y) const {
  const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
  for (int i = 0; i < ItemCount(); ++i) {
    if (Item(i).rect.contains(local)) return child(i);
  }
  return nullptr;
}

QAccessibleInterface* AccessibleSurface::focusChild() const {
  for (int i = 0; i < ItemCount(); ++i) {
    if (Item(i).focused) return child(i);
  }
  return QAccessibleWidget::focusChild();
}

void ReportItemFocus(QWidget* surface, int index) {
  QAccessibleEvent event(surface, QAccessible::Focus);
  if (index >= 0) event.setChild(index);
  QAccessible::updateAccessibility(&event);
}

}  // namespace qav
