#pragma once
// The desktop's special folders, from the XDG user directories, and the placement rule the
// shell's dialogs use.

#include <QString>

class QWidget;

// Folder numbers as the classic shell numbers them.
enum : int {
    CSIDL_DESKTOP = 0,  // the user's desktop directory
    CSIDL_PROGRAMS = 2, // the applications-menu directory (where launchers of menus live)
};

// Whether the session has a home whose folders can be named (no HOME: no shell folders).
bool ShellFoldersAvailable();
// The path of a special folder, made when the user's settings name one that does not exist
// yet; false (path unchanged) for other numbers or when it cannot be had.
bool SpecialFolderLocation(int Folder, QString& Path);
// Puts a top-level window centred across the primary screen, its top at 1/(n+2) of the free
// height, kept on the screen; size, stacking and activation stay as they are. False, with the
// window left where it is, without a window or a screen, or where the window system places
// windows itself (Wayland).
bool PlaceOnScreen(QWidget* Window, int N);
