#include "framework/graphics/ImageList.h"

#include "framework/classes/Component.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/ImageData.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>

VQ_PUBLISH(TImageList) {
    P.Inherit();
    P.Property("BkColor", &TImageList::BkColor, &TImageList::SetBkColor).Default(clNone);
    P.Property("Height", &TImageList::Height, &TImageList::SetHeight).Default(16);
    P.Property("Masked", &TImageList::Masked, &TImageList::SetMasked).Default(true);
    P.Property("Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
    P.Event("OnChange", &TImageList::OnChange, "TNotifyEvent");
    // Last, so that a description sets the size before the images arrive.
    P.Property("Bitmap", &TImageList::ImageData, &TImageList::SetImageData);
}

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}

TImageList::~TImageList() {
    for (TChangeLink* link : FLinks)
        link->SetSender(nullptr);
}

void TImageList::Changed() {
    Fire(OnChange, this);
    // A link may unregister itself (or others) while being told.
    const std::vector<TChangeLink*> links = FLinks;
    for (TChangeLink* link : links)
        if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end()) link->Change();
}

void TImageList::SetWidth(int value) {
    SetSize(value, FHeight);
}

void TImageList::SetHeight(int value) {
    SetSize(FWidth, value);
}

void TImageList::SetSize(int width, int height) {
    width = std::max(1, width);
    height = std::max(1, height);
    if (width == FWidth && height == FHeight) return;
    FWidth = width;
    FHeight = height;
    FStrip.Clear();
    FImages.clear();
    Changed();
}

int TImageList::Count() const {
    if (FStrip.Pending()) return FStrip.Size().width() / FWidth;
    return int(FImages.size());
}

void TImageList::Settle() const {
    if (FStrip.Pending()) Cut(FStrip.Decode());
}

void TImageList::Cut(const QImage& strip) const {
    const QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    FImages.clear();
    for (int i = 0; i < argb.width() / FWidth; ++i)
        FImages.push_back(argb.copy(i * FWidth, 0, FWidth, FHeight));
}

void TImageList::SetMasked(bool value) {
    if (FMasked == value) return;
    FMasked = value;
    Changed();
}

void TImageList::SetBkColor(TColor value) {
    if (FBkColor == value) return;
    FBkColor = value;
    Changed();
}

int TImageList::AddPieces(const QImage& argb) {
    if (argb.isNull()) return -1;
    Settle();
    const int first = Count();
    const int pieces = std::max(1, argb.width() / FWidth);
    for (int i = 0; i < pieces; ++i)
        FImages.push_back(argb.copy(i * FWidth, 0, FWidth, FHeight));
    Changed();
    return first;
}

namespace {

// Colour pixels with alpha from a mask: white (1) mask pixels become see-through.
QImage Combine(const TBitmap* image, const TBitmap* mask) {
    QImage out = image->Image().convertToFormat(QImage::Format_ARGB32);
    if (!mask || mask->Empty()) return out;
    const QImage& m = mask->Image();
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const bool clear = m.valid(x, y) && TBitmap::IsWhiteBit(m.pixel(x, y));
            if (clear) line[x] &= 0x00FFFFFFu;
        }
    }
    return out;
}

} // namespace

int TImageList::Add(const TBitmap* image, const TBitmap* mask) {
    if (!image || image->Empty()) return -1;
    return AddPieces(Combine(image, mask));
}

int TImageList::AddMasked(const TBitmap* image, TColor maskColor) {
    if (!image || image->Empty()) return -1;
    if (maskColor == clDefault) maskColor = image->TransparentColor();
    const QRgb key = ColorToQRgb(maskColor) & 0xFFFFFF;
    QImage out = image->Image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key) line[x] &= 0x00FFFFFFu;
    }
    return AddPieces(out);
}

int TImageList::AddImage(const QImage& image) {
    if (image.isNull()) return -1;
    Settle();
    const int first = Count();
    FImages.push_back(image.convertToFormat(QImage::Format_ARGB32).copy(0, 0, FWidth, FHeight));
    Changed();
    return first;
}

void TImageList::Replace(int index, const TBitmap* image, const TBitmap* mask) {
    if (index < 0 || index >= Count())
        throw EInvalidOperation(QStringLiteral("Invalid image list index"));
    if (!image || image->Empty()) return;
    Settle();
    FImages[size_t(index)] = Combine(image, mask).copy(0, 0, FWidth, FHeight);
    Changed();
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count())
        throw EInvalidOperation(QStringLiteral("Invalid image list index"));
    Settle();
    FImages.erase(FImages.begin() + index);
    Changed();
}

void TImageList::Move(int curIndex, int newIndex) {
    if (curIndex < 0 || curIndex >= Count() || newIndex < 0 || newIndex >= Count())
        throw EInvalidOperation(QStringLiteral("Invalid image list index"));
    if (curIndex == newIndex) return;
    Settle();
    QImage img = FImages[size_t(curIndex)];
    FImages.erase(FImages.begin() + curIndex);
    FImages.insert(FImages.begin() + newIndex, img);
    Changed();
}

void TImageList::Clear() {
    if (Count() == 0) return;
    FStrip.Clear();
    FImages.clear();
    Changed();
}

QImage TImageList::Image(int index) const {
    if (index < 0 || index >= Count()) return {};
    Settle();
    if (index >= Count()) return {}; // the kept strip failed to decode after all
    if (FMasked) return FImages[size_t(index)];
    return FImages[size_t(index)]
        .convertToFormat(QImage::Format_RGB32)
        .convertToFormat(QImage::Format_ARGB32);
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) const {
    if (!canvas) return;
    QImage img = Image(index);
    if (img.isNull()) return;
    if (enabled) {
        canvas->Paint([&](QPainter& p) { p.drawImage(QPoint(x, y), img); });
        return;
    }
    // Disabled: the image's shape (its dark, opaque pixels) embossed.
    auto shape = [&img](TColor color) {
        QImage s(img.size(), QImage::Format_ARGB32);
        const QRgb c = ColorToQRgb(color);
        for (int j = 0; j < img.height(); ++j)
            for (int i = 0; i < img.width(); ++i) {
                const QRgb px = img.pixel(i, j);
                s.setPixel(i, j, qAlpha(px) != 0 && qGray(px) < 192 ? c : 0u);
            }
        return s;
    };
    const QImage light = shape(clBtnHighlight), dark = shape(clBtnShadow);
    canvas->Paint([&](QPainter& p) {
        p.drawImage(QPoint(x + 1, y + 1), light);
        p.drawImage(QPoint(x, y), dark);
    });
}

void TImageList::GetBitmap(int index, TBitmap* bitmap) const {
    if (!bitmap || index < 0 || index >= Count()) return;
    QImage out(FWidth, FHeight, QImage::Format_RGB32);
    out.fill(FBkColor == clNone ? QColor(Qt::white) : ColorToQColor(FBkColor));
    {
        QPainter p(&out);
        p.drawImage(0, 0, Image(index));
    }
    bitmap->SetImage(out);
}

void TImageList::RegisterChanges(TChangeLink* link) {
    if (!link || std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end()) return;
    if (link->Sender() && link->Sender() != this) link->Sender()->UnRegisterChanges(link);
    link->SetSender(this);
    FLinks.push_back(link);
}

void TImageList::UnRegisterChanges(TChangeLink* link) {
    auto it = std::find(FLinks.begin(), FLinks.end(), link);
    if (it == FLinks.end()) return;
    FLinks.erase(it);
    if (link->Sender() == this) link->SetSender(nullptr);
}

QByteArray TImageList::ImageData() const {
    if (FStrip.Pending()) return FStrip.Bytes();
    Settle();
    if (FImages.empty()) return {};
    QImage strip(FWidth * Count(), FHeight, QImage::Format_ARGB32);
    strip.fill(0);
    {
        QPainter p(&strip);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (int i = 0; i < Count(); ++i)
            p.drawImage(i * FWidth, 0, FImages[size_t(i)]);
    }
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    strip.save(&buffer, "PNG");
    return out;
}

void TImageList::SetImageData(const QByteArray& value) {
    if (value.isEmpty()) {
        Clear();
        return;
    }
    TEncodedImage kept;
    QImage strip;
    QSize size;
    if (kept.Keep(value)) {
        size = kept.Size();
    } else {
        strip = DecodeImage(value);
        if (strip.isNull()) throw EInvalidGraphic(QStringLiteral("Image list data is not valid"));
        size = strip.size();
    }
    if (size.height() != FHeight || size.width() % FWidth != 0)
        throw EInvalidGraphic(
            Exception::Format(QStringLiteral("Image list data of %dx%d does not fit images of "
                                             "%dx%d"),
                              {QString::number(size.width()), QString::number(size.height()),
                               QString::number(FWidth), QString::number(FHeight)}));
    FStrip = kept;
    if (FStrip.Pending())
        FImages.clear();
    else
        Cut(strip);
    Changed();
}
