#pragma once
// Assistive technology's view of a layered surface: the window is one accessible object whose
// children are the items it draws (ring places, menu rows). The items have no widgets of their
// own, so the surface describes each by index and the children are thin views onto it.

#include <QAccessibleWidget>

#include <functional>
#include <vector>

namespace qav {

// What one drawn item is at this moment.
struct DrawnItem {
  QString name;
  QString description;
  QString keyBinding;  // the key that runs it, if any
  QRect rect;          // in the surface's own pixels; empty when not drawn
  bool focused = false;
  bool hasMenu = false;  // offers "showMenu" besides "press"
  // Its own role where it is not one of the surface's items (a text line above a list, say).
  QAccessible::Role role = QAccessible::NoRole;
};

class AccessibleSurface : public QAccessibleWidget {
 public:
  AccessibleSurface(QWidget* surface, QAccessible::Role role, QAccessible::Role itemRole);
  ~AccessibleSurface() override;

  virtual int ItemCount() const = 0;
  virtual DrawnItem Item(int index) const = 0;
  // What pressing the item (or asking for its menu) does. It runs from the event loop, after the
  // request of the assistive technology has been answered, since it may open windows.
  virtual std::function<void()> Action(int index, bool menu) const = 0;

  QAccessible::Role ItemRole() const { return itemRole_; }

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

 private:
  QAccessible::Role itemRole_;
  mutable std::vector<QAccessible::Id> ids_;
};

// Tells assistive technology that item `index` of `surface` has the focus (the surface itself
// for a negative index).
void ReportItemFocus(QWidget* surface, int index);

}  // namespace qav
