#pragma once
// Start-up and shut-down of the VQGfxCmp unit, and the state it holds: the checker pattern.
// The program calls InitializeVQGfxCmp() at start, in its unit order, before any form exists,
// and FinalizeVQGfxCmp() at its end, in reverse order.

class TBitmap;

// 8 by 8 monochrome one-pixel checkerboard (rows 0xAA, 0x55, ...; a set bit is white), the
// brush pattern of the splitter's drag line. nullptr outside the unit's lifetime.
extern TBitmap* CheckerPatternBitmap;

// Creates CheckerPatternBitmap; a second call while it exists does nothing.
void InitializeVQGfxCmp();
// Frees CheckerPatternBitmap and leaves it nullptr.
void FinalizeVQGfxCmp();
