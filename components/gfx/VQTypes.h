#pragma once
// The enumerations every unit of the library shares, and the type of the About pseudo-property.

#include "framework/classes/TypeInfo.h"

#include <cstdint>

// Border of the graphic controls: drawn and inset by the border table (VQBorderPainting.h).
VQ_ENUM(TVQBorderStyle, uint8_t, vqbsNone, vqbsSingle, vqbsRaised, vqbsLowered, vqbsStatus,
        vqbsGroup, vqbsHorizLine, vqbsVertLine, vqbsHorizEdge, vqbsVertEdge)

// Border of a pane: the vqbsNone..vqbsVertLine subrange of TVQBorderStyle (no edge styles).
using TVQPaneBorderStyle = TVQBorderStyle;
constexpr TVQPaneBorderStyle vqPaneBorderStyleLow = vqbsNone;
constexpr TVQPaneBorderStyle vqPaneBorderStyleHigh = vqbsVertLine;
constexpr bool IsPaneBorderStyle(TVQBorderStyle style) {
    return style >= vqPaneBorderStyleLow && style <= vqPaneBorderStyleHigh;
}
// Name table of the subrange: a pane's property takes it with
// P.Property("BorderStyle", ...).Info().Enum = VQPaneBorderStyleInfo(), so form descriptions
// reject the edge styles by name.
const TEnumInfo* VQPaneBorderStyleInfo();

// Splitter bar direction and meter fill direction.
VQ_ENUM(TVQOrientation, uint8_t, vqoHorizontal, vqoVertical)

// The About pseudo-property: each component class publishes a plain field of this type with
// P.Field("About", &TFoo::FAbout).Stored(false). Nothing reads it; it only lists the property.
using TVQAboutType = int32_t;
