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

uint32_t BigEndian32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | uint32_t(b[3]);
}

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

uint32_t LittleEndian(const QByteArray& data, qsizetype pos, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | uint8_t(data[pos + i]);
    return value;
}

// The image of one directory entry: a BITMAPINFOHEADER, the palette, the colour rows and the
// mask rows, bottom row first. Null unless it is of the kinds DecodeBitmapIcon reads.
QImage DecodeIconBitmap(const QByteArray& data, qsizetype entry) {
    const qsizetype size = qsizetype(LittleEndian(data, entry + 8, 4));
    const qsizetype pos = qsizetype(LittleEndian(data, entry + 12, 4));
    if (size < 40 || pos > data.size() - size) return {};
    const uint32_t headerSize = LittleEndian(data, pos, 4);
    const auto width = int32_t(LittleEndian(data, pos + 4, 4));
    const auto height = int32_t(LittleEndian(data, pos + 8, 4)) / 2; // colour rows and mask
    const uint32_t bits = LittleEndian(data, pos + 14, 2);
    const uint32_t compression = LittleEndian(data, pos + 16, 4);
    const uint32_t used = LittleEndian(data, pos + 32, 4);
    if (headerSize != 40 || width <= 0 || width > 256 || height <= 0 || height > 256 ||
        compression != 0 || (bits != 1 && bits != 4 && bits != 8))
        return {};
    // The directory's size (0: 256 or more) is the one other readers go by.
    const int listedWidth = uint8_t(data[entry]), listedHeight = uint8_t(data[entry + 1]);
    if ((listedWidth && listedWidth != width) || (listedHeight && listedHeight != height))
        return {};
    const uint32_t colours = used ? used : 1u << bits;
    if (colours > (1u << bits)) return {};
    const qsizetype palette = pos + 40;
    const qsizetype pixels = palette + 4 * qsizetype(colours);
    const qsizetype stride = (qsizetype(width) * bits + 31) / 32 * 4;
    const qsizetype maskStride = (qsizetype(width) + 31) / 32 * 4;
    const qsizetype mask = pixels + stride * height;
    if (mask + maskStride * height > pos + size) return {};
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const qsizetype row = pixels + stride * (height - 1 - y);
        const qsizetype maskRow = mask + maskStride * (height - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (uint8_t(data[maskRow + x / 8]) & (0x80 >> (x % 8))) {
                line[x] = 0;
                continue;
            }
            const uint32_t bitPos = uint32_t(x) * bits;
            const uint32_t index =
                uint8_t(data[row + bitPos / 8]) >> (8 - bits - bitPos % 8) & ((1u << bits) - 1);
            if (index >= colours) return {};
            // B, G, R in the file: 0xRRGGBB read little-endian.
            line[x] = 0xFF000000u | LittleEndian(data, palette + 4 * index, 3);
        }
    }
    return image;
}

} // namespace

QImage DecodeBitmapIcon(const QByteArray& data) {
    if (data.size() < 6 || LittleEndian(data, 0, 2) != 0 || LittleEndian(data, 2, 2) != 1)
        return {};
    const uint32_t count = LittleEndian(data, 4, 2);
    if (count == 0 || data.size() < 6 + 16 * qsizetype(count)) return {};
    QImage best;
    for (uint32_t i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * qsizetype(i);
        const QImage image = DecodeIconBitmap(data, entry);
        if (image.isNull()) return {};
        if (image.width() * image.height() > best.width() * best.height()) best = image;
    }
    return best;
}

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
