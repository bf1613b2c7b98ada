#pragma once
// Drag and drop between controls (DragDrop.cpp): one session at a time, started by a control's
// BeginDrag (declared with the other drag members in Control.h).

#include <QPoint>

// Where the last mouse event dispatched to a control happened, in global coordinates: a drag
// begun from a press handler starts there. The controls' mouse dispatch keeps it.
extern QPoint LastControlMousePos;
