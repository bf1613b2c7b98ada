// Bitmaps, icons, metafiles and the picture container with its stored data.
#include "GraphicsTestSupport.h"

#include "framework/classes/ClassRegistry.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/ImageData.h"
#include "framework/graphics/Metafile.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/WinGdi.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <memory>

namespace {

TEST(BitmapTest, TransparentColourIsTheBottomLeftPixelRelativeToThePalette) {
    TBitmap bmp(3, 3);
    bmp.Canvas()->FillRectColor(Rect(0, 0, 3, 3), clRed);
    bmp.Canvas()->SetPixels(0, 2, clGreen);
    EXPECT_EQ(bmp.TransparentColor(), MakeColor(0x02008000));
    bmp.SetMonochrome(true);
    EXPECT_EQ(bmp.TransparentColor(), MakeColor(0x02FFFFFF)) << "monochrome: white";
    bmp.SetTransparentColor(clBlue);
    EXPECT_EQ(bmp.TransparentMode(), tmFixed);
    EXPECT_EQ(bmp.TransparentColor(), clBlue);
    bmp.SetTransparentMode(tmAuto);
    EXPECT_EQ(bmp.TransparentColor(), MakeColor(0x02FFFFFF));
    EXPECT_EQ(TBitmap().TransparentColor(), clDefault);
}

TEST(BitmapTest, ResizingKeepsTheContentAndWhitensNewPixels) {
    TBitmap bmp(2, 2);
    bmp.Canvas()->FillRectColor(Rect(0, 0, 2, 2), clRed);
    bmp.SetSize(4, 3);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(bmp.Canvas()->Pixels(3, 2), clWhite);
    bmp.SetWidth(0);
    EXPECT_TRUE(bmp.Empty());
}

TEST(BitmapTest, MonochromeTurnsLightPixelsWhiteAndDarkBlack) {
    TBitmap bmp(2, 1);
    bmp.Canvas()->SetPixels(0, 0, clSilver);
    bmp.Canvas()->SetPixels(1, 0, clNavy);
    bmp.SetMonochrome(true);
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 0), clBlack);
}

TEST(BitmapTest, StreamRoundTripKeepsPixelsAndDepth) {
    TBitmap colour(3, 2);
    colour.Canvas()->SetPixels(2, 1, RGB(1, 2, 3));
    TBitmap back;
    back.LoadFromStream(colour.SaveToStream());
    EXPECT_TRUE(colour.SaveToStream().startsWith("BM"));
    EXPECT_EQ(back.Image(), colour.Image());
    EXPECT_FALSE(back.Monochrome());

    static const uint8_t rows[4] = {0x80, 0, 0x40, 0};
    std::unique_ptr<TBitmap> mono(CreateBitmap(2, 2, 1, 1, rows, sizeof rows));
    TBitmap monoBack;
    monoBack.LoadFromStream(mono->SaveToStream());
    EXPECT_TRUE(monoBack.Monochrome());
    EXPECT_EQ(monoBack.Image(), mono->Image());
}

TEST(BitmapTest, SavesTheBytesItWasLoadedFromUntilItsPixelsAreNeeded) {
    // An 8-bit indexed BMP: re-encoding it would make it 24 or 32 bits a pixel.
    QImage indexed(4, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 128), qRgb(255, 255, 0)});
    indexed.fill(1);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(indexed.save(&buffer, "BMP"));

    TBitmap bmp;
    bmp.LoadFromStream(bytes);
    EXPECT_EQ(bmp.SaveToStream(), bytes);
    bmp.Canvas()->SetPixels(0, 0, clRed); // now the pixels are the content
    EXPECT_NE(bmp.SaveToStream(), bytes);
    TBitmap back;
    back.LoadFromStream(bmp.SaveToStream());
    EXPECT_EQ(back.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(back.Canvas()->Pixels(1, 0), clYellow);
}

TEST(BitmapTest, UnreadableDataRaisesAndKeepsTheContent) {
    TBitmap bmp(2, 2);
    bmp.Canvas()->SetPixels(0, 0, clRed);
    const QImage before = bmp.Image();
    EXPECT_THROW(bmp.LoadFromStream(QByteArray("BMnot really a bitmap")), EInvalidGraphic);
    EXPECT_EQ(bmp.Image(), before);
}

// Stored pictures are read by the reader their signature names; data of any other format Qt
// reads still loads (found by Qt's probing).
TEST(BitmapTest, EveryFormatQtReadsLoadsWhateverItsSignature) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    for (const char* format : {"BMP", "PNG", "ICO", "JPEG", "PPM", "XPM"}) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, format)) << format;
        const char* named = ImageFormatOf(data);
        EXPECT_EQ(named != nullptr, QByteArray("BMP PNG ICO JPEG").contains(format)) << format;
        TBitmap bmp;
        bmp.LoadFromStream(data);
        EXPECT_EQ(QSize(bmp.Width(), bmp.Height()), QSize(3, 2)) << format;
    }
    // Qt writes no GIF: the smallest one there is, a single pixel.
    const QByteArray gif("GIF89a\x01\0\x01\0\x80\0\0\0\0\0\xff\xff\xff,\0\0\0\0\x01\0\x01\0\0"
                         "\x02\x02\x44\x01\0;",
                         35);
    EXPECT_STREQ(ImageFormatOf(gif), "gif");
    TBitmap bmp;
    bmp.LoadFromStream(gif);
    EXPECT_EQ(QSize(bmp.Width(), bmp.Height()), QSize(1, 1));
}

// Well-formed BMP and PNG bytes wait undecoded until the pixels are needed; anything else is
// decoded (and refused) where it is loaded. A bitmap answers the same either way.
TEST(BitmapTest, PictureBytesWaitOnlyWhenWhole) {
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixel(0, 2, qRgb(1, 2, 3));
    auto encode = [](const QImage& img, const char* format) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        img.save(&buffer, format);
        return data;
    };
    const QByteArray bmp = encode(image, "BMP"), png = encode(image, "PNG");
    const QByteArray monoPng = encode(image.convertToFormat(QImage::Format_Mono), "PNG");
    QByteArray badCrc = png;
    badCrc[badCrc.indexOf("IDAT") + 6] = char(badCrc[badCrc.indexOf("IDAT") + 6] ^ 0x55);
    QByteArray noIdat = png;
    const qsizetype idat = png.indexOf("IDAT") - 4;
    noIdat.remove(idat, qsizetype(12 + qFromBigEndian<quint32>(png.constData() + idat)));
    const struct {
        const char* name;
        QByteArray data;
        bool kept, loads;
    } cases[] = {
        {"bmp", bmp, true, true},
        {"png", png, true, true},
        {"one-bit png", monoPng, true, true},
        {"jpeg", encode(image, "JPEG"), false, true},
        {"truncated png", png.left(png.size() - 20), false, false},
        {"png with a bad crc", badCrc, false, false},
        {"png without pixels", noIdat, false, false},
        {"bmp header only", bmp.left(10), false, false},
    };
    EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926u); // the check value of this CRC
    for (const auto& c : cases) {
        TEncodedImage kept;
        EXPECT_EQ(kept.Keep(c.data), c.kept) << c.name;
        EXPECT_EQ(kept.Pending(), c.kept) << c.name;
        TBitmap lazy;
        if (!c.loads) {
            EXPECT_THROW(lazy.LoadFromStream(c.data), EInvalidGraphic) << c.name;
            continue;
        }
        lazy.LoadFromStream(c.data);
        const QImage decoded = DecodeImage(c.data);
        // Asked before the pixels, then after.
        for (int pass = 0; pass < 2; ++pass) {
            EXPECT_EQ(QSize(lazy.Width(), lazy.Height()), decoded.size()) << c.name;
            EXPECT_EQ(lazy.Monochrome(), decoded.format() == QImage::Format_Mono) << c.name;
            EXPECT_FALSE(lazy.Empty()) << c.name;
            const QRgb corner = decoded.pixel(0, decoded.height() - 1);
            EXPECT_EQ(lazy.TransparentColor(),
                      lazy.Monochrome()
                          ? MakeColor(0x02FFFFFF)
                          : MakeColor(uint32_t(RGB(qRed(corner), qGreen(corner), qBlue(corner))) |
                                      0x02000000))
                << c.name;
            EXPECT_EQ(lazy.Image().pixel(1, 1) | 0xFF000000, decoded.pixel(1, 1) | 0xFF000000)
                << c.name;
        }
    }
    // Chunks that check out around a body that does not inflate: found out at first use, when
    // the bitmap turns empty and draws nothing.
    QByteArray broken = png;
    const qsizetype body = broken.indexOf("IDAT") + 4;
    const auto length = qFromBigEndian<quint32>(broken.constData() + body - 8);
    for (quint32 i = 0; i < length; ++i)
        broken[body + i] = char(0xFF);
    qToBigEndian(Crc32(broken.constData() + body - 4, length + 4), broken.data() + body + length);
    TBitmap lazy;
    lazy.LoadFromStream(broken);
    EXPECT_EQ(lazy.Width(), 5);
    EXPECT_TRUE(lazy.Image().isNull());
    EXPECT_TRUE(lazy.Empty());
}

TEST(BitmapTest, PngWithAlphaLoadsOverWhite) {
    QImage png(2, 1, QImage::Format_ARGB32);
    png.setPixel(0, 0, qRgba(0, 0, 0, 0));
    png.setPixel(1, 0, qRgba(255, 0, 0, 255));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    png.save(&buffer, "PNG");
    TBitmap bmp;
    bmp.LoadFromStream(data);
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 0), clRed);
}

TEST(BitmapTest, TransparentBitmapLeavesItsTransparentColourOut) {
    TBitmap bmp(2, 2);
    bmp.Canvas()->FillRectColor(Rect(0, 0, 2, 2), clFuchsia);
    bmp.Canvas()->SetPixels(1, 0, clBlue);
    bmp.SetTransparent(true);
    auto dest = FilledBitmap(4, 4, clLime);
    dest->Canvas()->StretchDraw(Rect(0, 0, 4, 4), &bmp);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(dest->Canvas()->Pixels(3, 0), clBlue);
    EXPECT_EQ(dest->Canvas()->Pixels(3, 3), clLime);
    bmp.SetTransparent(false);
    dest->Canvas()->Draw(0, 0, &bmp);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clFuchsia);
}

// --- Pictures ---------------------------------------------------------------------------------

std::unique_ptr<TIcon> SampleIcon() {
    QImage img(4, 4, QImage::Format_ARGB32);
    img.fill(qRgba(0, 0, 255, 255));
    img.setPixel(0, 0, qRgba(0, 0, 0, 0));
    auto icon = std::make_unique<TIcon>();
    icon->SetImage(img);
    return icon;
}

TEST(PictureTest, DataCarriesTheClassTagThenTheGraphic) {
    TPicture pic;
    EXPECT_TRUE(pic.Data().isEmpty());
    TBitmap* bmp = pic.Bitmap();
    bmp->SetSize(2, 2);
    bmp->Canvas()->SetPixels(1, 1, clRed);
    const QByteArray data = pic.Data();
    EXPECT_TRUE(data.startsWith(QByteArray("\x07TBitmapBM")));

    TPicture back;
    back.SetData(data);
    ASSERT_NE(dynamic_cast<TBitmap*>(back.Graphic()), nullptr);
    EXPECT_EQ(back.Bitmap()->Image(), bmp->Image());
}

TEST(PictureTest, IconsAndMetafilesRoundTrip) {
    TPicture pic;
    pic.SetGraphic(SampleIcon().get());
    TPicture iconBack;
    iconBack.SetData(pic.Data());
    auto* icon = dynamic_cast<TIcon*>(iconBack.Graphic());
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->Width(), 4);
    EXPECT_EQ(qAlpha(icon->Image().pixel(0, 0)), 0);
    EXPECT_EQ(icon->Image().pixel(2, 2), qRgba(0, 0, 255, 255));

    TPicture meta;
    meta.Metafile()->Record(10, 10, [](TCanvas* c) {
        c->Brush()->SetColor(clRed);
        c->FillRect(Rect(0, 0, 5, 10));
    });
    TPicture metaBack;
    metaBack.SetData(meta.Data());
    ASSERT_NE(dynamic_cast<TMetafile*>(metaBack.Graphic()), nullptr);
    auto dest = FilledBitmap(20, 20, clWhite);
    dest->Canvas()->StretchDraw(Rect(0, 0, 20, 20), metaBack.Graphic());
    EXPECT_EQ(dest->Canvas()->Pixels(2, 15), clRed) << "replayed scaled by two";
    EXPECT_EQ(dest->Canvas()->Pixels(15, 2), clWhite);
}

// Icons of uncompressed 1, 4 and 8-bit bitmaps are read without Qt's plugin, to the same pixels
// as Qt's reader; other icons still go to Qt's reader.
TEST(PictureTest, BitmapIconsReadAsQtReadsThem) {
    // An icon file of one entry per size: colour index (or 24-bit colour) from a pattern, the
    // mask's 1 bits on a diagonal band.
    auto icon = [](int bits, std::initializer_list<int> sizes, int listed = -1) {
        const int colours = bits == 24 ? 0 : 1 << bits;
        QByteArray dir, images;
        auto put = [](QByteArray& out, uint32_t value, int bytes) {
            for (int i = 0; i < bytes; ++i)
                out.append(char(value >> (8 * i)));
        };
        put(dir, 0, 2);
        put(dir, 1, 2);
        put(dir, uint32_t(sizes.size()), 2);
        const int start = 6 + 16 * int(sizes.size());
        for (int n : sizes) {
            QByteArray image;
            put(image, 40, 4);
            put(image, uint32_t(n), 4);
            put(image, uint32_t(2 * n), 4);
            put(image, 1, 2);
            put(image, uint32_t(bits), 2);
            for (int i = 0; i < 6; ++i)
                put(image, 0, 4);
            for (int c = 0; c < colours; ++c)
                put(image, uint32_t(c * 0x1F3D5B) & 0xFFFFFF, 4);
            const int stride = (n * bits + 31) / 32 * 4, maskStride = (n + 31) / 32 * 4;
            for (int y = 0; y < n; ++y) {
                QByteArray row(stride, 0);
                for (int x = 0; x < n; ++x) {
                    const uint32_t value = uint32_t(x * 7 + y * 3);
                    if (bits == 24) {
                        for (int k = 0; k < 3; ++k)
                            row[3 * x + k] = char(value * (k + 5));
                    } else {
                        const int bit = x * bits;
                        row[bit / 8] = char(row[bit / 8] | (value % uint32_t(colours))
                                                               << (8 - bits - bit % 8));
                    }
                }
                image.append(row);
            }
            for (int y = 0; y < n; ++y) {
                QByteArray row(maskStride, 0);
                for (int x = 0; x < n; ++x)
                    if ((x + y) % 5 == 0) row[x / 8] = char(row[x / 8] | 0x80 >> (x % 8));
                image.append(row);
            }
            put(dir, uint32_t(listed >= 0 ? listed : n), 1);
            put(dir, uint32_t(listed >= 0 ? listed : n), 1);
            put(dir, uint32_t(colours), 1);
            put(dir, 0, 1);
            put(dir, 1, 2);
            put(dir, uint32_t(bits), 2);
            put(dir, uint32_t(image.size()), 4);
            put(dir, uint32_t(start + images.size()), 4);
            images.append(image);
        }
        return dir + images;
    };
    auto qtReads = [](const QByteArray& data) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "ico");
        QImage best;
        for (int i = 0; i < reader.imageCount(); ++i) {
            reader.jumpToImage(i);
            const QImage img = reader.read();
            if (img.width() * img.height() > best.width() * best.height()) best = img;
        }
        return best.convertToFormat(QImage::Format_ARGB32);
    };
    for (int bits : {1, 4, 8}) {
        const QByteArray data = icon(bits, {16, 33, 8});
        const QImage ours = DecodeBitmapIcon(data);
        ASSERT_FALSE(ours.isNull()) << bits;
        EXPECT_EQ(ours.size(), QSize(33, 33)) << bits;
        EXPECT_EQ(ours, qtReads(data)) << bits;
        TIcon loaded;
        loaded.LoadFromStream(data);
        EXPECT_EQ(loaded.Image(), ours) << bits;
    }
    // Left to Qt's reader: a directory whose sizes disagree with the images, 24-bit images (Qt
    // leaves their mask out), 32-bit images.
    EXPECT_TRUE(DecodeBitmapIcon(icon(4, {16}, 8)).isNull());
    EXPECT_TRUE(DecodeBitmapIcon(icon(24, {16})).isNull());
    QImage argb(5, 4, QImage::Format_ARGB32);
    argb.fill(qRgba(10, 20, 30, 128));
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(argb.save(&buffer, "ICO"));
    EXPECT_TRUE(DecodeBitmapIcon(written).isNull());
    TIcon loaded;
    loaded.LoadFromStream(written);
    EXPECT_EQ(loaded.Width(), 5);
    EXPECT_TRUE(DecodeBitmapIcon(icon(4, {16}).left(200)).isNull()) << "cut short";
}

TEST(PictureTest, BadDataRaisesAndKeepsThePicture) {
    TPicture pic;
    pic.Bitmap()->SetSize(1, 1);
    const QByteArray before = pic.Data();
    EXPECT_THROW(pic.SetData(QByteArray("\x05TFooXYZ")), EInvalidGraphic);
    EXPECT_THROW(pic.SetData(QByteArray("\x20TBitmap")), EInvalidGraphic);
    EXPECT_THROW(pic.SetData(QByteArray("\x07TBitmapgarbage")), EInvalidGraphic);
    EXPECT_THROW(pic.SetData(QByteArray("\x09TMetafileVQMFxx")), EInvalidGraphic);
    EXPECT_EQ(pic.Data(), before);
}

TEST(PictureTest, ChangesOfTheHeldGraphicReachOnChange) {
    TPicture pic;
    int changes = 0;
    pic.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &pic);
        ++changes;
    };
    TBitmap* bmp = pic.Bitmap();
    EXPECT_EQ(changes, 1) << "a new graphic";
    bmp->SetSize(3, 3);
    bmp->Canvas()->SetPixels(0, 0, clRed);
    EXPECT_EQ(changes, 3);
    pic.Icon();
    EXPECT_EQ(changes, 4) << "replaced by an icon";
    pic.Assign(nullptr);
    EXPECT_EQ(pic.Graphic(), nullptr);
}

TEST(PictureTest, AssignCopiesTheGraphic) {
    TPicture a, b;
    a.Bitmap()->SetSize(2, 2);
    b.Assign(&a);
    ASSERT_NE(b.Graphic(), nullptr);
    EXPECT_NE(b.Graphic(), a.Graphic());
    a.Bitmap()->Canvas()->SetPixels(0, 0, clRed);
    EXPECT_EQ(b.Bitmap()->Canvas()->Pixels(0, 0), clWhite);
}

// A component holding a picture, as the image controls do.
class TPictureHolder : public TComponent {
    VQ_CLASS(TPictureHolder, TComponent)
public:
    explicit TPictureHolder(TComponent* owner) : TComponent(owner) {}
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* value) { FPicture->Assign(value); }

private:
    std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
};

VQ_PUBLISH(TPictureHolder) {
    P.Inherit();
    P.Property("Picture", &TPictureHolder::Picture, &TPictureHolder::SetPicture);
}

TEST(PictureTest, FormDescriptionStoresAndReadsPictureData) {
    RegisterGraphicsClasses();
    RegisterClassesOf<TPictureHolder>();
    TPictureHolder holder(nullptr);
    holder.SetName(QStringLiteral("Holder"));
    holder.Picture()->Bitmap()->SetSize(2, 1);
    holder.Picture()->Bitmap()->Canvas()->SetPixels(1, 0, clGreen);
    const std::string text = TFormWriter::Write(&holder);
    EXPECT_NE(text.find("Picture.Data = {"), std::string::npos) << text;

    std::unique_ptr<TComponent> back(
        TFormReader::ReadNew(text, QStringLiteral("holder.vqf"), nullptr));
    auto* read = dynamic_cast<TPictureHolder*>(back.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Picture()->Data(), holder.Picture()->Data());

    TPictureHolder empty(nullptr);
    empty.SetName(QStringLiteral("Empty"));
    EXPECT_EQ(TFormWriter::Write(&empty).find("Picture.Data"), std::string::npos);
}

} // namespace
