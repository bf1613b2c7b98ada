#pragma once
// The shell helpers of VQStdCmp: special folders, the folder picker (free or within the
// applications menu folder) and launcher creation. Their shell side is looked up once at
// start by the loader (InitializeVQShell); where the session has no shell folders every helper
// reports failure instead of acting. None raises or shows a message.

#include "framework/system/Exceptions.h"

#include <cstdint>

class QWidget;

// Folder numbers.
enum : int { vqsfDesktop = 0, vqsfPrograms = 2 };

// The loader unit: decides ShellAvailable once (InitializeVQShell runs first of the units).
void InitializeVQShell();
void FinalizeVQShell();
// Whether the shell helpers can work here (decided by the loader, or on first use).
bool ShellAvailable();
// Overrides the loader's answer (a session set up without shell folders).
void SetShellAvailable(bool value);

// The path of folder 0 (the desktop) or 2 (the applications menu folder); false, with Path
// unchanged, for other numbers or when it cannot be had.
bool GetSpecialFolderPath(int Folder, String& Path);
// The modal folder picker, Path preselected (nothing when empty); true when the user chose a
// folder, which Path then holds; Root, when given, is the folder the user cannot leave.
bool BrowseForFolder(const String& Title, String& Path, const String& Root = String());
// The picker rooted at the applications menu folder.
bool BrowseForProgramFolder(const String& Title, String& Path);
// Writes a launcher: LinkFile gets the extension ".desktop" unless it already ends in it; it
// runs Target with Arguments (a command line) in WorkingDirectory, showing IconFile. IconIndex
// and ShowCommand have no counterpart in launchers. 0 when written, else a negative code:
// 0x8000FFFF without a shell, 0x80070057 for a name that is not a plain file name (a ".."
// component, a control character), 0x80030003 when the folder does not exist; nothing is
// written on failure, and a second call replaces the file whole.
int32_t CreateShortcut(const String& LinkFile, const String& Description, const String& Target,
                       const String& Arguments, const String& WorkingDirectory,
                       const String& IconFile, int IconIndex, int ShowCommand);
// Centres a top-level window horizontally on the primary screen with its top at 1/(N+2) of the
// free height, kept on the screen (a window larger than the screen goes to 0, 0). False, with
// the window left alone, without a window or where the window system places windows itself
// (a Wayland compositor does, and never says where they are).
bool PlaceWindowOnScreen(QWidget* Window, uint8_t N);
