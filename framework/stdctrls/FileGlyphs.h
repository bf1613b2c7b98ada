#pragma once
// The small glyphs of the drive, directory and file lists, drawn once per process: closed and
// open folders, documents and programs, and the kinds of volume.

#include "framework/system/Volumes.h"

#include <QImage>

enum class TFileGlyph { ClosedFolder, OpenFolder, Document, Program };

// 16 by 16 pixel glyphs (13 by 13 for volumes, as they sit in a combo box).
const QImage& FileGlyph(TFileGlyph kind);
const QImage& VolumeGlyph(TVolumeKind kind);
