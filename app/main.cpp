// The demonstration program: starts the library's units, creates every window hidden, runs
// the message loop until the main window closes and shuts everything down in reverse.

#include "app/DemoProgram.h"
#include "framework/graphics/FontPreload.h"
#include "framework/system/HeapPreload.h"

#include <QApplication>

int main(int argc, char** argv) {
    // First, before anything fills the heap: its room is faulted in beside the start.
    THeapPreload heap;
    TFontPreload fonts;
    QApplication app(argc, argv);
    TFontDatabasePreload fontList;
    TDemoProgram program;
    return program.Execute();
}
