#include "framework/graphics/ImageData.h"

#include <QBuffer>
#include <QImageReader>

const char* ImageFormatOf(const QByteArray& data) {
    if (data.startsWith("BM")) return "bmp";
    if (data.startsWith("\x89PNG\r\n\x1a\n")) return "png";
    if (data.startsWith(QByteArray("\0\0\1\0", 4))) return "ico";
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) return "gif";
    if (data.startsWith("\xff\xd8\xff")) return "jpeg";
    return nullptr;
}

void UseImageFormatOf(QImageReader& reader, const QByteArray& data) {
    if (const char* format = ImageFormatOf(data)) {
        reader.setFormat(format);
        // Else Qt still loads plugin after plugin to ask which one reads the format.
        reader.setAutoDetectImageFormat(false);
    }
}

QImage DecodeImage(const QByteArray& data) {
    if (ImageFormatOf(data)) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        UseImageFormatOf(reader, data);
        QImage image = reader.read();
        if (!image.isNull()) return image;
    }
    return QImage::fromData(data);
}
