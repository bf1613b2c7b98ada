#include "components/gfx/VQGfxUnit.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/WinGdi.h"

#include <cstdint>

TBitmap* CheckerPatternBitmap = nullptr;

void InitializeVQGfxCmp() {
    if (CheckerPatternBitmap) return;
    // Each row is a 16-bit word: the pattern byte, then a zero pad byte.
    static const uint8_t kRows[16] = {0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0,
                                      0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0};
    CheckerPatternBitmap = CreateBitmap(8, 8, 1, 1, kRows, sizeof kRows);
}

void FinalizeVQGfxCmp() {
    delete CheckerPatternBitmap;
    CheckerPatternBitmap = nullptr;
}
