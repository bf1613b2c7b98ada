#include "framework/stdctrls/DriveComboBox.h"

#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/PopupMenu.h"
#include "framework/stdctrls/DirectoryListBox.h"
#include "framework/stdctrls/FileGlyphs.h"
#include "framework/system/ScopedChange.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>

namespace {
// Reads the volumes again just before the list drops down, so new media show up.
class TVolumeCombo : public QComboBox {
public:
    TVolumeCombo(QWidget* parent, std::function<void()> beforePopup)
        : QComboBox(parent), FBeforePopup(std::move(beforePopup)) {}
    void showPopup() override {
        FBeforePopup();
        QComboBox::showPopup();
    }

private:
    std::function<void()> FBeforePopup;
};
} // namespace

VQ_PUBLISH(TDriveComboBox) {
    using C = TDriveComboBox;
    P.Inherit();
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D).Stored(TStoredFn(&TWinControl::IsCtl3DStored));
    P.Property("DirList", &C::DirList, &C::SetDirList);
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
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
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
    P.Event("OnKeyDown", &C::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &C::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &C::OnKeyUp, "TKeyEvent");
}

TDriveComboBox::TDriveComboBox(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle.Include(csFixedHeight);
    SetBounds(0, 0, 145, 19);
    SetTabStop(true);
    SetParentColor(false);
    FVolumes = MountedVolumes();
    DirectoryChanged(QDir::currentPath());
}

TDriveComboBox::~TDriveComboBox() {
    if (FDirList) FDirList->FDriveCombo = nullptr;
}

QComboBox* TDriveComboBox::ComboBox() const {
    return static_cast<QComboBox*>(Widget());
}

String TDriveComboBox::Drive() const {
    return FItemIndex >= 0 ? FVolumes[size_t(FItemIndex)].MountPoint : String();
}

void TDriveComboBox::SetDirList(TDirectoryListBox* value) {
    if (FDirList == value) return;
    if (FDirList) {
        FDirList->FDriveCombo = nullptr;
        FDirList->RemoveFreeNotification(this);
    }
    FDirList = value;
    if (FDirList) {
        // One box drives a list; a box linked before lets go.
        if (FDirList->FDriveCombo) FDirList->FDriveCombo->SetDirList(nullptr);
        FDirList->FDriveCombo = this;
        FDirList->FreeNotification(this);
        DirectoryChanged(FDirList->Directory());
    }
}

void TDriveComboBox::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDirList) FDirList = nullptr;
}

void TDriveComboBox::Loaded() {
    TWinControl::Loaded();
    if (FDirList) DirectoryChanged(FDirList->Directory());
}

void TDriveComboBox::Select(int index) {
    FItemIndex = index;
    if (QComboBox* box = ComboBox()) {
        TScopedChange pushing(FPushing, true);
        box->setCurrentIndex(index);
    }
}

void TDriveComboBox::DirectoryChanged(const String& path) {
    const TVolume* v = VolumeOfPath(FVolumes, path);
    Select(v ? int(v - FVolumes.data()) : -1);
}

void TDriveComboBox::RescanVolumes() {
    const String current = Drive();
    FVolumes = MountedVolumes();
    FillWidget();
    int index = -1;
    for (size_t i = 0; i < FVolumes.size(); ++i)
        if (FVolumes[i].MountPoint == current) index = int(i);
    if (index < 0 && FDirList) {
        const TVolume* v = VolumeOfPath(FVolumes, FDirList->Directory());
        index = v ? int(v - FVolumes.data()) : -1;
    }
    Select(index);
}

void TDriveComboBox::SetDrive(const String& mountPoint) {
    const std::vector<TVolume> now = MountedVolumes();
    const bool mounted = std::any_of(now.begin(), now.end(),
                                     [&](const TVolume& v) { return v.MountPoint == mountPoint; });
    if (!mounted || !QFileInfo(mountPoint).isDir())
        throw EInOutError(
            QStringLiteral("The volume \"%1\" is not available any more.").arg(mountPoint));
    if (now.size() != FVolumes.size() || !std::equal(now.begin(), now.end(), FVolumes.begin(),
                                                     [](const TVolume& a, const TVolume& b) {
                                                         return a.MountPoint == b.MountPoint;
                                                     })) {
        FVolumes = now;
        FillWidget();
    }
    if (FDirList) FDirList->SetDirectory(mountPoint); // follows back through DirectoryChanged
    const String before = Drive();
    for (size_t i = 0; i < FVolumes.size(); ++i)
        if (FVolumes[i].MountPoint == mountPoint) Select(int(i));
    if (Drive() != before) Fire(OnChange, this);
}

void TDriveComboBox::SelectVolume(int index) {
    if (index < 0 || index >= int(FVolumes.size())) return;
    const String mountPoint = FVolumes[size_t(index)].MountPoint;
    try {
        SetDrive(mountPoint);
    } catch (const Exception& e) {
        MessageDlg(e.Message(), mtError, {mbOK}, 0);
        // Back to where the list is, with the volumes as they are now.
        RescanVolumes();
        if (FDirList) DirectoryChanged(FDirList->Directory());
    }
}

void TDriveComboBox::FillWidget() {
    QComboBox* box = ComboBox();
    if (!box) return;
    TScopedChange pushing(FPushing, true);
    box->clear();
    for (const TVolume& v : FVolumes)
        box->addItem(QIcon(QPixmap::fromImage(VolumeGlyph(v.Kind))), v.MountPoint, v.Device);
    box->setCurrentIndex(FItemIndex);
}

QWidget* TDriveComboBox::CreateWidget(QWidget* parentWidget) {
    auto* box = new TVolumeCombo(parentWidget,
                                 [this] { Application->Guard(this, [this] { RescanVolumes(); }); });
    box->setIconSize(QSize(13, 13));
    QObject::connect(box, &QComboBox::activated, box, [this](int index) {
        if (FPushing) return;
        Application->Guard(this, [this, index] { SelectVolume(index); });
    });
    return box;
}

void TDriveComboBox::CreateWnd() {
    TWinControl::CreateWnd();
    FillWidget();
}
