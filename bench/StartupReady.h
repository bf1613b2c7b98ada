// What each child of bench_startup does once its main window is shown: let the window be
// exposed, then print the ready marker with the process's peak resident memory so far.

#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstring>

inline constexpr const char* StartupReadyMarker = "READY";

// Peak resident set in kB (VmHWM), 0 where /proc is not there.
inline long StartupPeakKb() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return 0;
    char line[256];
    long kb = 0;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::atol(line + 6);
    std::fclose(f);
    return kb;
}

inline void StartupReportWhenExposed(QWidget* w) {
    for (int i = 0; i < 100; ++i) {
        QCoreApplication::processEvents();
        if (w->windowHandle() && w->windowHandle()->isExposed()) break;
    }
    std::printf("%s %ld\n", StartupReadyMarker, StartupPeakKb());
    std::fflush(stdout);
}
