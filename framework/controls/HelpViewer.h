#pragma once
// THelpViewer: the program's help window, one per process. ShowTopic loads the help file (see
// HelpFile.h), shows the topic in a non-modal window with a topic list and Back, and raises it;
// links move between topics. A missing file or topic is reported in an error message box and
// leaves the window as it was.

#include "framework/controls/HelpFile.h"

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
};
