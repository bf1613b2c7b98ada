#pragma once
// TMouseCapture: a control holding the mouse for a drag of its own (a splitter's bar), from the
// press until it lets go. The capture is lost when Escape is pressed anywhere in the
// application, when the control's window is deactivated or the control (or a window it sits
// in) is hidden, or when the mouse moves over the control with the left button no longer held
// (the release went elsewhere). OnLost then runs once, after the capture has been released.

#include "framework/controls/Control.h"

#include <functional>
#include <memory>

class TMouseCapture {
public:
    TMouseCapture();
    ~TMouseCapture();
    TMouseCapture(const TMouseCapture&) = delete;
    TMouseCapture& operator=(const TMouseCapture&) = delete;

    // Takes the mouse for control (releasing any earlier capture first).
    void Start(TControl* control);
    // Lets the mouse go without calling OnLost; nothing when not held.
    void Release();
    bool Held() const;

    // Runs when the capture is lost as described above (not on Release).
    std::function<void()> OnLost;

private:
    class TWatch;
    std::unique_ptr<TWatch> FWatch;
};

// Shows cursor over the control's window for now, without changing its Cursor property;
// crDefault gives the window the property's cursor back.
void ShowControlCursor(TControl* control, TCursor cursor);
