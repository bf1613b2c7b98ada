#pragma once
// Cursors: the platform's cursor numbers, their names in form descriptions and their Qt shapes.

#include "framework/classes/TypeInfo.h"

#include <QtCore/qnamespace.h>

// Cursors: the platform's numbering; negative values are the stock cursors.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSize = -22;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
// Cursor names as form descriptions write them (Cursor = crHandPoint).
const TIdentMap* CursorIdents();
// The Qt cursor shape for a stock cursor value (crDefault: the arrow).
Qt::CursorShape CursorShape(TCursor cursor);
