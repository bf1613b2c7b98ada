#pragma once
// Colour resolution and shared helpers of the graphics module.
//
// System colours (high byte 0x80) are resolved when drawing, from the application palette:
//   COLOR_WINDOW Base, COLOR_WINDOWTEXT Text, COLOR_BTNFACE Button, COLOR_BTNTEXT ButtonText,
//   COLOR_HIGHLIGHT Highlight, COLOR_HIGHLIGHTTEXT HighlightedText, COLOR_BTNSHADOW Dark,
//   COLOR_BTNHIGHLIGHT Light, COLOR_3DDKSHADOW Shadow, COLOR_3DLIGHT Midlight,
//   COLOR_GRAYTEXT the Disabled group's Text, COLOR_INFOBK ToolTipBase, COLOR_INFOTEXT
//   ToolTipText, COLOR_WINDOWFRAME WindowText, COLOR_APPWORKSPACE Mid, COLOR_MENU Window,
//   COLOR_MENUTEXT WindowText, captions Highlight/HighlightedText (inactive: Dark and the
//   Disabled group's WindowText), borders and the scroll bar Button, the desktop Dark.

#include "framework/system/Color.h"

#include <QColor>
#include <QPalette>

// Fonts convert between points and pixels at this fixed resolution, whatever the screen says,
// so that form descriptions designed at 96 pixels per inch keep their layout.
constexpr int PixelsPerInch = 96;

struct TSize {
    int cx = 0;
    int cy = 0;
    constexpr bool operator==(const TSize&) const = default;
};

// A system colour resolved to 0x00BBGGRR from the application palette; every other value
// (plain colours, clNone, clDefault, palette-relative ones) is returned unchanged.
TColor ColorToRGB(TColor color);
// The same against a given palette (tests, off-screen rendering with a fixed look).
TColor ColorToRGB(TColor color, const QPalette& palette);

// Makes a system colour resolve to rgb (a plain colour) for the whole application, from now
// on: its palette role takes rgb, and so every system colour read from that role, and the Qt
// widgets that paint with it, follow. The classic SetSysColors, for one program's palette.
void SetSystemColor(TColor systemColor, TColor rgb);

// The colour to paint with: system colours resolved, the flag byte dropped; clNone is
// fully transparent.
QColor ColorToQColor(TColor color);
// The opaque RGB of a Qt colour (alpha is ignored).
TColor QColorToColor(const QColor& color);
// 0xFFRRGGBB as QImage stores an opaque pixel.
QRgb ColorToQRgb(TColor color);

// Registers the persistent graphics classes with the class registry (framework start-up).
void RegisterGraphicsClasses();
