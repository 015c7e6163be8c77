#include "graphics/imaging.h"

#include <QBuffer>
#include <QByteArray>

namespace qav {

namespace {

float FadeOpacity(int level) {
  if (level < 0 || level >= kFadeLevels) return 1.0f;
  return static_cast<float>(1.0 - 0.1 * (level + 1));
}

}  // namespace

QImage MakeScaledImage(const QImage& source, int width, int height, bool keepPlain) {
  if (source.isNull()) return {};
  const QImage premultiplied = source.convertToFormat(kSurfaceFormat);
  if (keepPlain || premultiplied.size() == QSize(width, height)) return premultiplied;
  if (width <= 0 || height <= 0) return {};
  return premultiplied.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage MakeItemTile(const QImage& source) {
  constexpr int kTile = 128;
  QImage tile = MakeScaledImage(source, kTile, kTile, false);
  if (tile.isNull()) return {};
  const auto clear = [&tile](int x, int y) { tile.setPixel(x, y, 0); };
  for (int i = 0; i < kTile; ++i) {
    clear(i, 0);
    clear(i, kTile - 1);
    clear(0, i);
    clear(kTile - 1, i);
  }
  for (const int x : {1, kTile - 2}) {
    for (const int y : {1, kTile - 2}) clear(x, y);
  }
  return tile;
}

QImage IconToImage(const QImage& picture) {
  if (picture.isNull()) return {};
  return picture.convertToFormat(QImage::Format_ARGB32);
}

DrawnSize DrawImage(QPainter& painter, const std::vector<ImageRow>& table, int index, int slot,
                    int x, int y, int width, int height, int fade) {
  if (index < 0 || index >= static_cast<int>(table.size()) || slot < 0 || slot >= kSlotsPerRow) {
    return {};
  }
  const QImage& image = table[static_cast<std::size_t>(index)][static_cast<std::size_t>(slot)];
  if (image.isNull()) return {};
  if (slot != 0) {
    painter.drawImage(x, y, image);
    return {};
  }
  const qreal previous = painter.opacity();
  painter.setOpacity(previous * FadeOpacity(fade));
  painter.drawImage(QRect(x, y, width, height), image);
  painter.setOpacity(previous);
  return {image.width(), image.height()};
}

void DrawPuffFrame(QPainter& painter, const QImage& strip, int frame, float x, float y) {
  constexpr int kFrame = 128;
  if (strip.isNull()) return;
  painter.drawImage(QRectF(x - kFrame / 2.0, y - kFrame / 2.0, kFrame, kFrame), strip,
                    QRectF(kFrame * frame, 0, kFrame, kFrame));
}

void ClearGraphics(QImage& surface, QRgb argb) {
  surface.fill(QColor::fromRgba(argb));
}

std::optional<std::vector<std::uint8_t>> EncodePng(const QImage& image) {
  if (image.isNull()) return std::nullopt;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return std::nullopt;
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace qav
