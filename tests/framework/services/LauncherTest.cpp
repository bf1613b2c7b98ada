// Launchers: escaping by the Desktop Entry rules, atomic and executable writing, hostile names.

#include "framework/services/DesktopEntry.h"
#include "support/DesktopFileCheck.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Listing(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(Launcher, ValuesAreEscapedByTheRules) {
    const struct {
        QString in, string, exec;
    } cases[] = {
        {"plain", "plain", "plain"},
        {" lead", "\\slead", "\" lead\""},
        {"a\\b", "a\\\\b", "\"a\\\\b\""},
        {"two\nlines\ttab\r", "two\\nlines\\ttab\\r", "\"two\nlines\ttab\r\""},
        {"say \"hi\" $HOME `x`", "say \"hi\" $HOME `x`", "\"say \\\"hi\\\" \\$HOME \\`x\\`\""},
        {"100%", "100%", "100%%"},
        {"%f", "%f", "%%f"},
        {"it's;&|<>~*?#()", "it's;&|<>~*?#()", "\"it's;&|<>~*?#()\""},
        {"", "", "\"\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DesktopEntryString(c.in), c.string) << c.in.toStdString();
        EXPECT_EQ(DesktopExecArgument(c.in), c.exec) << c.in.toStdString();
    }
    // Exec is escaped as a string after quoting: a backslash in a quoted argument is four.
    TDesktopEntry e{"N", "", "/opt/my app/run", "a\\b", "", ""};
    EXPECT_TRUE(DesktopEntryText(e).contains("Exec=\"/opt/my app/run\" \"a\\\\\\\\b\"\n"));
}

TEST(Launcher, WritesAValidExecutableFileAtomically) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Sample Shortcut.desktop");
    TDesktopEntry entry{"Sample Shortcut", "Edits text",
                        "xedit",           "-geometry 400x300 \"my file\"",
                        dir.path(),        "accessories-text-editor"};
    ASSERT_EQ(WriteDesktopEntry(file, entry), 0);
    EXPECT_EQ(DesktopFileProblems(file), "");
    EXPECT_TRUE(QFileInfo(file).isExecutable());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()),
              "[Desktop Entry]\nType=Application\nName=Sample Shortcut\nComment=Edits text\n"
              "Exec=xedit -geometry 400x300 \"my file\"\nPath=" +
                  dir.path() + "\nIcon=accessories-text-editor\nTerminal=false\n");
    f.close();
    // Pressing twice replaces the file whole and leaves no temporary file behind.
    entry.Comment = "Second";
    ASSERT_EQ(WriteDesktopEntry(file, entry), 0);
    EXPECT_EQ(Listing(dir.path()), QStringList{"Sample Shortcut.desktop"});
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("Comment=Second\n"));
}

TEST(Launcher, HostileNamesStayInTheFolderOrWriteNothing) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkdir("target"));
    const QString folder = root.filePath("target");
    const QString hostile = "Quote \" $HOME `id` 100% ; rm -rf ~ #\\";
    // Written inside the folder, intact and valid, whatever the characters.
    TDesktopEntry entry{hostile, hostile + "\nInjected=1", "/bin/echo " + hostile, hostile, "", ""};
    const QString file = folder + "/" + hostile + ".desktop";
    ASSERT_EQ(WriteDesktopEntry(file, entry), 0);
    EXPECT_EQ(DesktopFileProblems(file), "");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_EQ(text.count('\n'), 6) << text.toStdString(); // no line was split or added
    EXPECT_FALSE(text.contains("\nInjected=1"));

    // Names that would leave the folder or break the file: refused, nothing written anywhere.
    const struct {
        QString name;
        int32_t code;
    } refused[] = {
        {"../escaped.desktop", LAUNCHER_E_INVALIDARG},
        {"a/../../escaped.desktop", LAUNCHER_E_INVALIDARG},
        {"two\nlines.desktop", LAUNCHER_E_INVALIDARG},
        {"", LAUNCHER_E_INVALIDARG},
        {"missing/sub.desktop", LAUNCHER_E_PATHNOTFOUND},
        {QString(300, 'x') + ".desktop", LAUNCHER_E_INVALIDARG},
    };
    for (const auto& r : refused)
        EXPECT_EQ(WriteDesktopEntry(folder + "/" + r.name, entry), r.code) << r.name.toStdString();
    EXPECT_EQ(Listing(folder).size(), 1);
    EXPECT_EQ(Listing(root.path()), QStringList{"target"});
}

TEST(Launcher, AReadOnlyFolderRefusesWithoutLeftovers) {
    if (QFileInfo("/").isWritable()) GTEST_SKIP() << "running as root: permissions do not bind";
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(WriteDesktopEntry(dir.filePath("x.desktop"), {"x", "", "true", "", "", ""}),
              LAUNCHER_E_ACCESSDENIED);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(Listing(dir.path()).isEmpty());
}

} // namespace
