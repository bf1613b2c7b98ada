#include "components/gfx/VQTypes.h"

const TEnumInfo* VQPaneBorderStyleInfo() {
    static const TEnumInfo info("TVQPaneBorderStyle", EnumInfo<TVQBorderStyle>(),
                                vqPaneBorderStyleLow, vqPaneBorderStyleHigh);
    return &info;
}
