#include "framework/graphics/Bitmap.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/ImageData.h"
#include "framework/graphics/WinGdi.h"

#include <QBuffer>
#include <QPainter>
#include <QtMath>

// The bitmap's canvas paints on the bitmap's own image, opening a painter per operation so the
// image is never left with an active painter while the bitmap resizes or is copied.
class TBitmap::TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* owner) : FOwner(owner) {}
    bool IsMonochrome() const override { return FOwner->FMonochrome; }

protected:
    QImage* OwnImage() const override { return &FOwner->Pixels(); }
    void ImageModified() override { FOwner->ImageChanged(); }

private:
    TBitmap* FOwner;
};

VQ_PUBLISH(TBitmap) {
    P.Inherit();
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent* Source) {
    if (!Source) {
        FEncoded.Clear();
        FImage = QImage();
        FMonochrome = false;
        Changed();
        return;
    }
    if (auto* src = dynamic_cast<const TBitmap*>(Source)) {
        if (src == this) return;
        FImage = src->FImage;
        FEncoded = src->FEncoded;
        FMonochrome = src->FMonochrome;
        FTransparentColor = src->FTransparentColor;
        FTransparentMode = src->FTransparentMode;
        SetTransparent(src->Transparent());
        Changed();
        return;
    }
    if (auto* graphic = dynamic_cast<const TGraphic*>(Source)) {
        // Another kind of graphic is rendered onto a white bitmap of its size.
        QImage img;
        if (!graphic->Empty()) {
            img = QImage(graphic->Width(), graphic->Height(), QImage::Format_RGB32);
            img.fill(Qt::white);
        }
        FEncoded.Clear();
        FImage = img;
        FMonochrome = false;
        if (!img.isNull()) graphic->Draw(Canvas(), Rect(0, 0, img.width(), img.height()));
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

QImage& TBitmap::Pixels() const {
    if (FEncoded.Pending()) {
        FImage = AsPixels(FEncoded.Decode());
        Normalise();
    }
    return FImage;
}

qreal TBitmap::DevicePixelRatio() const {
    if (FEncoded.Pending()) return 1;
    return FImage.isNull() ? FRatio : FImage.devicePixelRatio();
}

int TBitmap::Width() const {
    if (FEncoded.Pending()) return FEncoded.Size().width();
    if (FImage.devicePixelRatio() == 1) return FImage.width();
    return qRound(FImage.deviceIndependentSize().width());
}

int TBitmap::Height() const {
    if (FEncoded.Pending()) return FEncoded.Size().height();
    if (FImage.devicePixelRatio() == 1) return FImage.height();
    return qRound(FImage.deviceIndependentSize().height());
}

void TBitmap::SetDevicePixelRatio(qreal value) {
    if (value <= 0 || value == DevicePixelRatio()) return;
    const int width = Width(), height = Height();
    FEncoded.Clear();
    FImage = QImage();
    FRatio = value;
    SetSize(width, height);
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height()) return;
    QImage img;
    if (width > 0 && height > 0) {
        const qreal ratio = DevicePixelRatio();
        img = QImage(qCeil(width * ratio), qCeil(height * ratio), QImage::Format_RGB32);
        img.setDevicePixelRatio(ratio);
        img.fill(Qt::white);
        if (!Empty()) {
            QPainter p(&img);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, Pixels());
        }
    }
    FEncoded.Clear();
    FImage = img;
    Changed();
}

void TBitmap::SetMonochrome(bool value) {
    if (FMonochrome == value) return;
    FMonochrome = value;
    Normalise();
    Changed();
}

void TBitmap::Normalise() const {
    if (!FMonochrome || Pixels().isNull()) return;
    for (int y = 0; y < FImage.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(FImage.scanLine(y));
        for (int x = 0; x < FImage.width(); ++x)
            line[x] = IsWhiteBit(line[x]) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed) return FTransparentColor;
    if (Empty()) return clDefault;
    TColor c = clWhite;
    if (!FMonochrome) {
        // Pixels still kept as bytes (a hidden window's picture) stay so.
        const QImage image = FEncoded.Pending() ? AsPixels(FEncoded.BottomLeft()) : Pixels();
        if (image.isNull()) return clDefault;
        const QRgb px = image.pixel(0, image.height() - 1);
        c = RGB(qRed(px), qGreen(px), qBlue(px));
    }
    return MakeColor(uint32_t(c) | PaletteRelativeFlag);
}

void TBitmap::SetTransparentColor(TColor value) {
    if (value == FTransparentColor && FTransparentMode == (value == clDefault ? tmAuto : tmFixed))
        return;
    FTransparentColor = value;
    FTransparentMode = value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
    if (FTransparentMode == value) return;
    if (value == tmAuto)
        FTransparentColor = clDefault;
    else
        FTransparentColor = TransparentColor();
    FTransparentMode = value;
    Changed();
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<TBitmapCanvas>(this);
    }
    return FCanvas.get();
}

QImage TBitmap::AsPixels(const QImage& image) {
    if (image.isNull()) return {};
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    // See-through pixels become white, as on a freshly made bitmap.
    QImage img(image.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.drawImage(0, 0, image);
    p.end();
    return img;
}

void TBitmap::SetImage(const QImage& image) {
    FEncoded.Clear();
    FImage = AsPixels(image);
    Normalise();
    Changed();
}

void TBitmap::ImageChanged() {
    Normalise();
    Changed();
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect) const {
    if (!canvas || Empty()) return;
    const QImage& image = Pixels();
    const QRect src = image.rect();
    const QRect dst(rect.Left, rect.Top, rect.Width(), rect.Height());
    if (image.devicePixelRatio() != 1 && dst.size() == QSize(Width(), Height()) && !Transparent() &&
        !FMonochrome && canvas->CopyMode() == cmSrcCopy) {
        // Pixel for pixel onto a device of the same ratio, so the copy stays sharp.
        canvas->Paint([&](QPainter& p) {
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(dst.topLeft(), image);
        });
        return;
    }
    if (Transparent())
        StretchBltImageTransparent(canvas, dst, image, src, TransparentColor());
    else
        StretchBltImage(canvas, dst, image, src, FMonochrome, clWhite,
                        uint32_t(canvas->CopyMode()));
}

void TBitmap::LoadFromStream(const QByteArray& data) {
    if (data.isEmpty()) {
        if (Empty()) return;
        FEncoded.Clear();
        FImage = QImage();
        FMonochrome = false;
        Changed();
        return;
    }
    if (FEncoded.Keep(data)) {
        FImage = QImage();
        FMonochrome = FEncoded.Monochrome();
        Changed();
        return;
    }
    const QImage img = DecodeImage(data);
    if (img.isNull()) throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    const bool mono = img.format() == QImage::Format_Mono || img.format() == QImage::Format_MonoLSB;
    FMonochrome = mono;
    SetImage(img);
}

QByteArray TBitmap::SaveToStream() const {
    if (Empty()) return {};
    if (FEncoded.Pending()) return FEncoded.Bytes();
    const QImage& image = Pixels();
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (FMonochrome)
        image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither).save(&buffer, "BMP");
    else
        image.save(&buffer, "BMP");
    return out;
}
