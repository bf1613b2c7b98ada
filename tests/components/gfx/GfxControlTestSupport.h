#pragma once
// Paints graphic controls into images for pixel checks, and makes small test bitmaps.

#include "components/gfx/VQGfxCmp.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Graphics.h"

#include <QImage>
#include <QPainter>
#include <memory>

// What lies "behind" a control in these checks; no palette colour has it.
constexpr TColor kUnder = RGB(1, 2, 3);

// The control painted by its paint request on an image of its size filled with kUnder.
inline QImage PaintControl(TVQGraphicControl* control, TColor under = kUnder) {
    QImage image(control->Width(), control->Height(), QImage::Format_RGB32);
    image.fill(ColorToQColor(under));
    QPainter painter(&image);
    control->PaintRequest(&painter);
    painter.end();
    return image;
}

// A pixel as a plain colour (0x00BBGGRR), for comparing with Rgb(colour).
inline TColor PixelAt(const QImage& image, int x, int y) {
    return QColorToColor(QColor(image.pixel(x, y)));
}

// A colour as it is drawn: system colours resolved, flags dropped.
inline TColor Rgb(TColor color) {
    return QColorToColor(ColorToQColor(color));
}

// A bitmap whose every pixel tells where it is: red = x, green = y, blue = 200.
inline std::unique_ptr<TBitmap> CoordinateBitmap(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x, y, 200));
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetImage(img);
    return bmp;
}

inline TColor CoordinateColor(int x, int y) {
    return RGB(x, y, 200);
}
