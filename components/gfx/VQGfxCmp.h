#pragma once
// Unit VQGfxCmp: the library's shared types, border table, drawing helpers and pattern bitmap.

#include "components/gfx/VQBorderPainting.h"
#include "components/gfx/VQDrawing.h"
#include "components/gfx/VQGfxUnit.h"
#include "components/gfx/VQTypes.h"
