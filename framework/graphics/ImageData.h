#pragma once
// Pictures stored as bytes (in form descriptions and streams): their format told from their
// first bytes, so that Qt decodes them with that format's reader alone instead of loading and
// asking every image plugin installed.

#include <QByteArray>
#include <QImage>

class QImageReader;

// "bmp", "png", "ico", "gif" or "jpeg" by the data's signature; nullptr when none matches.
const char* ImageFormatOf(const QByteArray& data);
// Makes the reader read the data's format with that format's reader alone.
void UseImageFormatOf(QImageReader& reader, const QByteArray& data);
// The image the bytes hold (a null image when they hold none): read with the format their
// signature names, and by Qt's own probing when that fails or none matches.
QImage DecodeImage(const QByteArray& data);
