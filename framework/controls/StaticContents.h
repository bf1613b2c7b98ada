#pragma once

#include <functional>

class QSize;
class QWidget;

// What of a widget's drawing follows its size, beyond what a resize newly exposes: the width
// of the band along its right edge and the height of the band along its bottom edge (a border
// drawn there).
using TEdgeBands = std::function<QSize()>;

// Marks the widget's contents as anchored at its top left, so that a resize repaints only the
// parts it newly exposes plus the edge bands at the old and the new edges, and a move of the
// widget (when it paints opaquely and nothing overlaps it) copies its pixels, children
// included, instead of repainting them. Only for contents that really do not depend on the
// widget's size. An empty bands function turns it off again.
void SetWidgetStaticContents(QWidget* widget, TEdgeBands bands);
