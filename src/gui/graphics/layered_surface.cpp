#include "gui/graphics/layered_surface.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintEvent>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "gui/graphics/imaging.h"

namespace qav {
namespace {

constexpr QRgb kShadowColour = 0xFF010203;
constexpr QRgb kTextColour = 0xFFFFFFFF;
constexpr QRgb kMenuTextColour = 0xFF010203;
constexpr QRgb kMenuDimmedColour = 0xFF808080;
constexpr QRgb kTransparent = 0x00FFFFFF;
constexpr int kDockLabelHeight = 128;

QString Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return QString::fromStdString(text.substr(first, last - first + 1));
}

// The faces the labels were designed with, then metric-compatible or close stand-ins that
// fontconfig may offer where those are not installed.
QFont LabelFont(SurfaceKind kind, bool clearType) {
  QFont font;
  if (kind == SurfaceKind::kDock) {
    font.setFamilies({"Verdana", "DejaVu Sans", "Bitstream Vera Sans", "Sans Serif"});
    font.setPixelSize(17);
    font.setBold(true);
  } else {
    font.setFamilies({"Arial", "Liberation Sans", "Arimo", "Sans Serif"});
    font.setPixelSize(12);
  }
  // Sub-pixel text only where the user asked for it, and never on the dock's labels.
  const bool subpixel = kind == SurfaceKind::kMenu && clearType;
  font.setStyleStrategy(
      subpixel ? QFont::PreferAntialias
               : QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  font.setHintingPreference(subpixel ? QFont::PreferFullHinting : QFont::PreferNoHinting);
  return font;
}

// A fully transparent surface from zeroed memory: the system hands out such pages without
// writing them, so a full-screen surface takes memory only where frames draw.
QImage ClearSurface(QSize pixels) {
  const auto bytes = static_cast<std::size_t>(pixels.width()) * 4 * pixels.height();
  void* memory = bytes > 0 ? std::calloc(bytes, 1) : nullptr;
  if (memory == nullptr) {
    QImage surface(pixels, kSurfaceFormat);
    surface.fill(Qt::transparent);
    return surface;
  }
  return QImage(
      static_cast<uchar*>(memory), pixels.width(), pixels.height(), pixels.width() * 4,
      kSurfaceFormat, [](void* data) { std::free(data); }, memory);
}

platform::ShapeRect ToShape(const QRect& box) {
  return {box.x(), box.y(), box.width(), box.height()};
}

}  // namespace

QRect WorkAreaRect(const ScreenMetrics& screen) {
  return {screen.WorkArea.left, screen.WorkArea.top, screen.ScreenWidth, screen.ScreenHeight};
}

LayeredSurface::LayeredSurface(SurfaceKind kind) : kind_(kind) {}

LayeredSurface::~LayeredSurface() {
  if (pixels_) pixels_->Forget(winId());
  DeleteGraphic();
}

void LayeredSurface::ShowThrough(platform::WindowPixels* pixels) {
  if (pixels == nullptr || !pixels->Available(winId())) return;
  pixels_ = pixels;
  // Paint events still come (exposures, pushes), but without the toolkit's window copy.
  setAttribute(Qt::WA_PaintOnScreen);
}

QPaintEngine* LayeredSurface::paintEngine() const {
  return pixels_ ? nullptr : QWidget::paintEngine();
}

void LayeredSurface::IniForm(const QRect& geometry) {
  setWindowFlags(Qt::FramelessWindowHint | Qt::Tool | Qt::NoDropShadowWindowHint);
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setGeometry(geometry);
}

void LayeredSurface::CreateGraphic(bool clearType) {
  DeleteGraphic();
  BuildSurface();
  CreateGraphicFont(clearType);
}

// A full-screen surface is megabytes; the group menu's waits until a menu is first drawn.
void LayeredSurface::CreateGraphicOnFirstUse(bool clearType) {
  DeleteGraphic();
  CreateGraphicFont(clearType);
  surfacePutOff_ = true;
}

// The pixels come with the first frame, and only for the part of the window it draws in.
void LayeredSurface::BuildSurface() {
  surfacePutOff_ = false;
  built_ = true;
  painter_.reset();
  surface_ = QImage();
  bounds_ = {};
  touched_ = {};
  everTouched_ = {};
  ++surfaceSerial_;
}

void LayeredSurface::Cover(const QRect& area) {
  const qreal ratio = devicePixelRatioF();
  // At a fractional density a part of the window would start between device pixels and draw
  // differently from the whole; such a surface covers the whole window at once.
  const bool wholePixels = ratio == std::floor(ratio);
  const QRect wanted = wholePixels ? (bounds_ | area) & rect() : rect();
  QImage grown = ClearSurface(wanted.size() * ratio);
  grown.setDevicePixelRatio(ratio);
  if (!surface_.isNull()) {
    const QPoint at = (bounds_.topLeft() - wanted.topLeft()) * ratio;
    const auto rowBytes = static_cast<std::size_t>(surface_.width()) * 4;
    for (int y = 0; y < surface_.height(); ++y) {
      std::memcpy(grown.scanLine(y + at.y()) + static_cast<std::ptrdiff_t>(at.x()) * 4,
                  surface_.constScanLine(y), rowBytes);
    }
  }
  painter_.reset();
  surface_ = std::move(grown);
  bounds_ = wanted;
  painter_.emplace(&surface_);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform);
  painter_->setRenderHint(QPainter::Antialiasing);
  painter_->setRenderHint(QPainter::TextAntialiasing);
  painter_->translate(-wanted.topLeft());
}

void LayeredSurface::DeleteGraphic() {
  surfacePutOff_ = false;
  if (!built_) return;
  built_ = false;
  DeleteGraphicFont();
  painter_.reset();
}

void LayeredSurface::Relocate(const QRect& geometry) {
  setGeometry(geometry);
  if (surfacePutOff_) {
    CreateGraphicOnFirstUse(clearType_);
  } else {
    CreateGraphic(clearType_);
  }
  pushedArea_ = {};
}

void LayeredSurface::TakePlace(platform::WindowShape& shape) {
  layers_ = shape.Layers();
  if (layers_ == nullptr) return;
  layers_->Adopt(winId(), kind_ == SurfaceKind::kDock ? platform::WindowRole::kDock
                                                      : platform::WindowRole::kMenu);
}

void LayeredSurface::Raise() {
  raise();
  if (layers_) layers_->Raise(winId());
}

void LayeredSurface::Lower() {
  lower();
  if (layers_) layers_->Lower(winId());
}

void LayeredSurface::Activate() {
  activateWindow();
  if (layers_) layers_->TakeKeyboard(winId());
}

void LayeredSurface::SetInputShape(platform::WindowShape& shape,
                                   const std::vector<platform::ShapeRect>& rects) {
  std::vector<platform::ShapeRect> pixels;
  pixels.reserve(rects.size());
  for (const platform::ShapeRect& r : rects) {
    pixels.push_back(ToShape(DevicePixels({r.x, r.y, r.width, r.height})));
  }
  shape.SetInputRegion(winId(), pixels);
}

void LayeredSurface::CreateGraphicFont(bool clearType) {
  clearType_ = clearType;
  font_ = LabelFont(kind_, clearType);
}

void LayeredSurface::DeleteGraphicFont() {
  font_ = QFont();
}

void LayeredSurface::SetClearType(bool clearType) {
  if (kind_ == SurfaceKind::kMenu) CreateGraphicFont(clearType);
}

void LayeredSurface::DrawLabel(const std::string& text, int x, int y, int maxWidth) {
  QString label = Trimmed(text);
  BuildPutOffSurface();
  Touch();
  if (!painter_ || label.isEmpty()) return;
  if (maxWidth > 0) label = QFontMetrics(font_).elidedText(label, Qt::ElideRight, maxWidth);
  painter_->setFont(font_);
  const QRect box(x, y, width(), kDockLabelHeight);
  const int flags = Qt::AlignHCenter | Qt::AlignTop;
  painter_->setPen(QColor::fromRgba(kShadowColour));
  for (const QPoint offset : {QPoint(-1, -1), QPoint(-1, 1), QPoint(1, -1), QPoint(1, 1)}) {
    painter_->drawText(box.translated(offset), flags, label);
  }
  painter_->setPen(QColor::fromRgba(kTextColour));
  painter_->drawText(box, flags, label);
}

void LayeredSurface::DrawLabel(const std::string& text, double x, double y, double width,
                               double height, bool dimmed) {
  const QString label = Trimmed(text);
  BuildPutOffSurface();
  Touch();
  if (!painter_ || label.isEmpty()) return;
  painter_->setFont(font_);
  painter_->setPen(QColor::fromRgba(dimmed ? kMenuDimmedColour : kMenuTextColour));
  // A title longer than its box ends in an ellipsis rather than running into the next column.
  const QString shown = QFontMetricsF(font_).elidedText(label, Qt::ElideRight, width);
  painter_->drawText(QRectF(x, y, width, height), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

bool LayeredSurface::MenuLabelFits(const std::string& text, double width) const {
  const QString label = Trimmed(text);
  return QFontMetricsF(font_).elidedText(label, Qt::ElideRight, width) == label;
}

void LayeredSurface::Push(int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  // Pixels travel only for the drawn area; a change of the window's alpha or backdrop touches the
  // rest of the window too, which shows the backdrop.
  const QRect whole = rect();
  const QRect area = drawnArea_.isEmpty() ? whole : drawnArea_;
  const bool everywhere = alpha != pushedAlpha_ || backdrop_ != pushedBackdrop_;
  const QRegion changed =
      QRegion(everywhere ? whole : area) | QRegion(pushedArea_.isEmpty() ? whole : pushedArea_);
  pushedAlpha_ = alpha;
  pushedBackdrop_ = backdrop_;
  pushedArea_ = area;
  ++pushCount_;
  ++surfaceSerial_;
  if (isVisible()) repaint(changed);
}

void LayeredSurface::RestoreToBackdrop() {
  ClearAll();
  if (qAlpha(backdrop_) == 0) return;
  QPainter& painter = Graphics();
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(drawnArea_.isEmpty() ? rect() : drawnArea_, QColor::fromRgba(backdrop_));
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QRgb LayeredSurface::ShownBackdrop() const {
  const QRgb premultiplied = qPremultiply(backdrop_);
  const auto scaled = [this](int v) { return (v * pushedAlpha_ + 127) / 255; };
  return qRgba(scaled(qRed(premultiplied)), scaled(qGreen(premultiplied)),
               scaled(qBlue(premultiplied)), scaled(qAlpha(premultiplied)));
}

void LayeredSurface::PushPart(const QRegion& part) {
  ++pushCount_;
  ++surfaceSerial_;
  if (isVisible()) repaint(part);
}

void LayeredSurface::ClearAll() {
  // A surface not built yet, or not drawn on since it was cleared, is clear already.
  if (touched_.contains(bounds_)) {
    ClearGraphics(surface_, kTransparent);
  } else if (!touched_.isEmpty()) {
    ClearPixels(touched_);
  }
  touched_ = {};
  ++surfaceSerial_;
}

// Whole device pixels: at a fractional density a painter's fill would leave the edges half drawn.
void LayeredSurface::ClearPixels(const QRect& area) {
  const QRect pixels =
      DevicePixels((area & bounds_).translated(-bounds_.topLeft())) & surface_.rect();
  const auto rowBytes = static_cast<std::size_t>(pixels.width()) * 4;
  for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
    std::memset(surface_.scanLine(y) + static_cast<std::ptrdiff_t>(pixels.left()) * 4, 0, rowBytes);
  }
}

void LayeredSurface::ClearPart(const QRegion& part) {
  BuildPutOffSurface();
  if (!painter_) return;
  painter_->setCompositionMode(QPainter::CompositionMode_Source);
  for (const QRect& box : part) painter_->fillRect(box, QColor::fromRgba(kTransparent));
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QRect LayeredSurface::DockLabelBand(int x, int y, int maxWidth) const {
  // The shadows reach a pixel further; glyphs of a fallback face may stand a little taller.
  const int margin = 8;
  const int height = QFontMetrics(font_).height();
  const int centre = x + width() / 2;
  return {centre - maxWidth / 2 - margin, y - margin, maxWidth + 2 * margin, height + 2 * margin};
}

void LayeredSurface::ClearAndHide() {
  ClearAll();
  Push(255);
  hide();
}

// The window shows the surface at the last push's constant alpha. Frames are composed and pushed
// within one event handler, so whenever the window can be exposed the surface is the pushed one.
void LayeredSurface::paintEvent(QPaintEvent* event) {
  if (pixels_) {
    PutPixels(event->region());
  } else {
    PaintThroughQt(event->region());
  }
}

QRect LayeredSurface::DevicePixels(const QRect& box) const {
  const qreal ratio = devicePixelRatioF();
  return QRectF(QPointF(box.topLeft()) * ratio, QSizeF(box.size()) * ratio).toAlignedRect();
}

// Outside what the last push covered, and where nothing was ever drawn, the window shows the
// backdrop, filled on the server; only drawn pixels travel.
void LayeredSurface::PutPixels(const QRegion& region) {
  const auto window = winId();
  const QRect pushed = pushedArea_.isEmpty() ? rect() : pushedArea_;
  const QRgb backdrop = pushedAlpha_ == 0 ? 0 : ShownBackdrop();
  for (const QRect& box : region) {
    const QRect drawn =
        pushedAlpha_ == 0 || surface_.isNull() ? QRect() : box & everTouched_ & bounds_ & pushed;
    std::vector<platform::ShapeRect> blank;
    for (const QRect& rest : QRegion(box) - drawn) blank.push_back(ToShape(DevicePixels(rest)));
    pixels_->Fill(window, blank, backdrop);
    if (drawn.isEmpty()) continue;
    const QRect to = DevicePixels(drawn);
    const QRect from = to.translated(-DevicePixels(bounds_).topLeft()) & surface_.rect();
    const platform::PixelRows rows{
        surface_.constScanLine(from.y()) + static_cast<std::ptrdiff_t>(from.x()) * 4,
        static_cast<int>(surface_.bytesPerLine()), from.width(), from.height()};
    pixels_->Put(window, to.x(), to.y(), rows, pushedAlpha_);
  }
}

void LayeredSurface::PaintThroughQt(const QRegion& region) {
  QPainter painter(this);
  const QRect pushed = pushedArea_.isEmpty() ? rect() : pushedArea_;
  const QColor backdrop = QColor::fromRgba(qUnpremultiply(ShownBackdrop()));
  // Rectangle by rectangle: a partial push of two places far apart is not their bounding box.
  for (const QRect& box : region) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setOpacity(1.0);
    painter.fillRect(box, backdrop);
    const QRect drawn = box & everTouched_ & bounds_ & pushed;
    if (pushedAlpha_ == 0 || surface_.isNull() || drawn.isEmpty()) continue;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(pushedAlpha_ / 255.0);
    // The surface holds device pixels: the part of it under the exposed logical rectangle.
    const QRectF exposed(drawn);
    const qreal ratio = surface_.devicePixelRatio();
    const QPointF from(drawn.topLeft() - bounds_.topLeft());
    painter.drawImage(exposed, surface_, QRectF(from * ratio, exposed.size() * ratio));
  }
}

}  // namespace qav
