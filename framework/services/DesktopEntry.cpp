#include "framework/services/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextStream>
#include <QUrl>

#include <cerrno>
#include <cstdio>

QString DesktopEntryString(const QString& Value) {
    QString out;
    out.reserve(Value.size() + 8);
    for (qsizetype i = 0; i < Value.size(); ++i) {
        const QChar c = Value[i];
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case ' ':
            // A leading space would be taken for the space around '='.
            out += i == 0 ? QLatin1String("\\s") : QLatin1String(" ");
            break;
        default:
            // Other control characters have no escape and are not allowed in the file.
            if (c.unicode() >= 0x20 && c.unicode() != 0x7f) out += c;
        }
    }
    return out;
}

QString DesktopExecArgument(const QString& Argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = Argument.isEmpty();
    for (QChar c : Argument)
        if (reserved.contains(c)) quote = true;
    QString out;
    for (QChar c : Argument) {
        if (c == '%') {
            out += QLatin1String("%%"); // a literal percent, not a field code
            continue;
        }
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) out += '\\';
        out += c;
    }
    return quote ? '"' + out + '"' : out;
}

QString DesktopEntryText(const TDesktopEntry& Entry) {
    QStringList exec{DesktopExecArgument(Entry.Program)};
    for (const QString& a : QProcess::splitCommand(Entry.Arguments))
        exec << DesktopExecArgument(a);
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\n");
    text += QStringLiteral("Name=%1\n").arg(DesktopEntryString(Entry.Name));
    // A tool tip that only repeats the name adds nothing (validators warn about it).
    if (!Entry.Comment.isEmpty() && Entry.Comment != Entry.Name)
        text += QStringLiteral("Comment=%1\n").arg(DesktopEntryString(Entry.Comment));
    text += QStringLiteral("Exec=%1\n").arg(DesktopEntryString(exec.join(' ')));
    if (!Entry.Path.isEmpty())
        text += QStringLiteral("Path=%1\n").arg(DesktopEntryString(Entry.Path));
    if (!Entry.Icon.isEmpty())
        text += QStringLiteral("Icon=%1\n").arg(DesktopEntryString(Entry.Icon));
    text += QStringLiteral("Terminal=false\n");
    return text;
}

namespace {

int32_t CodeOfErrno(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return LAUNCHER_E_ACCESSDENIED;
    case ENOENT:
    case ENOTDIR:
        return LAUNCHER_E_PATHNOTFOUND;
    case ENAMETOOLONG:
        return LAUNCHER_E_INVALIDARG;
    default:
        return LAUNCHER_E_FAIL;
    }
}

bool PlainFileName(const QString& name) {
    if (name.isEmpty() || name.endsWith('/')) return false;
    for (QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
    const QStringList parts = name.split('/');
    for (const QString& part : parts)
        if (part == QLatin1String("..") || part.toUtf8().size() > 255) return false;
    const QString last = parts.last();
    return !last.isEmpty() && last != QLatin1String(".");
}

} // namespace

int32_t WriteDesktopEntry(const QString& FileName, const TDesktopEntry& Entry) {
    if (!PlainFileName(FileName) || Entry.Name.trimmed().isEmpty() || Entry.Program.isEmpty())
        return LAUNCHER_E_INVALIDARG;
    const QFileInfo target(FileName);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir()) return LAUNCHER_E_PATHNOTFOUND;
    if (target.isDir()) return LAUNCHER_E_INVALIDARG;

    QTemporaryFile temp(folder + QStringLiteral("/.launcher-XXXXXX"));
    if (!temp.open()) {
        const int error = errno;
        return CodeOfErrno(error ? error : EACCES);
    }
    const QByteArray bytes = DesktopEntryText(Entry).toUtf8();
    if (temp.write(bytes) != bytes.size() || !temp.flush()) return LAUNCHER_E_FAIL;
    // Desktops start only launchers that are executable.
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                        QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                        QFileDevice::ExeOther);
    temp.close();
    if (std::rename(QFile::encodeName(temp.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return CodeOfErrno(errno); // the temporary file removes itself
    temp.setAutoRemove(false);
    return 0;
}

namespace {

// The program a desktop entry runs, when it runs without a terminal.
QString GraphicalProgramOf(const QString& desktopId) {
    const QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
    QFile f(file);
    if (file.isEmpty() || !f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QTextStream in(&f);
    bool main = false;
    QString exec;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('[')) {
            main = line == QLatin1String("[Desktop Entry]");
        } else if (main && line.startsWith(QLatin1String("Exec="))) {
            exec = line.mid(5);
        } else if (main && line == QLatin1String("Terminal=true")) {
            return {};
        }
    }
    const QStringList words = QProcess::splitCommand(exec);
    return words.isEmpty() ? QString() : QStandardPaths::findExecutable(words.first());
}

} // namespace

QString FindTextEditor() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {"query", "default", "text/plain"});
    if (query.waitForFinished(2000) && query.exitCode() == 0) {
        for (const QString& id : QString::fromUtf8(query.readAllStandardOutput()).split(';'))
            if (const QString program = GraphicalProgramOf(id.trimmed()); !program.isEmpty())
                return program;
    }
    for (const char* name : {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma",
                             "xed", "featherpad", "leafpad", "geany", "xedit"})
        if (const QString program = QStandardPaths::findExecutable(QLatin1String(name));
            !program.isEmpty())
            return program;
    return {};
}

TDesktopEntry TextEditorTarget() {
    TDesktopEntry target;
    target.Program = FindTextEditor();
    target.Icon = QStringLiteral("accessories-text-editor");
    if (target.Program.isEmpty()) {
        // The home folder opens in the file manager, the one handler every desktop has; a text
        // file would need the very text handler just found missing. As a URL the folder needs
        // no quoting: its spaces and quotes are percent-encoded.
        target.Program = QStringLiteral("xdg-open");
        target.Arguments = QUrl::fromLocalFile(QDir::homePath()).toString(QUrl::FullyEncoded);
        target.Icon = QStringLiteral("user-home");
    }
    return target;
}
