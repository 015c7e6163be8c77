#include "platform/linux/wayland_window_shape.h"

#include "platform/linux/toolkit_environment.h"

#include <wayland-client.h>

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace qav::platform {
namespace {

QWindow* WindowOf(std::uintptr_t id) {
  for (QWindow* window : QGuiApplication::allWindows()) {
    if (window->handle() && window->winId() == id) return window;
  }
  return nullptr;
}

// The widget of a top-level window: the toolkit paints it, and only when it may.
QWidget* WidgetOf(QWindow* window) {
  return window && window->handle() ? QWidget::find(window->winId()) : nullptr;
}

constexpr int kScaleSettleMilliseconds = 50;

bool IsKeyEvent(const QEvent* event) {
  return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
         event->type() == QEvent::ShortcutOverride;
}

// The window counts device pixels, the compositor the surface's logical ones: a box covers every
// logical pixel it touches.
wl_region* LogicalRegion(wl_compositor* compositor, const std::vector<ShapeRect>& rects,
                         qreal ratio) {
  wl_region* region = wl_compositor_create_region(compositor);
  for (const ShapeRect& r : rects) {
    const auto left = static_cast<int>(std::floor(r.x / ratio));
    const auto top = static_cast<int>(std::floor(r.y / ratio));
    const auto right = static_cast<int>(std::ceil((r.x + r.width) / ratio));
    const auto bottom = static_cast<int>(std::ceil((r.y + r.height) / ratio));
    if (right > left && bottom > top) wl_region_add(region, left, top, right - left, bottom - top);
  }
  return region;
}

}  // namespace

WaylandWindowShape::WaylandWindowShape(WaylandDisplay& display) : display_(display) {
  qputenv(kRolelessWindowsVariable, "1");
  display_.WhenScaleChanges([this] {
    // After Qt has read the same change on its own copy of the output.
    QTimer::singleShot(kScaleSettleMilliseconds, this, [this] { FollowScale(); });
  });
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

WaylandWindowShape::~WaylandWindowShape() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
  for (auto& m : managed_) DropRole(*m);
  display_.Flush();
}

WaylandWindowShape::Managed* WaylandWindowShape::Find(const QObject* window) {
  for (auto& m : managed_) {
    if (m->window && m->window.data() == window) return m.get();
  }
  return nullptr;
}

WaylandWindowShape::Managed* WaylandWindowShape::Find(std::uintptr_t window) {
  return Find(WindowOf(window));
}

WaylandWindowShape::Managed* WaylandWindowShape::Dock() {
  for (auto& m : managed_) {
    if (m->part == Part::kDock && m->window) return m.get();
  }
  return nullptr;
}

WaylandWindowShape::Managed* WaylandWindowShape::Menu() {
  for (auto& m : managed_) {
    if (m->part == Part::kMenu && m->window) return m.get();
  }
  return nullptr;
}

bool WaylandWindowShape::PopupShown() {
  return std::any_of(managed_.begin(), managed_.end(), [](const auto& m) {
    return m->part == Part::kPopup && m->window && m->window->isVisible();
  });
}

void WaylandWindowShape::Adopt(std::uintptr_t id, WindowRole role) {
  QWindow* window = WindowOf(id);
  if (window == nullptr || Find(window)) return;
  auto m = std::make_unique<Managed>();
  m->window = window;
  m->part = role == WindowRole::kDock ? Part::kDock : Part::kMenu;
  // A new window comes up over the others, as on any desktop; it takes the keys when asked.
  m->raised = role == WindowRole::kDock;
  if (m->part == Part::kMenu || DockInLayer()) {
    // No shell role from the toolkit: the surface's role is given here once it is shown.
    window->setFlags(window->flags() | Qt::BypassWindowManagerHint);
  } else {
    window->setFlags(window->flags() | Qt::FramelessWindowHint);
    window->setWindowStates(Qt::WindowFullScreen);
  }
  if (m->part == Part::kDock) {
    connect(window, &QWindow::screenChanged, this, [this](QScreen* screen) {
      if (placed_ && screen) placed_(screen->name().toStdString());
    });
  }
  managed_.push_back(std::move(m));
}

// A surface keeps the scale of its output as it was when the surface was made: a dock whose
// output changed its scale is shown again on a new surface, drawn at the new scale, and laid
// out again there.
void WaylandWindowShape::FollowScale() {
  Managed* dock = Dock();
  QWidget* widget = dock ? WidgetOf(dock->window) : nullptr;
  QScreen* screen = dock ? dock->window->screen() : nullptr;
  if (!widget || !screen || !widget->isVisible() ||
      dock->window->devicePixelRatio() == screen->devicePixelRatio()) {
    return;
  }
  // The toolkit takes the scale when it makes its own part of the window.
  widget->hide();
  dock->window->destroy();
  widget->show();
  if (placed_) placed_(screen->name().toStdString());
}

void WaylandWindowShape::WhenDockPlaced(std::function<void(const std::string&)> placed) {
  placed_ = std::move(placed);
}

// The program's own windows and dialogs (settings, properties, messages): ordinary top-level
// windows, which the overlay must not cover while they are open.
bool WaylandWindowShape::IsDialog(QWindow* window) {
  return (window->type() == Qt::Window || window->type() == Qt::Dialog) && !Find(window);
}

bool WaylandWindowShape::DialogOpen() {
  const QWindowList windows = QGuiApplication::topLevelWindows();
  return std::any_of(windows.begin(), windows.end(),
                     [this](QWindow* w) { return w->isVisible() && IsDialog(w); });
}

// A pop-up menu of the dock (the item context menu) has no window to be a pop-up of, since the
// dock is no top-level: it becomes a part of the dock like the group menu. Pop-ups of the dialogs
// stay the toolkit's.
bool WaylandWindowShape::IsDockPopup(QWindow* window) {
  if (!DockInLayer() || !Dock()) return false;
  if (window->type() != Qt::Popup && window->type() != Qt::ToolTip) return false;
  QWindow* parent = window->transientParent();
  return parent == nullptr || Find(parent) != nullptr;
}

bool WaylandWindowShape::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWindowType()) return false;
  auto* window = static_cast<QWindow*>(watched);
  if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && IsDialog(window)) {
    QTimer::singleShot(0, this, [this] { ApplyDockPlace(); });
  }
  switch (event->type()) {
    case QEvent::Show:
      OnShow(window);
      break;
    case QEvent::Expose:
      if (Managed* m = Find(window); m && window->isVisible() && !m->placed) GiveRole(*m);
      break;
    case QEvent::Hide:
      if (Managed* m = Find(window)) OnHide(*m);
      break;
    case QEvent::Move:
      if (Managed* m = Find(window); m && m->part != Part::kDock) Position(*m);
      break;
    default:
      if (IsKeyEvent(event) && Find(window) != nullptr && Find(window) == Dock()) {
        return RouteKey(event);
      }
      break;
  }
  return false;
}

// Sent before the toolkit gives the window its surface: the last moment to keep the toolkit from
// giving it a role of its own, and from drawing before the compositor has placed it.
void WaylandWindowShape::OnShow(QWindow* window) {
  Managed* m = Find(window);
  if (m == nullptr && IsDockPopup(window)) {
    window->setFlags(window->flags() | Qt::BypassWindowManagerHint);
    auto popup = std::make_unique<Managed>();
    popup->window = window;
    popup->part = Part::kPopup;
    m = popup.get();
    managed_.push_back(std::move(popup));
  }
  if (m == nullptr) return;
  m->placed = false;
  // A window made again by the toolkit takes the widget's flags again.
  if (m->part != Part::kDock || DockInLayer()) {
    window->setFlags(window->flags() | Qt::BypassWindowManagerHint);
  }
  if (m->part == Part::kDock && DockInLayer()) {
    if (QWidget* widget = WidgetOf(window)) widget->setUpdatesEnabled(false);
  }
  // The surface exists once the showing is done; an exposure may come first.
  QTimer::singleShot(0, this, [this, target = QPointer<QWindow>(window)] {
    Managed* shown = Find(target.data());
    if (shown && target->isVisible() && !shown->placed) GiveRole(*shown);
  });
}

void WaylandWindowShape::OnHide(Managed& m) {
  DropRole(m);
  if (m.part != Part::kDock) {
    m.raised = false;
    m.keyboard = false;
  }
  if (m.part == Part::kMenu) ApplyDockPlace();
  if (m.part == Part::kPopup) {
    std::erase_if(managed_, [&m](const auto& entry) { return entry.get() == &m; });
  }
  display_.Flush();
}

void WaylandWindowShape::GiveRole(Managed& m) {
  if (WaylandDisplay::SurfaceOf(m.window) == nullptr) return;
  m.placed = true;
  if (m.part == Part::kDock) {
    if (DockInLayer()) MakeOverlay(m);
  } else {
    MakeSubsurface(m);
  }
  ApplyRegion(m);
  display_.Flush();
}

void WaylandWindowShape::DropRole(Managed& m) {
  m.placed = false;
  m.layer.reset();
  if (m.subsurface) wl_subsurface_destroy(m.subsurface);
  m.subsurface = nullptr;
}

// A layer surface needs a surface that never had a buffer, and draws only once configured.
void WaylandWindowShape::MakeOverlay(Managed& dock) {
  wl_surface* surface = WaylandDisplay::SurfaceOf(dock.window);
  wl_surface_attach(surface, nullptr, 0, 0);
  wl_surface_commit(surface);
  QPointer<QWindow> window = dock.window;
  WaylandLayerSurface::Events events{
      [window] { DrawWhole(window); },
      [this, window] { QTimer::singleShot(0, this, [this, window] { PlaceAgain(window); }); }};
  dock.layer = std::make_unique<WaylandLayerSurface>(
      display_.LayerShell(), display_.LayerShellVersion(), surface, DockPlace(), std::move(events));
}

// The compositor placed the overlay: the updates held back meanwhile are lost, so the whole
// window is drawn now.
void WaylandWindowShape::DrawWhole(QWindow* window) {
  if (QWidget* widget = WidgetOf(window)) {
    widget->setUpdatesEnabled(true);
    widget->repaint();
  }
}

// The compositor ended the overlay (its output went away): a new one on the output it picks now.
void WaylandWindowShape::PlaceAgain(QWindow* window) {
  Managed* gone = Find(window);
  if (gone == nullptr || !window->isVisible()) return;
  if (QWidget* widget = WidgetOf(window)) widget->setUpdatesEnabled(false);
  DropRole(*gone);
  GiveRole(*gone);
}

void WaylandWindowShape::MakeSubsurface(Managed& m) {
  Managed* dock = Dock();
  wl_surface* parent = dock ? WaylandDisplay::SurfaceOf(dock->window) : nullptr;
  wl_surface* surface = WaylandDisplay::SurfaceOf(m.window);
  if (parent == nullptr || display_.Subcompositor() == nullptr) return;
  m.subsurface = wl_subcompositor_get_subsurface(display_.Subcompositor(), surface, parent);
  // Drawn as soon as it draws, not with the dock's next frame.
  wl_subsurface_set_desync(m.subsurface);
  Position(m);
  if (m.part == Part::kMenu) ApplyDockPlace();
}

// In the dock's coordinates: both cover the same screen, so the menu lies where its geometry
// says on that screen.
void WaylandWindowShape::Position(Managed& m) {
  Managed* dock = Dock();
  if (m.subsurface == nullptr || dock == nullptr) return;
  const QPoint at = m.window->geometry().topLeft() - dock->window->geometry().topLeft();
  wl_subsurface_set_position(m.subsurface, at.x(), at.y());
  // The position applies with the dock's next commit.
  if (wl_surface* parent = WaylandDisplay::SurfaceOf(dock->window)) wl_surface_commit(parent);
  display_.Flush();
}

void WaylandWindowShape::SetInputRegion(std::uintptr_t window,
                                        const std::vector<ShapeRect>& rects) {
  Managed* m = Find(window);
  if (m == nullptr) return;
  m->region = rects;
  ApplyRegion(*m);
}

void WaylandWindowShape::ClearInputRegion(std::uintptr_t window) {
  Managed* m = Find(window);
  if (m == nullptr) return;
  m->region.reset();
  ApplyRegion(*m);
}

void WaylandWindowShape::ApplyRegion(Managed& m) {
  wl_surface* surface = WaylandDisplay::SurfaceOf(m.window);
  if (surface == nullptr || display_.Compositor() == nullptr || !m.placed) return;
  if (m.region) {
    wl_region* region =
        LogicalRegion(display_.Compositor(), *m.region, m.window->devicePixelRatio());
    wl_surface_set_input_region(surface, region);
    wl_region_destroy(region);
  } else {
    wl_surface_set_input_region(surface, nullptr);
  }
  wl_surface_commit(surface);
  display_.Flush();
}

void WaylandWindowShape::Raise(std::uintptr_t window) {
  Managed* m = Find(window);
  if (m == nullptr) return;
  m->raised = true;
  if (!DockInLayer() && m->part == Part::kDock) m->window->raise();
  ApplyDockPlace();
}

void WaylandWindowShape::Lower(std::uintptr_t window) {
  Managed* m = Find(window);
  if (m == nullptr) return;
  m->raised = false;
  m->keyboard = false;
  if (!DockInLayer() && m->part == Part::kDock) m->window->lower();
  ApplyDockPlace();
}

void WaylandWindowShape::TakeKeyboard(std::uintptr_t window) {
  Managed* m = Find(window);
  if (m == nullptr) return;
  m->keyboard = true;
  if (!DockInLayer()) {
    if (Managed* dock = Dock()) dock->window->requestActivate();
  }
  ApplyDockPlace();
}

// The open menu is part of the dock, so the dock comes up with it, and the keys the menu asked
// for reach the dock's surface. While one of the program's dialogs is open the dock stays at the
// desktop's level, so that the dialog is seen and gets the keys.
LayerPlace WaylandWindowShape::DockPlace() {
  Managed* dock = Dock();
  Managed* menu = Menu();
  const bool dialog = DialogOpen();
  const bool menuUp = menu && menu->window->isVisible() && menu->raised && !dialog;
  const bool dockUp = dock && dock->raised && !dialog;
  LayerPlace place;
  place.level = dockUp || menuUp ? LayerLevel::kOverlay : LayerLevel::kDesktop;
  place.keyboard = (dockUp && dock->keyboard) || (menuUp && menu->keyboard);
  return place;
}

void WaylandWindowShape::ApplyDockPlace() {
  Managed* dock = Dock();
  if (dock == nullptr || !dock->layer) return;
  if (!dock->layer->Move(DockPlace())) {
    // A layer shell that cannot move surfaces between layers: a new overlay in the new layer.
    if (QWidget* widget = WidgetOf(dock->window)) widget->setUpdatesEnabled(false);
    DropRole(*dock);
    GiveRole(*dock);
  }
  display_.Flush();
}

// The compositor sends the keys to the dock's surface; the menu that holds the keyboard gets
// them, unless a pop-up menu is open, which the toolkit gives them to itself.
bool WaylandWindowShape::RouteKey(QEvent* event) {
  Managed* menu = Menu();
  if (menu == nullptr || !menu->window->isVisible() || !menu->keyboard || PopupShown()) {
    return false;
  }
  QCoreApplication::sendEvent(menu->window, event);
  return true;
}

}  // namespace qav::platform
