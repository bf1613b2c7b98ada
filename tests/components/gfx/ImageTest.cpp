#include "GfxControlTestSupport.h"

#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"

#include <gtest/gtest.h>

namespace {

void LoadBitmap(TVQImage& image, const TBitmap& bitmap) {
    image.Picture()->Assign(&bitmap);
}

// --- Size rules -------------------------------------------------------------------------------

TEST(ImageSizeTest, AutoSizeMakesTheInnerRectangleThePicturesSize) {
    TVQImage image(nullptr);
    image.SetBorderStyle(vqbsLowered);
    LoadBitmap(image, *CoordinateBitmap(32, 32));
    EXPECT_EQ(image.Width(), 36);
    EXPECT_EQ(image.Height(), 36);
    image.SetBounds(5, 6, 200, 10);
    EXPECT_EQ(image.BoundsRect(), Rect(5, 6, 41, 42));
    image.SetBorderStyle(vqbsStatus);
    EXPECT_EQ(image.Width(), 34);
}

struct AspectCase {
    int Height, Width;
};

TEST(ImageSizeTest, AspectStretchWidthFollowsTheHeightInWholePercent) {
    const AspectCase cases[] = {{45, 60}, {44, 58}, {30, 40}, {15, 20}, {31, 41}};
    TVQImage image(nullptr);
    image.SetStyle(vqisAspectStretch);
    LoadBitmap(image, *CoordinateBitmap(40, 30));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Height);
        image.SetBounds(0, 0, 999, c.Height);
        EXPECT_EQ(image.Height(), c.Height);
        EXPECT_EQ(image.Width(), c.Width);
    }
}

TEST(ImageSizeTest, WithoutAGraphicRequestsApplyUnchanged) {
    TVQImage image(nullptr);
    image.SetBounds(0, 0, 17, 19);
    EXPECT_EQ(image.Width(), 17);
    EXPECT_EQ(image.Height(), 19);
}

// --- Placement --------------------------------------------------------------------------------

TEST(ImagePaintTest, CentreOffsetsAreHalfTheSpareRoomAndMayBeNegative) {
    TVQImage image(nullptr);
    image.SetStyle(vqisCenter);
    image.SetBounds(0, 0, 60, 60);
    LoadBitmap(image, *CoordinateBitmap(32, 32));
    QImage img = PaintControl(&image);
    EXPECT_EQ(PixelAt(img, 14, 14), CoordinateColor(0, 0));
    EXPECT_EQ(PixelAt(img, 45, 45), CoordinateColor(31, 31));
    EXPECT_EQ(PixelAt(img, 13, 14), kUnder); // Color clNone: the background shows
    EXPECT_EQ(PixelAt(img, 46, 45), kUnder);

    LoadBitmap(image, *CoordinateBitmap(75, 20));
    img = PaintControl(&image);
    EXPECT_EQ(PixelAt(img, 0, 20), CoordinateColor(7, 0));
    EXPECT_EQ(PixelAt(img, 59, 20), CoordinateColor(66, 0));
}

TEST(ImagePaintTest, TopLeftAndStretchPlacements) {
    TVQImage image(nullptr);
    image.SetStyle(vqisTopLeft);
    image.SetBorderStyle(vqbsSingle);
    image.SetBounds(0, 0, 50, 50);
    LoadBitmap(image, *CoordinateBitmap(10, 10));
    QImage img = PaintControl(&image);
    EXPECT_EQ(PixelAt(img, 1, 1), CoordinateColor(0, 0));
    EXPECT_EQ(PixelAt(img, 11, 11), kUnder);

    image.SetStyle(vqisStretch);
    image.SetBounds(0, 0, 22, 22); // inner 20 by 20: each pixel doubled
    img = PaintControl(&image);
    EXPECT_EQ(PixelAt(img, 1, 1), CoordinateColor(0, 0));
    EXPECT_EQ(PixelAt(img, 20, 20), CoordinateColor(9, 9));
}

TEST(ImagePaintTest, TilesFillTheInnerRectangleRowByRow) {
    TVQImage image(nullptr);
    image.SetStyle(vqisTile);
    image.SetBounds(0, 0, 64, 64);
    LoadBitmap(image, *CoordinateBitmap(32, 32));
    QImage img = PaintControl(&image);
    for (int ty : {0, 32})
        for (int tx : {0, 32}) {
            EXPECT_EQ(PixelAt(img, tx, ty), CoordinateColor(0, 0));
            EXPECT_EQ(PixelAt(img, tx + 31, ty + 31), CoordinateColor(31, 31));
        }

    // One more column: a third tile per row, cut to one pixel.
    image.SetBounds(0, 0, 65, 64);
    img = PaintControl(&image);
    EXPECT_EQ(PixelAt(img, 64, 0), CoordinateColor(0, 0));
    EXPECT_EQ(PixelAt(img, 64, 40), CoordinateColor(0, 8));
}

// A bitmap of solid red with a green bottom-left pixel (its transparent colour) and a green
// square in the middle.
std::unique_ptr<TBitmap> KeyedBitmap() {
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 0));
    for (int y = 3; y < 7; ++y)
        for (int x = 3; x < 7; ++x)
            img.setPixel(x, y, qRgb(0, 128, 0));
    img.setPixel(0, 9, qRgb(0, 128, 0));
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetImage(img);
    return bmp;
}

TEST(ImagePaintTest, TransparentBitmapShowsTheBackgroundOrColourThroughItsKeyColour) {
    TVQImage image(nullptr);
    image.SetStyle(vqisTopLeft);
    image.SetBounds(0, 0, 10, 10);
    LoadBitmap(image, *KeyedBitmap());
    EXPECT_EQ(PixelAt(PaintControl(&image), 5, 5), Rgb(clGreen)); // opaque by default

    image.SetTransparent(true);
    QImage img = PaintControl(&image);
    EXPECT_EQ(PixelAt(img, 5, 5), kUnder);
    EXPECT_EQ(PixelAt(img, 1, 1), Rgb(clRed));

    image.SetColor(clYellow);
    img = PaintControl(&image);
    EXPECT_EQ(PixelAt(img, 5, 5), Rgb(clYellow));
}

TEST(ImagePaintTest, TransparentTilesUseOneScratchTileOverTheBackground) {
    TVQImage image(nullptr);
    image.SetStyle(vqisTile);
    image.SetTransparent(true);
    image.SetBounds(0, 0, 20, 15);
    LoadBitmap(image, *KeyedBitmap());
    QImage img = PaintControl(&image);
    EXPECT_EQ(PixelAt(img, 5, 5), kUnder);
    EXPECT_EQ(PixelAt(img, 15, 5), kUnder);
    EXPECT_EQ(PixelAt(img, 11, 11), Rgb(clRed));
    EXPECT_EQ(PixelAt(img, 15, 13), kUnder); // second row, cut, through the key colour

    image.SetColor(clBlue);
    img = PaintControl(&image);
    EXPECT_EQ(PixelAt(img, 15, 5), Rgb(clBlue));
    EXPECT_EQ(PixelAt(img, 15, 13), Rgb(clBlue));
}

TEST(ImagePaintTest, OnPaintFollowsThePictureOnTheClippedCanvas) {
    TVQImage image(nullptr);
    image.SetBorderStyle(vqbsLowered);
    image.SetStyle(vqisStretch);
    image.SetBounds(0, 0, 20, 20);
    int calls = 0;
    image.OnPaint = [&](TObject* sender) {
        EXPECT_EQ(sender, &image);
        ++calls;
        image.Canvas()->FillRectColor(Rect(0, 0, 20, 20), clRed);
    };
    const QImage img = PaintControl(&image);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(PixelAt(img, 2, 2), Rgb(clRed));
    EXPECT_EQ(PixelAt(img, 0, 10), Rgb(clBtnShadow));
}

TEST(ImagePaintTest, ZeroSizedTileGraphicDoesNotLoop) {
    TVQImage image(nullptr);
    image.SetStyle(vqisTile);
    TIcon icon; // empty
    image.Picture()->Assign(&icon);
    EXPECT_NO_THROW(PaintControl(&image));
}

// --- AutoColor --------------------------------------------------------------------------------

TEST(ImageAutoColorTest, TakesTheBitmapsTransparentColourUntilAColourIsSetByHand) {
    TVQImage image(nullptr);
    LoadBitmap(image, *KeyedBitmap());
    image.SetAutoColor(true);
    EXPECT_EQ(image.Color(), TColor(0x02008000));
    EXPECT_TRUE(image.AutoColor());
    EXPECT_FALSE(image.ParentColor());

    image.SetColor(clBlue);
    EXPECT_FALSE(image.AutoColor());
    LoadBitmap(image, *CoordinateBitmap(4, 4));
    EXPECT_EQ(image.Color(), clBlue);
}

TEST(ImageAutoColorTest, LoadedColourKeepsAutoColor) {
    RegisterVQGfxCmpClasses();
    TForm form(nullptr);
    TFormReader::ReadInto(&form,
                          "object Form1: TForm\n"
                          "  object Image1: TVQImage\n"
                          "    AutoColor = True\n"
                          "    Color = clRed\n"
                          "    ParentColor = False\n"
                          "  end\n"
                          "end\n",
                          QStringLiteral("test"));
    auto* image = dynamic_cast<TVQImage*>(form.FindComponent(QStringLiteral("Image1")));
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->AutoColor());
    EXPECT_EQ(image->Color(), clRed);
}

// --- Linking ----------------------------------------------------------------------------------

class ImageLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form.SetName(QStringLiteral("Form1"));
        A = Add("A");
        B = Add("B");
        C = Add("C");
        LoadBitmap(*A, *CoordinateBitmap(8, 8));
    }
    TVQImage* Add(const char* name) {
        auto* image = new TVQImage(&Form);
        image->SetName(QString::fromLatin1(name));
        image->SetParent(&Form);
        return image;
    }
    TForm Form{nullptr};
    TVQImage* A = nullptr;
    TVQImage* B = nullptr;
    TVQImage* C = nullptr;
};

TEST_F(ImageLinkTest, LinkedImageCopiesAndFollowsItsSource) {
    B->SetPictureControl(A);
    EXPECT_EQ(B->PictureControl(), A);
    EXPECT_EQ(B->Picture()->Width(), 8);

    LoadBitmap(*A, *CoordinateBitmap(12, 6));
    EXPECT_EQ(B->Picture()->Width(), 12);
    EXPECT_EQ(B->Width(), 12); // and B's own size rules ran

    B->SetPictureControl(nullptr);
    EXPECT_EQ(B->Picture()->Width(), 12);
    LoadBitmap(*A, *CoordinateBitmap(3, 3));
    EXPECT_EQ(B->Picture()->Width(), 12);
}

TEST_F(ImageLinkTest, RefusesItselfLinkedImagesAndOtherControls) {
    B->SetPictureControl(A);
    C->SetPictureControl(B); // B is linked itself
    EXPECT_EQ(C->PictureControl(), nullptr);
    EXPECT_EQ(C->Picture()->Graphic(), nullptr);

    A->SetPictureControl(A);
    EXPECT_EQ(A->PictureControl(), nullptr);

    auto* meter = new TVQMeter(&Form);
    meter->SetParent(&Form);
    C->SetPictureControl(meter);
    EXPECT_EQ(C->PictureControl(), nullptr);

    C->SetPictureControl(A);
    C->SetPictureControl(meter); // ignored: the link stays
    EXPECT_EQ(C->PictureControl(), A);
}

TEST_F(ImageLinkTest, FreeingTheSourceUnlinksAndKeepsThePicture) {
    B->SetPictureControl(A);
    delete A;
    A = nullptr;
    EXPECT_EQ(B->PictureControl(), nullptr);
    EXPECT_EQ(B->Picture()->Width(), 8);
}

TEST_F(ImageLinkTest, DescriptionsStorePicturesOnlyForUnlinkedImages) {
    B->SetPictureControl(A);
    C->SetPictureControl(A);
    const std::string text = TFormWriter::Write(&Form);
    size_t count = 0;
    for (size_t at = text.find("Picture.Data"); at != std::string::npos;
         at = text.find("Picture.Data", at + 1))
        ++count;
    EXPECT_EQ(count, 1u);
    EXPECT_NE(text.find("PictureControl = A"), std::string::npos);
    EXPECT_EQ(text.find("About"), std::string::npos);
}

} // namespace
