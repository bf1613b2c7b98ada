#include "DialogTestSupport.h"

#include "components/dialogs/VQGetDir/VQGetDir.h"
#include "framework/controls/Dialogs.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/DirectoryListBox.h"
#include "framework/stdctrls/DriveComboBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/FileListBox.h"
#include "framework/system/Volumes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {

// A directory tree to browse, the working directory inside it, a mount table naming "/" and
// a second volume, and a log of the message boxes shown.
class GetDirectoryDialog : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeVQGetDir();
        Root = tree.path() + QStringLiteral("/Top");
        for (const char* d :
             {"Top/Alpha/Inner", "Top/beta", "Top/Ünïcode Dir", "Top/.hidden", "Volume B/Data"})
            ASSERT_TRUE(QDir(tree.path()).mkpath(QString::fromUtf8(d)));
        for (const char* f : {"Top/file.txt", "Top/.dotfile"}) {
            QFile file(tree.path() + u'/' + QString::fromUtf8(f));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        VolumeB = tree.path() + QStringLiteral("/Volume B");
        WriteMounts({VolumeB, tree.path() + QStringLiteral("/gone")});
        previousCwd = QDir::currentPath();
        QDir::setCurrent(Root);
        previousHook = SetMessageDlgHook([this](const TMessageDlgRequest& r) {
            Messages << r.Message;
            return mrOk;
        });
        form.reset(TForm::CreateFromResource<TGetDirectoryDialogFm>(nullptr));
    }
    void TearDown() override {
        form.reset();
        SetMessageDlgHook(previousHook);
        QDir::setCurrent(previousCwd);
        SetMountTablePath(String());
    }
    void WriteMounts(const QStringList& extra) {
        QByteArray text = "/dev/sda1 / ext4 rw 0 0\nproc /proc proc rw 0 0\n";
        for (const String& mp : extra)
            text += "/dev/sdb1 " + mp.toUtf8().replace(" ", "\\040") + " vfat rw 0 0\n";
        QFile file(tree.path() + QStringLiteral("/mounts"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        SetMountTablePath(file.fileName());
    }
    int VolumeIndex(const String& mountPoint) const {
        const auto& v = form->DriveCb->Volumes();
        for (size_t i = 0; i < v.size(); ++i)
            if (v[i].MountPoint == mountPoint) return int(i);
        return -1;
    }
    int ItemOf(const String& text) const {
        for (int i = 0; i < form->DirectoryLb->Count(); ++i)
            if (form->DirectoryLb->ItemText(i) == text) return i;
        return -1;
    }
    QStringList FileItems() const {
        QStringList out;
        for (int i = 0; i < form->FileLb->Count(); ++i)
            out << form->FileLb->ItemText(i);
        return out;
    }

    TDialogTestEnvironment env;
    QTemporaryDir tree;
    String Root, VolumeB, previousCwd;
    TMessageDlgHook previousHook;
    QStringList Messages;
    std::unique_ptr<TGetDirectoryDialogFm> form;
};

TEST_F(GetDirectoryDialog, StartsHiddenAndTogglesBetweenTheTwoLayouts) {
    TGetDirectoryDialogFm* f = form.get();
    // Streamed links and settings.
    EXPECT_EQ(f->DriveCb->DirList(), f->DirectoryLb);
    EXPECT_EQ(f->DirectoryLb->FileList(), f->FileLb);
    EXPECT_EQ(f->FileLb->FileType(), (TFileType{ftReadOnly, ftArchive, ftNormal}));
    EXPECT_EQ(f->DirectoryLb->Height() % 16, 4); // whole items and the frame
    struct TLayout {
        bool FilesVisible;
        const char* Caption;
        int ClientWidth, ButtonLeft;
    };
    const TLayout hidden{false, "&Show Files", 286, 189}, shown{true, "&Hide Files", 454, 357};
    for (const TLayout& expected : {hidden, shown, hidden, shown}) {
        EXPECT_EQ(f->FileLb->Visible(), expected.FilesVisible);
        EXPECT_EQ(f->ShowHideFilesBt->Caption(), expected.Caption);
        EXPECT_EQ(f->ClientWidth(), expected.ClientWidth);
        EXPECT_EQ(f->ClientHeight(), 229);
        for (TButton* b : {f->OKBt, f->CancelBt, f->ShowHideFilesBt})
            EXPECT_EQ(b->Left(), expected.ButtonLeft);
        EXPECT_EQ(f->OKBt->Top(), 12);
        EXPECT_EQ(f->CancelBt->Top(), 40);
        EXPECT_EQ(f->ShowHideFilesBt->Top(), 76);
        f->ShowHideFilesBt->Click();
    }
    // The edit mirrors the directory with its case, all selected; the files skip dot files.
    EXPECT_EQ(f->SelectedDirEd->Text(), Root);
    EXPECT_EQ(f->SelectedDirEd->SelLength(), Root.size());
    EXPECT_EQ(FileItems(), QStringList{"file.txt"});
}

TEST_F(GetDirectoryDialog, ListShowsThePathThenTheSubdirectories) {
    TDirectoryListBox* d = form->DirectoryLb;
    const QStringList parts = Root.split(u'/', Qt::SkipEmptyParts);
    ASSERT_EQ(d->Count(), parts.size() + 1 + 3);
    EXPECT_EQ(d->ItemText(0), "/");
    EXPECT_EQ(d->GetItemPath(0), "/");
    EXPECT_EQ(d->ItemIndex(), parts.size()); // the current directory
    EXPECT_EQ(d->GetItemPath(d->ItemIndex()), Root);
    EXPECT_EQ(d->GetItemPath(1), u'/' + parts[0]);
    const QStringList subdirs{d->ItemText(d->Count() - 3), d->ItemText(d->Count() - 2),
                              d->ItemText(d->Count() - 1)};
    EXPECT_EQ(subdirs, (QStringList{"Alpha", "beta", "Ünïcode Dir"}));
    EXPECT_EQ(d->GetItemPath(ItemOf("Ünïcode Dir")), Root + "/Ünïcode Dir");
    EXPECT_GT(d->Item(ItemOf("beta")).Indent, d->Item(0).Indent);
    // Opening a UTF-8 name keeps it whole in the edit.
    d->SetItemIndex(ItemOf("Ünïcode Dir"));
    EXPECT_TRUE(d->OpenCurrent());
    EXPECT_EQ(form->SelectedDirEd->Text(), Root + "/Ünïcode Dir");
}

TEST_F(GetDirectoryDialog, EnterOpensAHighlightedSubdirectoryElseConfirms) {
    TGetDirectoryDialogFm* f = form.get();
    std::vector<String> directories;
    bool okDefaultOnSubdir = true;
    WhenModal([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(f->Widget()));
        f->DirectoryLb->SetFocus();
        QWidget* list = f->DirectoryLb->Widget();
        QTest::keyClick(list, Qt::Key_Down); // highlight Alpha, the first subdirectory
        okDefaultOnSubdir = f->OKBt->Default();
        QTest::keyClick(list, Qt::Key_Return); // opens Alpha, the box stays
        directories.push_back(f->DirectoryLb->Directory());
        QTest::keyClick(list, Qt::Key_Return); // highlight on Alpha itself: OK
        if (f->ModalResult() == mrNone) f->SetModalResult(mrAbort);
    });
    EXPECT_EQ(f->ShowModal(), mrOk);
    EXPECT_FALSE(okDefaultOnSubdir);
    EXPECT_EQ(directories, std::vector<String>{Root + "/Alpha"});
    EXPECT_EQ(f->SelectedDirEd->Text(), Root + "/Alpha");
    // Leaving the list makes OK the default again.
    f->DirectoryLb->SetItemIndex(0);
    f->DirectoryLbClick(f->DirectoryLb);
    EXPECT_FALSE(f->OKBt->Default());
    f->DirectoryLbExit(f->DirectoryLb);
    EXPECT_TRUE(f->OKBt->Default());
}

TEST_F(GetDirectoryDialog, DriveChangeMovesTheListAndVanishedDrivesAreReported) {
    TGetDirectoryDialogFm* f = form.get();
    EXPECT_EQ(f->DriveCb->Drive(), "/");
    ASSERT_GE(VolumeIndex(VolumeB), 0);
    EXPECT_EQ(VolumeIndex("/proc"), -1); // pseudo file systems are no drives
    f->DriveCb->SelectVolume(VolumeIndex(VolumeB));
    EXPECT_EQ(f->DirectoryLb->Directory(), VolumeB);
    EXPECT_EQ(f->SelectedDirEd->Text(), VolumeB);
    EXPECT_EQ(f->DriveCb->Drive(), VolumeB);
    // Moving the list back moves the box too.
    f->DirectoryLb->SetDirectory(Root);
    EXPECT_EQ(f->DriveCb->Drive(), "/");
    // A listed volume that is not there any more: a message, nothing moves.
    const String gone = tree.path() + QStringLiteral("/gone");
    f->DriveCb->SelectVolume(VolumeIndex(gone));
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].contains(gone)) << Messages[0].toStdString();
    EXPECT_EQ(f->DirectoryLb->Directory(), Root);
    EXPECT_EQ(f->DriveCb->Drive(), "/");
}

TEST_F(GetDirectoryDialog, VanishedAndUnreadableDirectoriesAreReported) {
    TDirectoryListBox* d = form->DirectoryLb;
    ASSERT_TRUE(QDir(Root + "/beta").removeRecursively());
    d->SetItemIndex(ItemOf("beta"));
    EXPECT_FALSE(d->OpenCurrent());
    ASSERT_EQ(Messages.size(), 1);
    EXPECT_TRUE(Messages[0].contains("does not exist")) << Messages[0].toStdString();
    EXPECT_EQ(d->Directory(), Root);
    EXPECT_EQ(ItemOf("beta"), -1); // read again without it
    EXPECT_THROW(d->SetDirectory(Root + "/file.txt"), EInOutError);
    if (geteuid() != 0) { // the superuser reads everything
        QFile::setPermissions(Root + "/Alpha", QFileDevice::Permissions());
        d->SetItemIndex(ItemOf("Alpha"));
        EXPECT_FALSE(d->OpenCurrent());
        EXPECT_TRUE(Messages.last().contains("cannot be read"));
        EXPECT_EQ(d->Directory(), Root);
        QFile::setPermissions(Root + "/Alpha", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
    }
}

TEST(Volumes, MountTableParsing) {
    const std::vector<TVolume> v = ParseMountTable(
        "sysfs /sys sysfs rw 0 0\n/dev/nvme0n1p2 / ext4 rw 0 0\n"
        "/dev/loop3 /snap/core squashfs ro 0 0\n/dev/sdb1 /media/me/MY\\040STICK vfat rw 0 0\n"
        "/dev/sr0 /media/me/DISC iso9660 ro 0 0\nsrv:/home /net/home nfs4 rw 0 0\n"
        "/dev/sda1 /boot ext4 rw 0 0\n/dev/sda3 /boot ext4 rw 0 0\n");
    QStringList points;
    for (const TVolume& x : v)
        points << x.MountPoint;
    EXPECT_EQ(points,
              (QStringList{"/", "/boot", "/media/me/DISC", "/media/me/MY STICK", "/net/home"}));
    EXPECT_EQ(v[1].Device, "/dev/sda3");
    EXPECT_EQ(v[2].Kind, TVolumeKind::Optical);
    EXPECT_EQ(v[3].Kind, TVolumeKind::Removable);
    EXPECT_EQ(v[4].Kind, TVolumeKind::Network);
    EXPECT_EQ(VolumeOfPath(v, "/media/me/MY STICK/x")->MountPoint, "/media/me/MY STICK");
    EXPECT_EQ(VolumeOfPath(v, "/bootstrap")->MountPoint, "/");
    EXPECT_EQ(ParseMountTable("").size(), 1u); // the root at least
}

} // namespace
