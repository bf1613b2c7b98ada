#include "framework/services/ShellFolders.h"

#include "framework/controls/Screen.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

bool ShellFoldersAvailable() {
    const QString home = QDir::homePath();
    return !home.isEmpty() && home != QLatin1String("/") && QFileInfo(home).isDir();
}

bool SpecialFolderLocation(int Folder, QString& Path) {
    if (!ShellFoldersAvailable()) return false;
    QString path;
    if (Folder == CSIDL_DESKTOP)
        path = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    else if (Folder == CSIDL_PROGRAMS)
        path = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    else
        return false;
    // The user's settings may name a folder nobody has made yet.
    if (path.isEmpty() || !QDir().mkpath(path)) return false;
    Path = QDir::cleanPath(path);
    return true;
}

bool PlaceOnScreen(QWidget* Window, int N) {
    if (!Window || !TScreen::PlacesWindows()) return false;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return false;
    const QRect frame = Window->frameGeometry();
    const QRect area = screen->geometry();
    const int w = frame.width(), h = frame.height();
    int x = (area.width() - w) / 2;
    int y = (area.height() - h) / std::max(N + 2, 1);
    x = std::max(0, std::min(x, area.width() - w));
    y = std::max(0, std::min(y, area.height() - h));
    Window->move(area.x() + x, area.y() + y);
    return true;
}
