#pragma once
// Launchers: freedesktop desktop entries (".desktop" files) of type Application, written
// atomically and executable, with every value escaped by the Desktop Entry rules, so no text
// can add keys, split a line or change the command.

#include <QString>
#include <QStringList>

#include <cstdint>

// Result codes, negative 32-bit as the classic shell reports them.
constexpr int32_t LAUNCHER_E_UNEXPECTED = int32_t(0x8000FFFF);   // no shell here
constexpr int32_t LAUNCHER_E_INVALIDARG = int32_t(0x80070057);   // an unusable file name
constexpr int32_t LAUNCHER_E_ACCESSDENIED = int32_t(0x80070005); // the folder refuses writing
constexpr int32_t LAUNCHER_E_PATHNOTFOUND = int32_t(0x80030003); // the folder does not exist
constexpr int32_t LAUNCHER_E_FAIL = int32_t(0x80004005);         // writing failed otherwise

struct TDesktopEntry {
    QString Name;      // shown under the icon; required
    QString Comment;   // the tool tip; left out when empty or the same as Name
    QString Program;   // what runs: a path, or a name looked up in PATH; required
    QString Arguments; // a command line, split as a shell would (quotes group words)
    QString Path;      // working directory; left out when empty
    QString Icon;      // icon file or theme name; left out when empty
};

// A string value: backslash, newline, tab and carriage return escaped, a leading space kept.
QString DesktopEntryString(const QString& Value);
// One argument of Exec: quoted when it has a reserved character, '%' doubled; the result is
// still to be escaped as a string value.
QString DesktopExecArgument(const QString& Argument);
// The whole entry's text.
QString DesktopEntryText(const TDesktopEntry& Entry);
// Writes the entry to FileName through a temporary file in the same folder and a rename, so a
// reader sees the old file or the new one, never half of one; the file is executable. The
// name must be a plain path: no ".." component, no control character, a name after the last
// "/". 0 on success, else a negative code and nothing written.
int32_t WriteDesktopEntry(const QString& FileName, const TDesktopEntry& Entry);
// A graphical text editor the desktop has: the default application for plain text when it
// runs without a terminal, else the first common editor found in PATH; empty when none.
QString FindTextEditor();
// The Program, Arguments and Icon of a launcher meant for editing text: FindTextEditor's
// editor, or, on a desktop without one, xdg-open on the user's home folder.
TDesktopEntry TextEditorTarget();
