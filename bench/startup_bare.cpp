// The floor for bench_startup: a Qt program showing one empty window of the main window's size.

#include "StartupReady.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Bare"));
    w.resize(422, 373);
    w.show();
    StartupReportWhenExposed(&w);
    return 0;
}
