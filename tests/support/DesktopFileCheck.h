#pragma once
// desktop-file-validate's verdict on a launcher, for the tests that write one.

#include <QProcess>
#include <QStandardPaths>
#include <QString>

// Empty when the file passes, or when the tool is not installed (PATH is searched now, so a
// test that narrows PATH validates after restoring it).
inline QString DesktopFileProblems(const QString& file) {
    if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty()) return {};
    QProcess p;
    p.start("desktop-file-validate", {file});
    p.waitForFinished();
    const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    return p.exitCode() == 0 && !out.contains("error:") ? QString() : out;
}
