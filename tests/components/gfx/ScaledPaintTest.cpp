#include "GfxControlTestSupport.h"

#include <QtMath>
#include <gtest/gtest.h>

namespace {

// The control painted by its paint request on an image of the given device pixel ratio.
QImage PaintAt(TVQGraphicControl* control, qreal ratio) {
    QImage image(qCeil(control->Width() * ratio), qCeil(control->Height() * ratio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(ColorToQColor(kUnder));
    QPainter painter(&image);
    control->PaintRequest(&painter);
    painter.end();
    return image;
}

// Each pixel of the 1x image as a 2x2 block.
QImage Doubled(const QImage& image) {
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

// A buffered control on a device of ratio 2 (a screen at 200 %) paints its buffer at 2x: what
// lies on logical pixels lands on the same 2x2 blocks, while text is drawn with the device's
// pixels instead of being 1x text scaled up. At 1.5 the buffer takes the ratio as well.
TEST(ScaledPaintTest, BufferedControlsPaintAtTheDevicePixelRatio) {
    TVQMeter meter(nullptr); // buffered, 100 by 21, lowered border
    meter.SetValue(25);
    meter.SetShowText(false);
    const QImage plain = PaintAt(&meter, 2);
    EXPECT_EQ(plain.size(), QSize(200, 42));
    EXPECT_EQ(plain.convertToFormat(QImage::Format_RGB32), Doubled(PaintAt(&meter, 1)));

    meter.SetShowText(true);
    const QImage text = PaintAt(&meter, 2).convertToFormat(QImage::Format_RGB32);
    const QImage scaledUp = Doubled(PaintAt(&meter, 1));
    EXPECT_NE(text, scaledUp);
    // Only the text differs: the bar's end and the border sit where they sat.
    EXPECT_EQ(text.pixel(2 * 25 + 1, 2 * 3), scaledUp.pixel(2 * 25 + 1, 2 * 3));
    EXPECT_EQ(text.pixel(0, 0), scaledUp.pixel(0, 0));

    const QImage half = PaintAt(&meter, 1.5);
    EXPECT_EQ(half.size(), QSize(150, 32));
    EXPECT_EQ(half.pixel(5, 6), ColorToQColor(clNavy).rgb()); // logical (3.3, 4): the bar
}

} // namespace
