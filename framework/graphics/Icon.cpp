#include "framework/graphics/Icon.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/ImageData.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

VQ_PUBLISH(TIcon) {
    P.Inherit();
}

TIcon::TIcon() {
    SetTransparent(true);
    SetModified(false);
}

void TIcon::Assign(const TPersistent* Source) {
    if (!Source) {
        FImage = QImage();
        FData.clear();
        Changed();
        return;
    }
    if (auto* src = dynamic_cast<const TIcon*>(Source)) {
        if (src == this) return;
        FImage = src->FImage;
        FData = src->FData;
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

void TIcon::SetWidth(int value) {
    if (value != Width())
        throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an icon"));
}

void TIcon::SetHeight(int value) {
    if (value != Height())
        throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an icon"));
}

void TIcon::SetImage(const QImage& image) {
    FImage = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32);
    FData.clear();
    Changed();
}

QIcon TIcon::Handle() const {
    return FImage.isNull() ? QIcon() : QIcon(QPixmap::fromImage(FImage));
}

void TIcon::Draw(TCanvas* canvas, const TRect& rect) const {
    if (!canvas || FImage.isNull()) return;
    canvas->Paint([&](QPainter& p) { p.drawImage(QPoint(rect.Left, rect.Top), FImage); });
}

void TIcon::LoadFromStream(const QByteArray& data) {
    if (data.isEmpty()) {
        if (FImage.isNull()) return;
        FImage = QImage();
        FData.clear();
        Changed();
        return;
    }
    QImage best = DecodeBitmapIcon(data);
    if (best.isNull()) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        UseImageFormatOf(reader, data);
        // An icon file holds several sizes: keep the largest.
        for (int i = 0, n = std::max(1, reader.imageCount()); i < n; ++i) {
            if (i > 0 && !reader.jumpToImage(i)) break;
            const QImage img = reader.read();
            if (!img.isNull() && img.width() * img.height() > best.width() * best.height())
                best = img;
        }
    }
    if (best.isNull()) throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
    FImage = best.convertToFormat(QImage::Format_ARGB32);
    FData = data;
    Changed();
}

QByteArray TIcon::SaveToStream() const {
    if (FImage.isNull()) return {};
    if (!FData.isEmpty()) return FData;
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!FImage.save(&buffer, "ICO")) {
        out.clear();
        buffer.seek(0);
        FImage.save(&buffer, "PNG");
    }
    return out;
}
