#include "components/gfx/VQGfxCmp.h"

#include "framework/classes/ClassRegistry.h"

void RegisterVQGfxCmpClasses() {
    RegisterClassesOf<TVQBorder, TVQMeter, TVQImage, TVQAnimImage>();
}
