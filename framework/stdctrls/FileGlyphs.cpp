#include "framework/stdctrls/FileGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {

QImage Blank(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage DrawFolder(bool open) {
    QImage image = Blank(16);
    QPainter p(&image);
    p.setPen(QColor(128, 128, 0));
    p.setBrush(QColor(255, 255, 128));
    p.drawRect(1, 4, 13, 9); // back
    p.drawRect(1, 2, 5, 2);  // tab
    if (open) {
        QPainterPath front;
        front.moveTo(1, 13);
        front.lineTo(4, 7);
        front.lineTo(15, 7);
        front.lineTo(12, 13);
        front.closeSubpath();
        p.setBrush(QColor(255, 224, 64));
        p.drawPath(front);
    }
    return image;
}

QImage DrawDocument(bool program) {
    QImage image = Blank(16);
    QPainter p(&image);
    p.setPen(Qt::black);
    if (program) {
        p.setBrush(Qt::white);
        p.drawRect(1, 2, 13, 11);
        p.fillRect(2, 3, 12, 2, QColor(0, 0, 128));
    } else {
        QPainterPath page;
        page.moveTo(3, 1);
        page.lineTo(10, 1);
        page.lineTo(13, 4);
        page.lineTo(13, 14);
        page.lineTo(3, 14);
        page.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.setPen(QColor(128, 128, 128));
        for (int y = 6; y <= 12; y += 2)
            p.drawLine(5, y, 11, y);
    }
    return image;
}

QImage DrawVolume(TVolumeKind kind) {
    QImage image = Blank(13);
    QPainter p(&image);
    p.setPen(Qt::black);
    switch (kind) {
    case TVolumeKind::Optical:
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(192, 192, 192));
        p.drawEllipse(QRectF(0.5, 0.5, 12, 12));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(4.5, 4.5, 4, 4));
        break;
    case TVolumeKind::Network:
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(1, 2, 10, 5);
        p.drawLine(6, 7, 6, 10);
        p.drawLine(1, 11, 11, 11);
        p.fillRect(8, 4, 2, 1, QColor(0, 255, 0));
        break;
    case TVolumeKind::Removable:
        p.setBrush(QColor(0, 0, 128));
        p.drawRect(3, 1, 6, 11);
        p.fillRect(4, 2, 5, 3, QColor(192, 192, 192));
        break;
    case TVolumeKind::Fixed:
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(0, 4, 12, 5);
        p.fillRect(9, 6, 2, 1, QColor(0, 255, 0));
        break;
    }
    return image;
}

} // namespace

const QImage& FileGlyph(TFileGlyph kind) {
    static const std::array<QImage, 4> glyphs{DrawFolder(false), DrawFolder(true),
                                              DrawDocument(false), DrawDocument(true)};
    return glyphs[size_t(kind)];
}

const QImage& VolumeGlyph(TVolumeKind kind) {
    static const std::array<QImage, 4> glyphs{
        DrawVolume(TVolumeKind::Fixed), DrawVolume(TVolumeKind::Removable),
        DrawVolume(TVolumeKind::Optical), DrawVolume(TVolumeKind::Network)};
    return glyphs[size_t(kind)];
}
