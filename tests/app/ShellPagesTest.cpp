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
#include "support/QtPrinters.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

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

TEST_F(ShellPages, MakeShortcutWritesALauncherForTheTextEditor) {
    QTemporaryDir home;
    const QList<QByteArray> saved{qgetenv("HOME"), qgetenv("XDG_CONFIG_HOME"), qgetenv("PATH")};
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    // An editor the desktop has: a stand-in in PATH.
    QDir(home.path()).mkpath("bin");
    QFile editor(home.filePath("bin/mousepad"));
    ASSERT_TRUE(editor.open(QIODevice::WriteOnly));
    editor.write("#!/bin/sh\n");
    editor.close();
    editor.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("PATH", home.filePath("bin").toUtf8() + ":" + saved[2]);

    EXPECT_EQ(MainFm->ShortcutEd->Text(), "Sample Shortcut");
    MainFm->ShortcutBtClick(nullptr);
    MainFm->ShortcutBtClick(nullptr); // pressing twice overwrites
    const QString desktop = home.filePath("Desktop");
    EXPECT_EQ(QDir(desktop).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Sample Shortcut.desktop"});
    QFile launcher(desktop + "/Sample Shortcut.desktop");
    ASSERT_TRUE(launcher.open(QIODevice::ReadOnly));
    const QByteArray text = launcher.readAll();
    EXPECT_TRUE(text.contains("\nExec=\"" + home.filePath("bin/mousepad").toUtf8() + "\"\n"))
        << text.toStdString();

    // A name that would leave the desktop writes nothing, and says nothing.
    MainFm->ShortcutEd->SetText("../../escaped");
    MainFm->ShortcutBtClick(nullptr);
    EXPECT_FALSE(QFile::exists(home.filePath("escaped.desktop")));
    EXPECT_TRUE(Boxes.isEmpty());
    qputenv("HOME", saved[0]);
    qputenv("XDG_CONFIG_HOME", saved[1]);
    qputenv("PATH", saved[2]);
}

} // namespace
