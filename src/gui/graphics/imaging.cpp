#include "gui/graphics/imaging.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace qav {

namespace {

float FadeOpacity(int level) {
  if (level < 0 || level >= kFadeLevels) return 1.0f;
  return static_cast<float>(1.0 - 0.1 * (level + 1));
}

const QImage* SlotPicture(const std::vector<ImageRow>& table, int index, int slot) {
  if (index < 0 || index >= static_cast<int>(table.size()) || slot < 0 || slot >= kSlotsPerRow) {
    return nullptr;
  }
  const QImage& image = table[static_cast<std::size_t>(index)][static_cast<std::size_t>(slot)];
  return image.isNull() ? nullptr : &image;
}

}  // namespace

QImage MakeScaledImage(const QImage& source, int width, int height, bool keepPlain, qreal ratio) {
  if (source.isNull()) return {};
  QImage premultiplied = source.convertToFormat(kSurfaceFormat);
  if (keepPlain) return premultiplied;
  if (width <= 0 || height <= 0) return {};
  const QSize pixels(qRound(width * ratio), qRound(height * ratio));
  if (premultiplied.size() != pixels) {
    premultiplied = premultiplied.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  premultiplied.setDevicePixelRatio(ratio);
  return premultiplied;
}

QImage MakeItemTile(const QImage& source, qreal ratio) {
  constexpr int kTile = 128;
  QImage tile = MakeScaledImage(source, kTile, kTile, false, ratio);
  if (tile.isNull()) return {};
  // The frame and the corners as they look at 1:1, however many device pixels that takes.
  const int unit = std::max(1, qRound(ratio));
  const int size = tile.width();
  const auto clear = [&tile, unit](int x, int y) {
    for (int dy = 0; dy < unit; ++dy) {
      for (int dx = 0; dx < unit; ++dx) tile.setPixel(x * unit + dx, y * unit + dy, 0);
    }
  };
  const int last = size / unit - 1;
  for (int i = 0; i <= last; ++i) {
    clear(i, 0);
    clear(i, last);
    clear(0, i);
    clear(last, i);
  }
  for (const int x : {1, last - 1}) {
    for (const int y : {1, last - 1}) clear(x, y);
  }
  return tile;
}

QImage IconToImage(const QImage& picture) {
  if (picture.isNull()) return {};
  return picture.convertToFormat(QImage::Format_ARGB32);
}

QRect DrawnRect(const std::vector<ImageRow>& table, int index, int slot, int x, int y, int width,
                int height) {
  const QImage* image = SlotPicture(table, index, slot);
  if (image == nullptr) return {};
  if (slot == 0) return {x, y, width, height};
  const QSizeF size = image->deviceIndependentSize();
  return {x, y, static_cast<int>(std::ceil(size.width())),
          static_cast<int>(std::ceil(size.height()))};
}

DrawnSize DrawImage(QPainter& painter, const std::vector<ImageRow>& table, int index, int slot,
                    int x, int y, int width, int height, int fade) {
  const QImage* picture = SlotPicture(table, index, slot);
  if (picture == nullptr) return {};
  const QImage& image = *picture;
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
  const qreal ratio = strip.devicePixelRatio();
  painter.drawImage(QRectF(x - kFrame / 2.0, y - kFrame / 2.0, kFrame, kFrame), strip,
                    QRectF(kFrame * frame * ratio, 0, kFrame * ratio, kFrame * ratio));
}

void ClearGraphics(QImage& surface, QRgb argb) {
  surface.fill(QColor::fromRgba(argb));
}

QImage DecodeAs(QIODevice& device, const char* format) {
  QImageReader reader(&device, format);
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

std::optional<std::vector<std::uint8_t>> EncodePng(const QImage& image) {
  if (image.isNull()) return std::nullopt;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return std::nullopt;
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace qav
