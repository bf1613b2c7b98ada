#pragma once
// THelpViewer: the program's help window, one per process. ShowTopic loads the help file (see
// HelpFile.h), shows the topic in a non-modal window with a topic list and Back, and raises it;
// links move between topics. A missing file or topic is reported in an error message box and
// leaves the window as it was. The window opens beside the window that asked (the active
// one), not over it; once open it stays where the user put it.

#include "framework/controls/HelpFile.h"
#include "framework/system/Types.h"

class QWidget;

class THelpViewer {
public:
    // True when the topic is shown.
    static bool ShowTopic(const String& fileName, int context);
    // The window (nullptr before the first topic) and the topic it shows (0 when none).
    static QWidget* Window();
    static int CurrentTopic();
    // Closes and frees the window.
    static void Close();
    // Where a window of Width by Height (frames included) opens beside Asking within Available
    // (the screen's work area): to its right, else to its left, else below, else above, the
    // first that covers none of Asking; when all do, the one that covers least. Each is level
    // with Asking (tops, or left edges) and moved as far as needed onto the work area.
    static TPoint Placement(const TRect& Available, const TRect& Asking, int Width, int Height);
};
