#pragma once
// Drawing helpers of the library: a push-button frame and a bitmap drawn with one colour
// see-through.

#include "framework/system/Color.h"
#include "framework/system/Types.h"

class TBitmap;
class TCanvas;

// Draws a push-button frame and its clBtnFace face into r: with outlined, a one-pixel
// clWindowFrame line around it first; pushed draws the flat button state. Returns the
// rectangle left inside for the content (one pixel inside the face). Leaves the canvas brush
// colour at clBtnFace.
TRect DrawPushButtonFrame(TCanvas* canvas, const TRect& r, bool outlined, bool pushed);

// Draws all of bitmap stretched into dest, leaving the destination as it was wherever the
// stretched image has exactly the colour transparentColor (a system colour is resolved first;
// the palette-relative flag is ignored). Nothing is drawn for an empty dest or bitmap.
void DrawTransparentBitmap(TCanvas* canvas, const TRect& dest, TBitmap* bitmap,
                           TColor transparentColor);
