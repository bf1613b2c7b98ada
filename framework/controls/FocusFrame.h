#pragma once

class QWidget;

// Gives a framed scroll area (tree, list, memo, rich edit...) a highlighted frame while it has
// the focus. The application's style draws these frames the same focused or not, and their
// current item looks alike in both, so a keyboard user could not tell where the focus is.
// Widgets of other kinds are left alone.
void ShowFocusFrame(QWidget* widget);

// Lets a window draw its focus cues (focus rectangles, highlighted frames) from the start,
// not only once the focus has moved by Tab, as the style would otherwise do.
void ShowFocusCues(QWidget* window);
