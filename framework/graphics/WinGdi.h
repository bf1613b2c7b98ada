#pragma once
// The window system's drawing calls, with their names, flags and values, on a TCanvas where the
// platform takes a device context. Component code calls them as it would call the platform.
//
// Edge colours (DrawEdge), by the classic 3D look; top-left / bottom-right of each line:
//   BDR_RAISEDOUTER  cl3DLight / cl3DDkShadow
//   BDR_RAISEDINNER  clBtnHighlight / clBtnShadow
//   BDR_SUNKENOUTER  clBtnShadow / clBtnHighlight
//   BDR_SUNKENINNER  cl3DDkShadow / cl3DLight
// A lone inner edge is drawn in the outer line's place. A line given both its bits is not
// drawn, nor is the inner line inside an outer one given both. BF_SOFT gives the top-left of a
// raised line the other raised line's colour (clBtnHighlight outside, cl3DLight inside, as push
// buttons look) and of a sunken line the other sunken one's. BF_FLAT draws the outer line in
// clBtnShadow and the inner one in clBtnFace on every side; BF_MONO the outer line in
// clWindowFrame and the inner in clWindow. The top-left lines stop one pixel
// short of a drawn bottom or right side, so the two mixed corners (top-right, bottom-left) take
// the bottom-right colour. Each line is one pixel; the inner line lies one pixel inside the
// outer on the drawn sides. BF_MIDDLE fills what is left inside with clBtnFace (clWindow with
// BF_MONO); BF_ADJUST moves the rectangle in by the lines drawn on each side.

#include "framework/graphics/Canvas.h"

#include <cstdint>

class TBitmap;

// --- DrawEdge --------------------------------------------------------------------------------
enum : unsigned {
    BDR_RAISEDOUTER = 0x0001,
    BDR_SUNKENOUTER = 0x0002,
    BDR_RAISEDINNER = 0x0004,
    BDR_SUNKENINNER = 0x0008,
    BDR_OUTER = BDR_RAISEDOUTER | BDR_SUNKENOUTER,
    BDR_INNER = BDR_RAISEDINNER | BDR_SUNKENINNER,
    BDR_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    BDR_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER, // 5
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER, // 10
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER, // 6
    EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,   // 9
};
enum : unsigned {
    BF_LEFT = 0x0001,
    BF_TOP = 0x0002,
    BF_RIGHT = 0x0004,
    BF_BOTTOM = 0x0008,
    BF_TOPLEFT = BF_TOP | BF_LEFT,
    BF_TOPRIGHT = BF_TOP | BF_RIGHT,
    BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT,
    BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
    BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
    BF_MIDDLE = 0x0800,
    BF_SOFT = 0x1000,
    BF_ADJUST = 0x2000,
    BF_FLAT = 0x4000,
    BF_MONO = 0x8000,
};
// Draws the edge into rc; with BF_ADJUST rc becomes the rectangle inside it. False without a
// canvas.
bool DrawEdge(TCanvas* canvas, TRect& rc, unsigned edge, unsigned flags);

// --- DrawFrameControl ------------------------------------------------------------------------
enum : unsigned { DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4 };
enum : unsigned {
    DFCS_BUTTONCHECK = 0x0000,
    DFCS_BUTTONRADIOIMAGE = 0x0001,
    DFCS_BUTTONRADIOMASK = 0x0002,
    DFCS_BUTTONRADIO = 0x0004,
    DFCS_BUTTON3STATE = 0x0008,
    DFCS_BUTTONPUSH = 0x0010,
    DFCS_INACTIVE = 0x0100,
    DFCS_PUSHED = 0x0200,
    DFCS_CHECKED = 0x0400,
    DFCS_TRANSPARENT = 0x0800,
    DFCS_HOT = 0x1000,
    DFCS_ADJUSTRECT = 0x2000,
    DFCS_FLAT = 0x4000,
    DFCS_MONO = 0x8000,
};
// Push buttons: EDGE_RAISED with BF_SOFT (BF_FLAT with DFCS_FLAT, EDGE_SUNKEN with DFCS_PUSHED)
// around a clBtnFace face; DFCS_ADJUSTRECT leaves rc on the face (two pixels in). Check boxes and
// radio buttons: a 13-pixel box centred in rc. Only DFC_BUTTON is drawn; others return false.
bool DrawFrameControl(TCanvas* canvas, TRect& rc, unsigned type, unsigned state);

// --- Rectangles ------------------------------------------------------------------------------
// One-pixel frame in the colour (FrameRect), solid fill (FillRect); the brush overloads use the
// canvas brush. Both leave the canvas brush untouched.
int FrameRect(TCanvas* canvas, const TRect& rc, TColor color);
int FrameRect(TCanvas* canvas, const TRect& rc);
int FillRect(TCanvas* canvas, const TRect& rc, TColor color);
int FillRect(TCanvas* canvas, const TRect& rc);
// Dotted frame (every other pixel, starting at the top-left corner) drawn by inverting the
// destination, so drawing it twice restores the pixels.
bool DrawFocusRect(TCanvas* canvas, const TRect& rc);
// An inverted line two pixels wide along the inner edge of a shape (solid: dots would vanish on
// its diagonal edges; the edge pixels alone are often the shape's own faint rim): the pixels of
// shape that differ from its bottom-left pixel (the shape a control's hit mask cuts), placed at
// rc's top-left and clipped to rc. For controls whose window is that shape, where a rectangle would
// be cut away. Drawing it twice restores the pixels.
bool DrawFocusOutline(TCanvas* canvas, const TRect& rc, const TBitmap* shape);

// --- Text ------------------------------------------------------------------------------------
enum : unsigned {
    DT_TOP = 0x0000,
    DT_LEFT = 0x0000,
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_VCENTER = 0x0004,
    DT_BOTTOM = 0x0008,
    DT_WORDBREAK = 0x0010,
    DT_SINGLELINE = 0x0020,
    DT_EXPANDTABS = 0x0040,
    DT_NOCLIP = 0x0100,
    DT_CALCRECT = 0x0400,
    DT_NOPREFIX = 0x0800,
    DT_END_ELLIPSIS = 0x8000,
    DT_HIDEPREFIX = 0x00100000,
};
// Formatted text in rc, in the canvas text colour on its background (opaque mode fills each
// line's extent with the background colour). '&' underlines the next character and "&&" shows
// one '&', unless DT_NOPREFIX. Vertical placement (DT_VCENTER, DT_BOTTOM) applies to single-line
// text. DT_CALCRECT draws nothing and sets rc's right and bottom to the text's extent (its
// width only grows with DT_WORDBREAK when a word is wider than rc). Returns the text height, or
// with DT_VCENTER/DT_BOTTOM the offset from rc.Top to the bottom of the text; 0 for no canvas.
int DrawText(TCanvas* canvas, const String& text, TRect& rc, unsigned format);
// With a character count (-1: the whole text).
int DrawText(TCanvas* canvas, const String& text, int count, TRect& rc, unsigned format);

enum : unsigned { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };
enum : unsigned {
    TA_NOUPDATECP = 0,
    TA_UPDATECP = 1,
    TA_LEFT = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_TOP = 0,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};
// Text at the reference point (x, y) placed by the canvas text alignment; ETO_OPAQUE fills rc
// (when given) with the background colour, ETO_CLIPPED clips the text to rc.
bool ExtTextOut(TCanvas* canvas, int x, int y, unsigned options, const TRect* rc,
                const String& text);
bool TextOut(TCanvas* canvas, int x, int y, const String& text);
bool GetTextExtentPoint32(TCanvas* canvas, const String& text, TSize& size);

// DrawState: text (DST_PREFIXTEXT with '&' processing) or a bitmap at (x, y); cx/cy 0 means the
// natural size. DSS_DISABLED embosses: the shape once at (x + 1, y + 1) in clBtnHighlight, then at
// (x, y) in clBtnShadow (a bitmap's shape is its non-white pixels). Backgrounds stay untouched.
enum : unsigned {
    DST_COMPLEX = 0x0000,
    DST_TEXT = 0x0001,
    DST_PREFIXTEXT = 0x0002,
    DST_ICON = 0x0003,
    DST_BITMAP = 0x0004,
    DSS_NORMAL = 0x0000,
    DSS_UNION = 0x0010,
    DSS_DISABLED = 0x0020,
    DSS_MONO = 0x0080,
    DSS_HIDEPREFIX = 0x0200,
    DSS_PREFIXONLY = 0x0400,
    DSS_RIGHT = 0x8000,
};
bool DrawState(TCanvas* canvas, const String& text, int x, int y, int cx, int cy, unsigned flags);
bool DrawState(TCanvas* canvas, const TBitmap* bitmap, int x, int y, int cx, int cy,
               unsigned flags);

// --- Device-context state (each returns the previous value) ----------------------------------
TColor SetBkColor(TCanvas* canvas, TColor color);
TColor SetTextColor(TCanvas* canvas, TColor color);
int SetBkMode(TCanvas* canvas, int mode);
unsigned SetTextAlign(TCanvas* canvas, unsigned align);
TColor GetBkColor(TCanvas* canvas);
TColor GetTextColor(TCanvas* canvas);

// --- Clipping --------------------------------------------------------------------------------
enum : int { ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
int IntersectClipRect(TCanvas* canvas, int left, int top, int right, int bottom);
int ExcludeClipRect(TCanvas* canvas, int left, int top, int right, int bottom);
// Replaces the clip region with rc; nullptr removes all clipping.
int SelectClipRect(TCanvas* canvas, const TRect* rc);

// --- Raster operations -----------------------------------------------------------------------
enum : uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    SRCERASE = 0x00440328,
    NOTSRCCOPY = 0x00330008,
    NOTSRCERASE = 0x001100A6,
    MERGECOPY = 0x00C000CA,
    MERGEPAINT = 0x00BB0226,
    PATCOPY = 0x00F00021,
    PATPAINT = 0x00FB0A09,
    PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
    PATXNORDEST = 0x00A50065, // the pattern XNOR the destination
};
// Fills the rectangle with the canvas brush combined with the destination by rop.
bool PatBlt(TCanvas* canvas, int x, int y, int w, int h, uint32_t rop);
// Block transfers. Between a colour source and a monochrome destination, source pixels equal
// to the source canvas's background colour become white (1), all others black (0); from a
// monochrome source to a colour destination, 1 bits take the destination's background colour
// and 0 bits its text colour. StretchBlt scales by nearest pixel; negative sizes mirror.
// False (nothing drawn) for an unknown rop or a missing canvas.
bool BitBlt(TCanvas* dest, int x, int y, int w, int h, TCanvas* src, int xSrc, int ySrc,
            uint32_t rop);
bool StretchBlt(TCanvas* dest, int x, int y, int w, int h, TCanvas* src, int xSrc, int ySrc,
                int wSrc, int hSrc, uint32_t rop);

// The same from an image instead of a canvas: a monochrome source converts with the destination's
// colours, a colour source into a monochrome destination against srcBkColor. dst may have
// negative sizes (mirroring). For graphics drawing themselves.
bool StretchBltImage(TCanvas* dest, const QRect& dst, const QImage& src, const QRect& srcRect,
                     bool srcMonochrome, TColor srcBkColor, uint32_t rop);
// src stretched into dst leaving the destination unchanged where the stretched source has the
// transparent colour (compared as RGB, flags ignored).
bool StretchBltImageTransparent(TCanvas* dest, const QRect& dst, const QImage& src,
                                const QRect& srcRect, TColor transparentColor);

enum : int { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };
// Accepted for completeness: stretching is always by nearest pixel.
int SetStretchBltMode(TCanvas* canvas, int mode);

// A monochrome bitmap from rows of bits, the first pixel in the highest bit, each row padded to
// a multiple of 16 bits; bits set are white. Returns an owned bitmap; nullptr for planes or
// bits per pixel other than 1 or a too short buffer.
TBitmap* CreateBitmap(int width, int height, int planes, int bitsPerPixel, const void* bits,
                      size_t size);
