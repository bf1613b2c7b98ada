#pragma once
// TBitmap: a raster image held in a QImage, in colour or monochrome (black 0 / white 1 pixels),
// with a canvas of its own for drawing on it.

#include "framework/graphics/Graphic.h"
#include "framework/graphics/ImageData.h"

#include <QImage>
#include <memory>

class TCanvas;

VQ_ENUM(TTransparentMode, uint8_t, tmAuto, tmFixed)

class TBitmap : public TGraphic {
    VQ_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    void Assign(const TPersistent* Source) override;

    bool Empty() const override { return FImage.isNull() && !FEncoded.Pending(); }
    // Sizes in logical pixels: the image's pixels divided by DevicePixelRatio.
    int Width() const override;
    void SetWidth(int value) override { SetSize(value, Height()); }
    int Height() const override;
    void SetHeight(int value) override { SetSize(Width(), value); }
    // Keeps the content at the top left; new pixels are white. A zero side makes it empty.
    void SetSize(int width, int height);
    // Image pixels per logical pixel: 1. An off-screen buffer for a screen scaled by a factor
    // takes that factor, so what is drawn on it in logical coordinates stays sharp when copied
    // to the screen. A change keeps the logical size and leaves the pixels white.
    qreal DevicePixelRatio() const;
    void SetDevicePixelRatio(qreal value);

    // Monochrome (false): converting to monochrome turns light pixels white, dark ones black.
    bool Monochrome() const { return FMonochrome; }
    void SetMonochrome(bool value);

    // tmAuto: the bottom-left pixel's colour (white for a monochrome bitmap); tmFixed: the
    // colour set. Either way with the palette-relative flag 0x02000000; clDefault when empty.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value); // switches to tmFixed (clDefault: back to tmAuto)
    TTransparentMode TransparentMode() const { return FTransparentMode; } // tmAuto
    void SetTransparentMode(TTransparentMode value);

    // The drawing surface on the bitmap's pixels. Drawing on it fires OnChange.
    TCanvas* Canvas();

    // The pixels (Format_RGB32). SetImage copies the given image into the bitmap.
    const QImage& Image() const { return Pixels(); }
    void SetImage(const QImage& image);
    // Whether a pixel counts as a 1 bit when the bitmap is used as a monochrome source.
    static bool IsWhiteBit(QRgb pixel) { return qGray(pixel) >= 128; }

    void Draw(TCanvas* canvas, const TRect& rect) const override;
    // BMP or PNG data (anything Qt reads); saves as BMP. Well-formed BMP and PNG data is kept
    // as it is until the pixels are first needed, and until then saves as it came.
    void LoadFromStream(const QByteArray& data) override;
    QByteArray SaveToStream() const override;

    // For the bitmap's canvas: its pixels changed.
    void ImageChanged();

private:
    friend class TCanvasScope;
    class TBitmapCanvas;
    // The pixels, decoded first while the bitmap still holds its picture's bytes.
    QImage& Pixels() const;
    // An image as a bitmap holds it: RGB32, see-through pixels white.
    static QImage AsPixels(const QImage& image);
    void Normalise() const;

    // Mutable: decoding the kept bytes on first use changes nothing a caller can see.
    mutable QImage FImage;
    mutable TEncodedImage FEncoded;
    bool FMonochrome = false;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = tmAuto;
    qreal FRatio = 1; // for an empty image
    std::unique_ptr<TBitmapCanvas> FCanvas;
};
