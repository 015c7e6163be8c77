#pragma once
// Scaling pictures into table slots, drawing them onto a surface, fades and PNG saving.

#include <QIODevice>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gui/graphics/image_tables.h"

namespace qav {

// Fade level k (0..9) draws at opacity 1 - 0.1 * (k + 1): level 0 at 0.9, level 9 invisible.
// Full opacity is drawing without a level (kNoFade).
inline constexpr int kFadeLevels = 10;
inline constexpr int kNoFade = -1;

// The picture the surfaces draw from: 32-bit, premultiplied, as the raster engine blends fastest.
inline constexpr QImage::Format kSurfaceFormat = QImage::Format_ARGB32_Premultiplied;

// Scales `source` to width x height (logical pixels) with the best filter available, in the
// surface format; on a screen of device pixel ratio `ratio` the copy holds `ratio` times as many
// pixels each way and says so, so that it draws 1:1 onto the device pixels. With `keepPlain` the
// picture keeps its own size: the plain picture of slot 0, which is stretched when drawn.
QImage MakeScaledImage(const QImage& source, int width, int height, bool keepPlain,
                       qreal ratio = 1.0);

// A 128x128 item tile: `source` scaled, then its outer one-pixel frame and a 2x2 block in each
// corner cleared, so tiles show slightly rounded, clean edges (device pixels as above).
QImage MakeItemTile(const QImage& source, qreal ratio = 1.0);

// Any picture as 32-bit ARGB with its per-pixel alpha; a null picture stays null.
QImage IconToImage(const QImage& picture);

struct DrawnSize {
  int width = 0;
  int height = 0;
};

// Draws slot `slot` of row `index`. Slots 1..6 are drawn 1:1 at (x, y) and ignore the size and
// fade; slot 0 is stretched into (x, y, width, height) at the fade level. An index or slot out of
// range, or an empty slot, draws nothing. Returns the slot-0 picture's own size (else 0 x 0).
DrawnSize DrawImage(QPainter& painter, const std::vector<ImageRow>& table, int index, int slot,
                    int x, int y, int width, int height, int fade = kNoFade);

// The rectangle that DrawImage with the same arguments covers; empty when it draws nothing.
QRect DrawnRect(const std::vector<ImageRow>& table, int index, int slot, int x, int y, int width,
                int height);

// Frame `frame` (0..4) of the deletion puff strip, 128x128 logical pixels, centred on (x, y).
void DrawPuffFrame(QPainter& painter, const QImage& strip, int frame, float x, float y);

// Fills the whole surface with one ARGB colour, alpha included (0x00FFFFFF clears it).
void ClearGraphics(QImage& surface, QRgb argb);

// Decodes `device` as `format` (one Qt reads itself, such as "png"), without asking the image
// plugins: guessing loads every one of them, and a start needs none.
QImage DecodeAs(QIODevice& device, const char* format);

// The bytes of `image` as a PNG file; nothing for a null image or when encoding fails.
std::optional<std::vector<std::uint8_t>> EncodePng(const QImage& image);

}  // namespace qav
