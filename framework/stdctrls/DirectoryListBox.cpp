#include "framework/stdctrls/DirectoryListBox.h"

#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/PopupMenu.h"
#include "framework/stdctrls/DriveComboBox.h"
#include "framework/stdctrls/FileGlyphs.h"
#include "framework/stdctrls/FileListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>

VQ_PUBLISH(TDirectoryListBox) {
    using C = TDirectoryListBox;
    P.Inherit();
    P.Property("Align", &C::Align, &C::SetAlign).Default(alNone);
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D).Stored(TStoredFn(&TWinControl::IsCtl3DStored));
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("FileList", &C::FileList, &C::SetFileList);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("IntegralHeight", &C::IntegralHeight, &C::SetIntegralHeight).Default(false);
    P.Property("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Default(16);
    P.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    P.Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D).Default(true);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Event("OnChange", &C::OnChange, "TNotifyEvent");
    P.Event("OnClick", &C::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &C::OnDblClick, "TNotifyEvent");
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
    P.Event("OnKeyDown", &C::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &C::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &C::OnKeyUp, "TKeyEvent");
}

TDirectoryListBox::TDirectoryListBox(TComponent* AOwner) : TCustomItemListBox(AOwner) {
    // The working directory may itself be gone; the root always exists.
    const String cwd = QDir::currentPath();
    try {
        Read(QFileInfo(cwd).isDir() ? cwd : QStringLiteral("/"), -1);
    } catch (const Exception&) {
        Read(QStringLiteral("/"), -1);
    }
}

TDirectoryListBox::~TDirectoryListBox() {
    if (FDriveCombo) FDriveCombo->FDirList = nullptr;
}

namespace {
QStringList PathParts(const String& path) {
    QStringList parts{QStringLiteral("/")};
    parts += path.split(u'/', Qt::SkipEmptyParts);
    return parts;
}
} // namespace

void TDirectoryListBox::Read(const String& value, int highlightPath) {
    const String path = QDir::cleanPath(QDir(value).absolutePath());
    const QFileInfo info(path);
    if (!info.exists())
        throw EInOutError(QStringLiteral("The directory \"%1\" does not exist.").arg(path));
    if (!info.isDir()) throw EInOutError(QStringLiteral("\"%1\" is not a directory.").arg(path));
    QDir dir(path);
    if (!info.isReadable() || !info.isExecutable() || !dir.isReadable())
        throw EInOutError(
            QStringLiteral("The directory \"%1\" cannot be read: permission denied.").arg(path));
    const QStringList subdirs =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);

    std::vector<TItem> items;
    const QStringList parts = path == QLatin1String("/") ? QStringList{path} : PathParts(path);
    for (int i = 0; i < parts.size(); ++i)
        items.push_back({parts[i], FileGlyph(TFileGlyph::OpenFolder), i});
    for (const String& name : subdirs)
        items.push_back({name, FileGlyph(TFileGlyph::ClosedFolder), int(parts.size())});
    FDirectory = path;
    FPathItems = int(parts.size());
    const int highlight = highlightPath >= 0 ? highlightPath : FPathItems - 1;
    SetItems(std::move(items), highlight);
}

void TDirectoryListBox::SetDirectory(const String& value) {
    const String before = FDirectory;
    Read(value, -1);
    if (FFileList) FFileList->SetDirectory(FDirectory);
    if (FDriveCombo) FDriveCombo->DirectoryChanged(FDirectory);
    if (FDirectory != before) Change();
}

void TDirectoryListBox::Rescan() {
    SetDirectory(FDirectory);
}

String TDirectoryListBox::GetItemPath(int index) const {
    const TItem& item = Item(index); // checks the range
    if (index < FPathItems) {
        const QStringList parts = PathParts(FDirectory);
        String path;
        for (int i = 1; i <= index; ++i)
            path += u'/' + parts[i];
        return path.isEmpty() ? QStringLiteral("/") : path;
    }
    return FDirectory == QLatin1String("/") ? u'/' + item.Text : FDirectory + u'/' + item.Text;
}

bool TDirectoryListBox::OpenCurrent() {
    if (ItemIndex() < 0) return false;
    const String path = GetItemPath(ItemIndex());
    try {
        SetDirectory(path);
        return true;
    } catch (const Exception& e) {
        MessageDlg(e.Message(), mtError, {mbOK}, 0);
        // A directory that vanished leaves a stale entry: read the list again.
        try {
            Read(FDirectory, -1);
        } catch (const Exception&) {
        }
        return false;
    }
}

void TDirectoryListBox::KeyPress(QChar& Key) {
    TCustomItemListBox::KeyPress(Key);
    if (Key == u'\r') {
        Key = QChar();
        OpenCurrent();
    }
}

void TDirectoryListBox::DblClick() {
    const TLifeToken alive = LifeToken();
    OpenCurrent();
    if (alive) TCustomItemListBox::DblClick();
}

void TDirectoryListBox::SetFileList(TFileListBox* value) {
    if (FFileList == value) return;
    if (FFileList) FFileList->RemoveFreeNotification(this);
    FFileList = value;
    if (FFileList) {
        FFileList->FreeNotification(this);
        if (!Loading()) FFileList->SetDirectory(FDirectory);
    }
}

void TDirectoryListBox::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomItemListBox::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFileList) FFileList = nullptr;
}

void TDirectoryListBox::Loaded() {
    TCustomItemListBox::Loaded();
    if (FFileList) FFileList->SetDirectory(FDirectory);
}
