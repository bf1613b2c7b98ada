#pragma once
// TControlOverlay: marks drawn over a windowed control and every child window in it, such as a
// splitter's tracking line. Child windows are composed over their parent, so the parent itself
// cannot paint across them; the overlay is a transparent window on top of them that ignores
// the mouse and paints its marks after everything beneath. A mark inverts what lies beneath
// (the paint function combines a pattern with the destination), and toggling the same
// rectangle again removes it, just as drawing an inverting mark twice restores the pixels.

#include "framework/system/Types.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class TCanvas;
class TWinControl;

class TControlOverlay {
public:
    // paintMark draws one mark at rect (control client coordinates) on the overlay's canvas.
    using TPaintMark = std::function<void(TCanvas* canvas, const TRect& rect)>;

    TControlOverlay(TWinControl* control, TPaintMark paintMark);
    ~TControlOverlay();
    TControlOverlay(const TControlOverlay&) = delete;
    TControlOverlay& operator=(const TControlOverlay&) = delete;

    // Draws a mark at rect, or erases it when that mark is on screen; the screen is updated
    // before this returns.
    void Toggle(const TRect& rect);
    // Erases every mark.
    void Clear();
    // The marks on screen, in the order drawn.
    const std::vector<TRect>& Marks() const { return FMarks; }

private:
    class TWidget;
    void Update(const TRect& rect);

    TWinControl* FControl;
    TPaintMark FPaintMark;
    std::vector<TRect> FMarks;
    // Lives in the control's window, which frees it when the window goes.
    QPointer<QWidget> FWidget;
};
