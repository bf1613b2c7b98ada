// The main window's tray icon, hot keys and shell functions: what each control drives and the
// texts the program shows (message boxes answered by the dialog hook).

#include "app/DemoProgram.h"
#include "app/MainForm.h"
#include "components/std/VQStdCmp.h"
#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/MenuItem.h"
#include "framework/controls/PopupMenu.h"
#include "framework/services/FolderBrowser.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Edit.h"
#include "support/DesktopFileCheck.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <optional>

namespace {

class ShellPages : public testing::Test {
protected:
    void SetUp() override {
        FPrevious = SetMessageDlgHook([this](const TMessageDlgRequest& r) {
            Boxes << r.Caption + ": " + r.Message;
            return mrOk;
        });
        FProgram.Start();
        ASSERT_NE(MainFm, nullptr);
    }
    void TearDown() override {
        FProgram.Finish();
        SetMessageDlgHook(FPrevious);
    }
    TDemoProgram FProgram;
    TMessageDlgHook FPrevious;
    QStringList Boxes;
};

TEST_F(ShellPages, TrayIconAndHotKeysAreSetUpAndAnswer) {
    TVQTrayIcon* tray = MainFm->TrayIconTi;
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(tray->Hint(), "This is a sample hint!");
    EXPECT_EQ(tray->Icon()->Width(), 16);
    EXPECT_EQ(tray->PopupMenu(), MainFm->PopupMenu1);
    EXPECT_FALSE(tray->Visible());
    EXPECT_TRUE(MainFm->A1->Default());
    EXPECT_EQ(MainFm->A1->Caption(), "&Activate");
    ASSERT_EQ(MainFm->PopupMenu1->Items()->Count(), 2);
    EXPECT_FALSE(MainFm->PopupMenu1->Items()->Items(1)->OnClick); // "E&xit" does nothing

    MainFm->ShowTrayIconCb->SetChecked(true);
    EXPECT_TRUE(tray->Visible());
    MainFm->ShowTrayIconCb->SetChecked(false);
    EXPECT_FALSE(tray->Visible());

    EXPECT_FALSE(MainFm->VQHotKey1->Global());
    EXPECT_EQ(MainFm->VQHotKey1->HotKey(), 16460);
    EXPECT_TRUE(MainFm->VQHotKey2->Global());
    EXPECT_EQ(MainFm->VQHotKey2->HotKey(), 16455);
    EXPECT_NE(MainFm->VQHotKey1->State(), THotKeyState::Idle); // held from the start

    tray->OnDblClick(tray);
    MainFm->A1->Click();
    uint16_t key = 0x4C;
    MainFm->VQHotKey1->OnHotKey(MainFm->VQHotKey1, key, {ssCtrl});
    MainFm->VQHotKey2->OnHotKey(MainFm->VQHotKey2, key, {ssCtrl});
    EXPECT_EQ(Boxes, QStringList({"Information: Try using the right mouse button on the icon!",
                                  "Information: If this was enabled, I'd be activated!",
                                  "Information: The local hot key was pressed!",
                                  "Information: The global hot key was pressed!"}));
}

TEST_F(ShellPages, FolderPickersFillTheirEditsOrLeaveThem) {
    MainFm->FoldersEd->SetText("before");
    QString preselected;
    QTimer::singleShot(0, [&] {
        auto* b = dynamic_cast<TFolderBrowser*>(QApplication::activeModalWidget());
        ASSERT_NE(b, nullptr);
        preselected = b->SelectedPath();
        b->reject();
    });
    MainFm->BrowseFoldersBtClick(nullptr);
    EXPECT_EQ(preselected, "/");
    EXPECT_EQ(MainFm->FoldersEd->Text(), "before");

    QTimer::singleShot(0, [&] {
        auto* b = dynamic_cast<TFolderBrowser*>(QApplication::activeModalWidget());
        ASSERT_NE(b, nullptr);
        b->SetSelectedPath(QDir::tempPath());
        b->accept();
    });
    MainFm->BrowseFoldersBtClick(nullptr);
    EXPECT_EQ(MainFm->FoldersEd->Text(), QDir(QDir::tempPath()).canonicalPath());
}

// Sets variables for one test and puts them back, or unsets them, however it ends.
class TScopedEnvironment {
public:
    void Set(const char* name, const QString& value) {
        if (!FSaved.contains(name))
            FSaved.insert(name, qEnvironmentVariableIsSet(name)
                                    ? std::optional<QByteArray>(qgetenv(name))
                                    : std::nullopt);
        qputenv(name, value.toUtf8());
    }
    ~TScopedEnvironment() {
        for (auto i = FSaved.cbegin(); i != FSaved.cend(); ++i)
            i.value() ? qputenv(i.key().constData(), *i.value()) : qunsetenv(i.key().constData());
    }

private:
    QMap<QByteArray, std::optional<QByteArray>> FSaved;
};

TEST_F(ShellPages, MakeShortcutWritesALauncherWithOrWithoutATextEditor) {
    // A home with a space in it, inside a folder of its own, so a launcher that escaped the
    // desktop would be found next to it.
    QTemporaryDir root;
    const QString home = root.filePath("my home");
    ASSERT_TRUE(QDir(home).mkpath("bin") && QDir(home).mkpath("empty"));
    const QString path = QString::fromUtf8(qgetenv("PATH"));
    TScopedEnvironment env;
    env.Set("HOME", home);
    env.Set("XDG_CONFIG_HOME", home + "/config");
    const QString desktop = home + "/Desktop";
    const QString file = desktop + "/Sample Shortcut.desktop";
    auto launcher = [&file] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(not written)");
    };
    EXPECT_EQ(MainFm->ShortcutEd->Text(), "Sample Shortcut");

    // No editor anywhere in PATH: the launcher opens the home folder instead.
    env.Set("PATH", home + "/empty");
    MainFm->ShortcutBtClick(nullptr);
    const QByteArray opener = launcher();
    const qsizetype exec = opener.indexOf("\nExec=");
    ASSERT_GE(exec, 0) << opener.toStdString();
    const QList<QByteArray> command =
        opener.mid(exec + 6, opener.indexOf('\n', exec + 1) - exec - 6).split(' ');
    ASSERT_EQ(command.size(), 2) << opener.toStdString();
    EXPECT_EQ(command[0], "xdg-open");
    EXPECT_EQ(QUrl(QString::fromUtf8(command[1]).replace("%%", "%")).toLocalFile(), home);
    env.Set("PATH", path); // the validator is found again
    EXPECT_EQ(DesktopFileProblems(file), "");

    // An editor the desktop has: a stand-in in PATH.
    QFile editor(home + "/bin/mousepad");
    ASSERT_TRUE(editor.open(QIODevice::WriteOnly));
    editor.write("#!/bin/sh\n");
    editor.close();
    editor.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    env.Set("PATH", home + "/bin:" + path);
    MainFm->ShortcutBtClick(nullptr);
    MainFm->ShortcutBtClick(nullptr); // pressing twice overwrites
    EXPECT_EQ(QDir(desktop).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Sample Shortcut.desktop"});
    const QByteArray text = launcher();
    EXPECT_TRUE(text.contains("\nExec=\"" + home.toUtf8() + "/bin/mousepad\"\n"))
        << text.toStdString();
    EXPECT_EQ(DesktopFileProblems(file), "");

    // A name that would leave the desktop (for the folder above the home) writes nothing,
    // and says nothing.
    MainFm->ShortcutEd->SetText("../../escaped");
    MainFm->ShortcutBtClick(nullptr);
    EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"my home"});
    EXPECT_EQ(QDir(desktop).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Sample Shortcut.desktop"});
    EXPECT_TRUE(Boxes.isEmpty());
}

} // namespace
