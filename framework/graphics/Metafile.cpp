#include "framework/graphics/Metafile.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasScope.h"

#include <QDataStream>
#include <QPainter>

VQ_PUBLISH(TMetafile) {
    P.Inherit();
}

void TMetafile::Assign(const TPersistent* Source) {
    if (!Source) {
        FPicture = QPicture();
        FWidth = FHeight = 0;
        Changed();
        return;
    }
    if (auto* src = dynamic_cast<const TMetafile*>(Source)) {
        if (src == this) return;
        FPicture = src->FPicture;
        FWidth = src->FWidth;
        FHeight = src->FHeight;
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

void TMetafile::SetWidth(int value) {
    if (value == FWidth) return;
    FWidth = std::max(0, value);
    Changed();
}

void TMetafile::SetHeight(int value) {
    if (value == FHeight) return;
    FHeight = std::max(0, value);
    Changed();
}

void TMetafile::Record(int width, int height, const std::function<void(TCanvas*)>& draw) {
    QPicture picture;
    {
        TCanvas canvas;
        TCanvasScope scope(&canvas, &picture);
        if (draw) draw(&canvas);
    }
    const QRect bounds = picture.boundingRect();
    FPicture = picture;
    FWidth = width > 0 ? width : std::max(0, bounds.right() + 1);
    FHeight = height > 0 ? height : std::max(0, bounds.bottom() + 1);
    Changed();
}

void TMetafile::Draw(TCanvas* canvas, const TRect& rect) const {
    if (!canvas || FPicture.isNull() || FWidth <= 0 || FHeight <= 0) return;
    canvas->Paint([&](QPainter& p) {
        p.translate(rect.Left, rect.Top);
        p.scale(double(rect.Width()) / FWidth, double(rect.Height()) / FHeight);
        p.drawPicture(0, 0, FPicture);
    });
}

void TMetafile::LoadFromStream(const QByteArray& data) {
    if (data.isEmpty()) {
        if (FPicture.isNull()) return;
        Assign(nullptr);
        return;
    }
    QDataStream in(data);
    QByteArray sig(4, '\0');
    qint32 w = 0, h = 0;
    QByteArray body;
    if (in.readRawData(sig.data(), 4) != 4 || sig != Signature())
        throw EInvalidGraphic(QStringLiteral("Metafile is not valid"));
    in >> w >> h >> body;
    QPicture picture;
    bool ok = in.status() == QDataStream::Ok && w >= 0 && h >= 0 && body.startsWith("QPIC");
    if (ok) {
        picture.setData(body.constData(), uint(body.size()));
        // setData takes any bytes; a trial replay tells whether they are a recorded drawing.
        QImage probe(1, 1, QImage::Format_RGB32);
        QPainter p(&probe);
        ok = picture.play(&p);
    }
    if (!ok) throw EInvalidGraphic(QStringLiteral("Metafile is not valid"));
    FPicture = picture;
    FWidth = w;
    FHeight = h;
    Changed();
}

QByteArray TMetafile::SaveToStream() const {
    if (FPicture.isNull()) return {};
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.writeRawData(Signature().constData(), 4);
    s << qint32(FWidth) << qint32(FHeight)
      << QByteArray(FPicture.data(), qsizetype(FPicture.size()));
    return out;
}
