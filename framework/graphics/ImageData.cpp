#include "framework/graphics/ImageData.h"

#include <QBuffer>
#include <QImageReader>

#include <array>
#include <cstring>

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

namespace {

uint32_t BigEndian32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | uint32_t(b[3]);
}

} // namespace

uint32_t Crc32(const char* data, size_t size) {
    static constexpr std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ uint8_t(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

namespace {

// IHDR first, then every chunk whole with its CRC up to IEND (whether the chunks make a
// picture, the header reader finds out).
bool PngChunksWhole(const QByteArray& data) {
    const char* base = data.constData();
    qsizetype pos = 8;
    bool first = true;
    while (pos + 12 <= data.size()) {
        const uint32_t length = BigEndian32(base + pos);
        if (length > uint32_t(data.size() - pos - 12)) return false;
        const char* type = base + pos + 4;
        if (first && std::memcmp(type, "IHDR", 4) != 0) return false;
        first = false;
        if (Crc32(type, length + 4) != BigEndian32(type + 4 + length)) return false;
        if (std::memcmp(type, "IEND", 4) == 0) return true;
        pos += 12 + qsizetype(length);
    }
    return false;
}

} // namespace

bool TEncodedImage::Keep(const QByteArray& data) {
    FData.clear();
    const char* format = ImageFormatOf(data);
    if (!format) return false;
    if (std::strcmp(format, "png") == 0) {
        if (!PngChunksWhole(data)) return false;
    } else if (std::strcmp(format, "bmp") != 0) {
        return false;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    UseImageFormatOf(reader, data);
    const QSize size = reader.size();
    const QImage::Format pixels = reader.imageFormat();
    if (size.isEmpty() || pixels == QImage::Format_Invalid) return false;
    FData = data;
    FSize = size;
    FBottomLeft = QImage();
    FMonochrome = pixels == QImage::Format_Mono || pixels == QImage::Format_MonoLSB;
    return true;
}

QImage TEncodedImage::Decode() {
    QImage image = DecodeImage(FData);
    FData.clear();
    return image;
}

QImage TEncodedImage::BottomLeft() const {
    if (FBottomLeft.isNull() && Pending()) {
        const QImage image = DecodeImage(FData);
        if (!image.isNull()) FBottomLeft = image.copy(0, image.height() - 1, 1, 1);
    }
    return FBottomLeft;
}
