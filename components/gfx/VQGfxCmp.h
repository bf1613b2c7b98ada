#pragma once
// Unit VQGfxCmp: the library's shared types, border table, drawing helpers and pattern bitmap,
// and the graphic controls built on them. RegisterVQGfxCmpClasses() makes the controls known
// to form descriptions.

#include "components/gfx/VQAnimImage.h"
#include "components/gfx/VQBorder.h"
#include "components/gfx/VQBorderPainting.h"
#include "components/gfx/VQDrawing.h"
#include "components/gfx/VQGfxUnit.h"
#include "components/gfx/VQGraphicControl.h"
#include "components/gfx/VQImage.h"
#include "components/gfx/VQMeter.h"
#include "components/gfx/VQTypes.h"

// Registers the unit's component classes with the class registry (idempotent).
void RegisterVQGfxCmpClasses();
