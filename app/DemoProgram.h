#pragma once
// TDemoProgram: the demonstration program from start to exit.
//
// Start: the framework's classes are registered, the units with start-up work start in their
// order, the highlighted text is made readable, the application title is set, then every window is
// created hidden from its form description, in order, the first becoming the main window. Run: the
// message loop, until the main window closes. Finish: the windows are freed (last made, first
// freed) and the started units shut down in reverse order. Each step is written to Log, which is
// how tests see the order.

#include "framework/system/Exceptions.h"

#include <QStringList>
#include <functional>
#include <vector>

// A unit with start-up work: Initialize at start, Finalize at exit (either may be nullptr).
struct TProgramUnit {
    const char* Name;
    void (*Initialize)();
    void (*Finalize)();
};

class TDemoProgram {
public:
    // The program's units in start order. A unit that gains start-up work adds its line to the
    // table in DemoProgram.cpp, where the order is.
    static std::vector<TProgramUnit> ProgramUnits();
    // "Varnholt Quill Controls Demo": the taskbar's text; the main window's caption differs.
    static const char* const Title;
    // Registers the framework's, the library's and the program's classes with the class
    // registry, so that form descriptions can name them (idempotent; Start does it first).
    static void RegisterProgramClasses();
    // The program's palette: its highlighted text becomes the window text colour when that
    // reads better both on the highlight and on the button face (Start does it before the
    // windows are made).
    static void UseReadableHighlightText();

    explicit TDemoProgram(std::vector<TProgramUnit> units = ProgramUnits());
    // Finishes what was started.
    ~TDemoProgram();
    TDemoProgram(const TDemoProgram&) = delete;
    TDemoProgram& operator=(const TDemoProgram&) = delete;

    // Starts the units and creates the windows. When a unit or a window fails, what was
    // started is finished again (windows freed, units shut down in reverse) and the error is
    // raised. A second Start while started does nothing.
    void Start();
    // Start in two steps, as Execute takes it: the units, the title and the main window, then
    // the other windows (in order, after the main window), each failing as Start does. A
    // second call of either step does nothing.
    void StartWithMainWindow();
    void CreateRemainingWindows();
    // Shows the main window and runs the message loop until it closes.
    void Run();
    // Frees the windows, then shuts the started units down in reverse order. Idempotent.
    void Finish();
    // Start, Run, Finish, as main() does, but the main window goes on screen before the other
    // windows are made: they are built while it is mapped and painted, before the message loop
    // takes any input. A start that fails is reported; the result is the process's exit code
    // (0, or 1 after a failed start).
    int Execute();

    bool Started() const { return FStarted; }
    // "unit <name>", "title <text>", "window <name>", "run", "free <name>", "finish <name>".
    const QStringList& Log() const { return FLog; }

private:
    template <class T> void CreateWindow(T** reference, const char* name);

    std::vector<TProgramUnit> FUnits;
    size_t FUnitsStarted = 0;
    bool FRemainingMade = false;
    std::vector<std::function<void()>> FFreeWindows;
    QStringList FLog;
    bool FStarted = false;
};
