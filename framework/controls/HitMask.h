#pragma once
// Shaped controls: a control that takes the mouse only on some of its pixels, the others
// passing to whatever lies behind it (a sibling or the parent), as a shaped window does.

class TBitmap;
class TControl;

// Limits the control's window to the pixels of shape that differ from shape's bottom-left
// pixel, for the mouse and for painting alike; nullptr or an empty shape gives the whole
// window back. Acts on the window the control has now: a control re-creating its window
// calls it again.
void SetControlHitMask(TControl* control, const TBitmap* shape);
