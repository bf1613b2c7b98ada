#pragma once
// What a control tells assistive technology (a screen reader on the session bus): its role,
// name, description, states, value, actions and the items it draws without windows of their
// own (a calendar's cells, a page control's tabs). Controls answer through TControl's Acc*
// virtual functions; the framework turns the answers into Qt's accessibility interfaces and
// announces changes, so no component touches Qt's accessibility classes.

#include "framework/system/Exceptions.h"
#include "framework/system/Set.h"
#include "framework/system/Types.h"

// arDefault: the control's Qt widget answers for itself (a native edit or push button).
enum TAccRole : uint8_t {
    arDefault,
    arWindow,
    arDialog,
    arSection,
    arStaticText,
    arGraphic,
    arAnimation,
    arPushButton,
    arMenuButton,
    arProgressBar,
    arSeparator,
    arSplitter,
    arTable,
    arCell,
    arColumnHeader,
    arPageTabList,
    arPageTab,
    arPropertyPage,
    arSpinButton,
    arToolBar,
    arMenuItem,
    arList,
    arListItem,
    arText,
    arRadioButton
};

enum TAccStateItem : uint8_t {
    asFocusable,
    asFocused,
    asSelectable,
    asSelected,
    asCheckable,
    asChecked,
    asPressed,
    asDisabled,
    asInvisible,
    asReadOnly,
    asDefault,
    asHasPopup,
    asMultiLine,
    asAnimated,
    asModal
};
using TAccStates = TSet<TAccStateItem>;

enum TAccActionItem : uint8_t { aaPress, aaIncrease, aaDecrease, aaShowMenu, aaSetFocus };
using TAccActions = TSet<TAccActionItem>;

// A numeric value within a range (a meter's position, a splitter's bar); Step is what one
// increase or decrease action moves.
struct TAccValue {
    double Value = 0;
    double Min = 0;
    double Max = 0;
    double Step = 1;
};

// An item a control draws itself. Bounds are in the control's client coordinates. Table cells
// have their Row and Col (the heading row is -1), other items leave them at -1.
struct TAccItem {
    TAccRole Role = arListItem;
    String Name;
    TAccStates States;
    TRect Bounds;
    int Row = -1;
    int Col = -1;
};

// A table's shape: Rows and Cols of cells, and whether a heading row of Cols column headers
// comes first among the items (followed by the cells row by row).
struct TAccTable {
    int Rows = 0;
    int Cols = 0;
    bool HeadingRow = false;
};

// What the framework last announced for a control, to find what changed since.
struct TAccSnapshot {
    bool Known = false;
    bool Pending = false;
    String Name;
    TAccStates States;
    double Value = 0;
    int FocusItem = -1;
    int SelectedItem = -1;
};

// "&Open" reads "Open"; "&&" is a plain ampersand.
String StripAccelerator(const String& caption);
