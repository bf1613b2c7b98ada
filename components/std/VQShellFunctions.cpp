#include "components/std/VQShellFunctions.h"

#include "framework/services/DesktopEntry.h"
#include "framework/services/FolderBrowser.h"
#include "framework/services/ShellFolders.h"

#include <optional>

namespace {
std::optional<bool> ShellState;
} // namespace

void InitializeVQShell() {
    ShellState = ShellFoldersAvailable();
}

void FinalizeVQShell() {
    ShellState.reset();
}

bool ShellAvailable() {
    if (!ShellState) InitializeVQShell();
    return *ShellState;
}

void SetShellAvailable(bool value) {
    ShellState = value;
}

bool GetSpecialFolderPath(int Folder, String& Path) {
    return ShellAvailable() && SpecialFolderLocation(Folder, Path);
}

bool BrowseForFolder(const String& Title, String& Path, const String& Root) {
    return ShellAvailable() && TFolderBrowser::Browse(Title, Path, Root);
}

bool BrowseForProgramFolder(const String& Title, String& Path) {
    String root;
    if (!ShellAvailable() || !SpecialFolderLocation(CSIDL_PROGRAMS, root)) return false;
    return BrowseForFolder(Title, Path, root);
}

int32_t CreateShortcut(const String& LinkFile, const String& Description, const String& Target,
                       const String& Arguments, const String& WorkingDirectory,
                       const String& IconFile, int /*IconIndex*/, int /*ShowCommand*/) {
    if (!ShellAvailable()) return LAUNCHER_E_UNEXPECTED;
    static const String extension = QStringLiteral(".desktop");
    // The extension is what follows the last "." of the last path component.
    const qsizetype slash = LinkFile.lastIndexOf('/');
    const qsizetype dot = LinkFile.lastIndexOf('.');
    const bool hasExtension = dot > slash && LinkFile.mid(dot) == extension;
    const String fileName = hasExtension ? LinkFile : LinkFile + extension;
    TDesktopEntry entry;
    // The launcher is shown under its file name, as a link is.
    entry.Name = fileName.mid(slash + 1).chopped(extension.size());
    entry.Comment = Description;
    entry.Program = Target;
    entry.Arguments = Arguments;
    entry.Path = WorkingDirectory;
    entry.Icon = IconFile;
    return WriteDesktopEntry(fileName, entry);
}

bool PlaceWindowOnScreen(QWidget* Window, uint8_t N) {
    return PlaceOnScreen(Window, N);
}
