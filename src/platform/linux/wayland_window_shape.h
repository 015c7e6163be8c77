#pragma once
// The dock and its menus on a Wayland compositor, where a program cannot place its windows.
// With the layer shell (sway, Hyprland, KDE Plasma, wayfire...) the dock is a layer surface
// covering the output: over every window while summoned, at the desktop's level otherwise.
// Without it (GNOME) the dock is a borderless full-screen window. The group menu and the dock's
// pop-up menus are sub-surfaces of the dock, placed in its coordinates; the menu gets the keys
// the dock receives while it holds the keyboard. Only what is drawn takes the mouse.

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/linux/wayland_display.h"
#include "platform/linux/wayland_layer_surface.h"
#include "platform/window_layers.h"
#include "platform/window_shape.h"

class QWindow;
struct wl_subsurface;

namespace qav::platform {

class WaylandWindowShape final : public QObject, public WindowShape, public WindowLayers {
 public:
  explicit WaylandWindowShape(WaylandDisplay& display);
  ~WaylandWindowShape() override;
  WaylandWindowShape(const WaylandWindowShape&) = delete;
  WaylandWindowShape& operator=(const WaylandWindowShape&) = delete;

  void SetInputRegion(std::uintptr_t window, const std::vector<ShapeRect>& rects) override;
  void ClearInputRegion(std::uintptr_t window) override;
  WindowLayers* Layers() override { return this; }

  void Adopt(std::uintptr_t window, WindowRole role) override;
  void Raise(std::uintptr_t window) override;
  void Lower(std::uintptr_t window) override;
  void TakeKeyboard(std::uintptr_t window) override;
  void WhenDockPlaced(std::function<void(const std::string& screenName)> placed) override;

  // Whether the dock is a layer surface (else a full-screen window); for tests and the log.
  bool DockInLayer() const { return display_.LayerShell() != nullptr; }

 private:
  enum class Part { kDock, kMenu, kPopup };
  struct Managed {
    QPointer<QWindow> window;
    Part part = Part::kDock;
    bool raised = false;
    bool keyboard = false;
    // Device pixels; none: the whole window takes the mouse.
    std::optional<std::vector<ShapeRect>> region;
    std::unique_ptr<WaylandLayerSurface> layer;
    wl_subsurface* subsurface = nullptr;
    bool placed = false;  // the surface of this showing has its role
  };

  bool eventFilter(QObject* watched, QEvent* event) override;
  Managed* Find(const QObject* window);
  Managed* Find(std::uintptr_t window);
  Managed* Dock();
  Managed* Menu();
  bool PopupShown();
  bool IsDockPopup(QWindow* window);
  bool IsDialog(QWindow* window);
  bool DialogOpen();

  void OnShow(QWindow* window);
  void FollowScale();
  void OnHide(Managed& m);
  void GiveRole(Managed& m);
  void DropRole(Managed& m);
  void MakeOverlay(Managed& dock);
  static void DrawWhole(QWindow* window);
  void PlaceAgain(QWindow* window);
  void MakeSubsurface(Managed& m);
  void Position(Managed& m);
  void ApplyRegion(Managed& m);
  void ApplyDockPlace();
  LayerPlace DockPlace();
  bool RouteKey(QEvent* event);

  WaylandDisplay& display_;
  std::vector<std::unique_ptr<Managed>> managed_;
  std::function<void(const std::string&)> placed_;
};

}  // namespace qav::platform
