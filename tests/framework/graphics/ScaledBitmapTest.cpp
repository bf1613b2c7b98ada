#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasScope.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// A bitmap with a device pixel ratio keeps its logical size, takes drawing in logical
// coordinates through a canvas scope, and copies onto a device of the same ratio pixel for pixel.
TEST(ScaledBitmapTest, RatioKeepsLogicalCoordinatesAndCopiesPixelForPixel) {
    TBitmap bitmap;
    bitmap.SetSize(10, 6);
    bitmap.SetDevicePixelRatio(2);
    EXPECT_EQ(bitmap.Width(), 10);
    EXPECT_EQ(bitmap.Height(), 6);
    EXPECT_EQ(bitmap.Image().size(), QSize(20, 12));
    {
        TCanvas canvas;
        TCanvasScope scope(&canvas, &bitmap);
        canvas.FillRectColor(Rect(0, 0, 5, 3), clRed);
        EXPECT_EQ(canvas.Pixels(4, 2), clRed);
    }
    EXPECT_FALSE(bitmap.Canvas()->Painter());

    QImage target(20, 12, QImage::Format_RGB32);
    target.setDevicePixelRatio(2);
    target.fill(Qt::white);
    {
        TCanvas canvas;
        TCanvasScope scope(&canvas, &target);
        canvas.Draw(0, 0, &bitmap);
    }
    const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
    EXPECT_EQ(target.pixel(9, 5), red);
    EXPECT_EQ(target.pixel(10, 5), white);
    EXPECT_EQ(target.pixel(9, 6), white);

    // Back to 1: the same logical size on as many pixels, white again.
    bitmap.SetDevicePixelRatio(1);
    EXPECT_EQ(bitmap.Image().size(), QSize(10, 6));
    EXPECT_EQ(bitmap.Image().pixel(0, 0), white);
}

} // namespace
