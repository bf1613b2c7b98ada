// Canvas drawing on bitmaps and inside a widget's paint event.
#include "GraphicsTestSupport.h"

#include "framework/graphics/CanvasScope.h"
#include "framework/graphics/WinGdi.h"

#include <QPaintEvent>
#include <QWidget>
#include <functional>

namespace {

TEST(CanvasDrawTest, LinesLeaveOutTheirEndPoint) {
    auto bmp = FilledBitmap(10, 10, clWhite);
    TCanvas* c = bmp->Canvas();
    c->MoveTo(1, 1);
    c->LineTo(5, 1);
    EXPECT_EQ(c->Pixels(1, 1), clBlack);
    EXPECT_EQ(c->Pixels(4, 1), clBlack);
    EXPECT_EQ(c->Pixels(5, 1), clWhite);
    EXPECT_EQ(c->PenPos(), Point(5, 1));
    c->LineTo(5, 4); // continues from the pen position, down
    EXPECT_EQ(c->Pixels(5, 1), clBlack);
    EXPECT_EQ(c->Pixels(5, 3), clBlack);
    EXPECT_EQ(c->Pixels(5, 4), clWhite);
    c->MoveTo(8, 8);
    c->LineTo(8, 6); // upwards
    EXPECT_EQ(c->Pixels(8, 8), clBlack);
    EXPECT_EQ(c->Pixels(8, 7), clBlack);
    EXPECT_EQ(c->Pixels(8, 6), clWhite);
}

TEST(CanvasDrawTest, XorPenDrawnTwiceRestores) {
    auto bmp = FilledBitmap(10, 10, RGB(10, 200, 30));
    TCanvas* c = bmp->Canvas();
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetColor(clWhite);
    c->MoveTo(0, 5);
    c->LineTo(10, 5);
    EXPECT_EQ(c->Pixels(3, 5), RGB(245, 55, 225));
    c->MoveTo(0, 5);
    c->LineTo(10, 5);
    EXPECT_EQ(c->Pixels(3, 5), RGB(10, 200, 30));
}

TEST(CanvasDrawTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    auto bmp = FilledBitmap(10, 10, clWhite);
    TCanvas* c = bmp->Canvas();
    c->Pen()->SetColor(clRed);
    c->Brush()->SetColor(clBlue);
    c->Rectangle(1, 1, 6, 6);
    EXPECT_EQ(c->Pixels(1, 1), clRed);
    EXPECT_EQ(c->Pixels(5, 5), clRed);
    EXPECT_EQ(c->Pixels(3, 3), clBlue);
    EXPECT_EQ(c->Pixels(6, 6), clWhite) << "right and bottom exclusive";
    c->Pen()->SetStyle(psClear);
    c->Brush()->SetColor(clLime);
    c->Rectangle(1, 1, 6, 6);
    EXPECT_EQ(c->Pixels(1, 1), clLime);
    EXPECT_EQ(c->Pixels(4, 4), clLime);
    EXPECT_EQ(c->Pixels(5, 5), clRed) << "without a pen the fill stops one pixel short";
}

TEST(CanvasDrawTest, FillAndFrameUseTheBrush) {
    auto bmp = FilledBitmap(10, 10, clWhite);
    TCanvas* c = bmp->Canvas();
    c->Brush()->SetColor(clGreen);
    c->FillRect(Rect(2, 2, 4, 4));
    EXPECT_EQ(c->Pixels(2, 2), clGreen);
    EXPECT_EQ(c->Pixels(3, 3), clGreen);
    EXPECT_EQ(c->Pixels(4, 4), clWhite);
    c->Brush()->SetColor(clNavy);
    c->FrameRect(Rect(5, 5, 9, 9));
    EXPECT_EQ(c->Pixels(5, 5), clNavy);
    EXPECT_EQ(c->Pixels(8, 8), clNavy);
    EXPECT_EQ(c->Pixels(6, 6), clWhite);
    FrameRect(c, Rect(0, 0, 3, 3), clRed);
    EXPECT_EQ(c->Pixels(0, 2), clRed);
    EXPECT_EQ(c->Brush()->Color(), clNavy) << "the colour call leaves the brush alone";
}

TEST(CanvasDrawTest, PolygonFillsTheArrowShape) {
    auto bmp = FilledBitmap(12, 8, clWhite);
    TCanvas* c = bmp->Canvas();
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetColor(clBlack);
    c->Polygon({Point(6, 6), Point(11, 1), Point(1, 1)});
    EXPECT_EQ(c->Pixels(6, 3), clBlack);
    EXPECT_EQ(c->Pixels(1, 5), clWhite);
    EXPECT_EQ(c->Pixels(11, 5), clWhite);
}

TEST(CanvasDrawTest, ClippingLimitsEveryOperation) {
    auto bmp = FilledBitmap(10, 10, clWhite);
    TCanvas* c = bmp->Canvas();
    EXPECT_EQ(IntersectClipRect(c, 2, 2, 5, 5), SIMPLEREGION);
    EXPECT_EQ(c->ClipRect(), Rect(2, 2, 5, 5));
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(c->Pixels(1, 1), clWhite);
    EXPECT_EQ(c->Pixels(2, 2), clRed);
    EXPECT_EQ(c->Pixels(5, 5), clWhite);
    EXPECT_EQ(ExcludeClipRect(c, 3, 3, 4, 4), COMPLEXREGION);
    c->Brush()->SetColor(clBlue);
    c->FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(c->Pixels(3, 3), clRed);
    EXPECT_EQ(c->Pixels(2, 2), clBlue);
    EXPECT_EQ(IntersectClipRect(c, 7, 7, 9, 9), NULLREGION);
    SelectClipRect(c, nullptr);
    EXPECT_FALSE(c->HasClipRegion());
    EXPECT_EQ(c->ClipRect(), Rect(0, 0, 10, 10));
}

TEST(CanvasDrawTest, CopyRectHonoursTheCopyMode) {
    auto src = FilledBitmap(4, 4, RGB(0x0F, 0xF0, 0x00));
    auto dst = FilledBitmap(4, 4, RGB(0xFF, 0x00, 0x0F));
    dst->Canvas()->SetCopyMode(cmSrcPaint);
    dst->Canvas()->CopyRect(Rect(0, 0, 2, 2), src->Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(dst->Canvas()->Pixels(1, 1), RGB(0xFF, 0xF0, 0x0F));
    EXPECT_EQ(dst->Canvas()->Pixels(2, 2), RGB(0xFF, 0x00, 0x0F));
}

TEST(CanvasDrawTest, DrawingOnABitmapCanvasReportsChanges) {
    TBitmap bmp(4, 4);
    int bitmapChanges = 0, canvasChanges = 0;
    bmp.OnChange = [&](TObject*) { ++bitmapChanges; };
    bmp.Canvas()->OnChange = [&](TObject*) { ++canvasChanges; };
    bmp.Canvas()->FillRect(Rect(0, 0, 2, 2));
    bmp.Canvas()->SetPixels(3, 3, clRed);
    EXPECT_EQ(bitmapChanges, 2);
    EXPECT_EQ(canvasChanges, 2);
}

// A widget whose paint event hands a canvas on its painter to a test.
class TPaintProbe : public QWidget {
public:
    std::function<void(TCanvas*)> OnPaint;

protected:
    void paintEvent(QPaintEvent*) override {
        TCanvas canvas;
        TCanvasScope scope(&canvas, this);
        if (OnPaint) OnPaint(&canvas);
    }
};

TEST(WidgetCanvasTest, PaintsAndReadsPixelsThroughThePaintersDevice) {
    TPaintProbe w;
    w.resize(20, 20);
    bool painted = false;
    TColor readBack = clNone, xorResult = clNone;
    w.OnPaint = [&](TCanvas* c) {
        painted = true;
        EXPECT_TRUE(c->HandleAllocated());
        c->Brush()->SetColor(clRed);
        c->FillRect(Rect(0, 0, 20, 20));
        c->Brush()->SetColor(clBlue);
        c->FillRect(Rect(2, 2, 4, 4));
        readBack = c->Pixels(3, 3);
        c->Brush()->SetColor(clWhite);
        PatBlt(c, 10, 10, 2, 2, PATINVERT);
        xorResult = c->Pixels(10, 10);
    };
    QImage target(30, 30, QImage::Format_RGB32);
    target.fill(Qt::black);
    w.render(&target, QPoint(5, 5)); // painting moved by an offset, as inside a parent
    ASSERT_TRUE(painted);
    EXPECT_EQ(readBack, clBlue);
    EXPECT_EQ(xorResult, clAqua) << "raster operations run on a widget canvas";
    EXPECT_EQ(QColor(target.pixel(5 + 3, 5 + 3)), QColor(Qt::blue));
    EXPECT_EQ(QColor(target.pixel(5 + 10, 5 + 10)), QColor(Qt::cyan));
    EXPECT_EQ(QColor(target.pixel(2, 2)), QColor(Qt::black)) << "nothing outside the widget";
}

TEST(WidgetCanvasTest, BlitsCopyFromTheWidgetIntoABitmap) {
    TPaintProbe w;
    w.resize(10, 10);
    TBitmap copy(4, 4);
    w.OnPaint = [&](TCanvas* c) {
        c->Brush()->SetColor(clYellow);
        c->FillRect(Rect(0, 0, 10, 10));
        c->SetPixels(6, 6, clPurple);
        BitBlt(copy.Canvas(), 0, 0, 4, 4, c, 3, 3, SRCCOPY);
    };
    QImage target(10, 10, QImage::Format_RGB32);
    w.render(&target);
    EXPECT_EQ(copy.Canvas()->Pixels(0, 0), clYellow);
    EXPECT_EQ(copy.Canvas()->Pixels(3, 3), clPurple);
}

} // namespace
