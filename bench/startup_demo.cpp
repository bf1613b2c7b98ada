// The demonstration program's start as its main() does it, ending once the main window is
// shown and exposed: bench_startup times this program, so the demo pays its own loading and
// nothing of the benchmark library. With VQ_STARTUP_PHASES set it prints (to stderr) where
// its time and memory went, the first thing to look at before changing the start.

#include "StartupReady.h"
#include "app/DemoProgram.h"
#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "framework/graphics/FontPreload.h"
#include "framework/system/HeapPreload.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

class TPhases {
public:
    TPhases() : FOn(!qEnvironmentVariableIsEmpty("VQ_STARTUP_PHASES")) { FTimer.start(); }
    void Mark(const char* phase) {
        if (!FOn) return;
        const qint64 now = FTimer.nsecsElapsed();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::fprintf(stderr, "  %-26s %6.1f ms  peak %6.1f MB  page faults %5ld\n", phase,
                     double(now - FLast) / 1e6, double(StartupPeakKb()) / 1024,
                     usage.ru_minflt - FLastFaults);
        FLast = now;
        FLastFaults = usage.ru_minflt;
    }

private:
    bool FOn;
    QElapsedTimer FTimer;
    qint64 FLast = 0;
    long FLastFaults = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TPhases phases;
    THeapPreload heap;
    TFontPreload fonts;
    phases.Mark("preloads started");
    QApplication app(argc, argv);
    TFontDatabasePreload fontList;
    phases.Mark("QApplication");
    TDemoProgram program;
    // As TDemoProgram::Execute does: the other windows are made once the main window is on
    // screen, after the start measured here.
    program.StartWithMainWindow();
    phases.Mark("units and main window made");
    TForm* main = Application->MainForm();
    main->Show();
    phases.Mark("main window shown");
    StartupReportWhenExposed(main->Widget());
    phases.Mark("exposed");
    return 0;
}
