#pragma once
// Pictures stored as bytes (in form descriptions and streams): their format told from their
// first bytes, so that Qt decodes them with that format's reader alone instead of loading and
// asking every image plugin installed.

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <cstddef>
#include <cstdint>

class QImageReader;

// "bmp", "png", "ico", "gif" or "jpeg" by the data's signature; nullptr when none matches.
const char* ImageFormatOf(const QByteArray& data);
// Makes the reader read the data's format with that format's reader alone.
void UseImageFormatOf(QImageReader& reader, const QByteArray& data);
// The largest image of an icon file whose images are all uncompressed bitmaps of 1, 4 or 8 bits
// with their masks (Format_ARGB32, see-through pixels 0): what Qt's reader gives, without
// loading its plugin or building the colour tables its mask conversion needs. A null image
// for any other icon data, which is for Qt's reader.
QImage DecodeBitmapIcon(const QByteArray& data);
// The CRC-32 that PNG chunks carry (and ZIP and gzip data): reflected, polynomial 0xEDB88320.
uint32_t Crc32(const char* data, size_t size);
// The image the bytes hold (a null image when they hold none): read with the format their
// signature names, and by Qt's own probing when that fails or none matches.
QImage DecodeImage(const QByteArray& data);

// Picture bytes kept as they are until their pixels are first needed: windows built hidden at
// start hold pictures that may never be drawn. Only bytes whose structure checks out wait (a BMP
// whose header reads; a PNG whose header reads and whose chunks are all there, CRCs matching);
// anything else is for the caller to decode at once, so that bad data is still refused where it
// is loaded.
class TEncodedImage {
public:
    // Keeps the bytes and returns true when they can wait; else keeps nothing.
    bool Keep(const QByteArray& data);
    bool Pending() const { return !FData.isEmpty(); }
    // The bytes kept, empty once decoded: saving them again keeps a picture's own format (a
    // 4-bit BMP stays one).
    const QByteArray& Bytes() const { return FData; }
    void Clear() { FData.clear(); }
    // From the header: the size in pixels, and whether the pixels decode as one bit each.
    QSize Size() const { return FSize; }
    bool Monochrome() const { return FMonochrome; }
    // The pixels, and the bytes are let go. A null image for a body that fails after all.
    QImage Decode();
    // The bottom-left pixel as a 1x1 image of the decoded format, decoded for once and
    // remembered without keeping the pixels.
    QImage BottomLeft() const;

private:
    QByteArray FData;
    QSize FSize;
    bool FMonochrome = false;
    mutable QImage FBottomLeft;
};
