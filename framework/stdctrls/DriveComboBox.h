#pragma once
// TDriveComboBox: the mounted volumes (see framework/system/Volumes.h) by mount point, each
// with a glyph of its kind. Choosing one moves the linked directory list to its mount point;
// the box follows the list's volume when the list moves. The volumes are read again each time
// the list drops down. A volume gone since it was listed is reported in an error message box
// and the box returns to the list's volume.

#include "framework/controls/WinControl.h"
#include "framework/system/Volumes.h"

class QComboBox;
class TDirectoryListBox;

class TDriveComboBox : public TWinControl {
    VQ_CLASS(TDriveComboBox, TWinControl)
public:
    explicit TDriveComboBox(TComponent* AOwner);
    ~TDriveComboBox() override;

    // DirList: nullptr; the directory list this box drives.
    TDirectoryListBox* DirList() const { return FDirList; }
    void SetDirList(TDirectoryListBox* value);
    // Drive: the selected volume's mount point. Setting it selects that volume and moves the
    // directory list there; EInOutError when no such volume is mounted or it cannot be read.
    String Drive() const;
    void SetDrive(const String& mountPoint);
    // The volumes listed and the selected one's index.
    const std::vector<TVolume>& Volumes() const { return FVolumes; }
    int ItemIndex() const { return FItemIndex; }
    // Reads the mount table again, keeping the selected volume when it is still there.
    void RescanVolumes();
    // The user's choice of the volume at index: as SetDrive, with failures shown to the user.
    void SelectVolume(int index);

    TNotifyEvent OnChange; // the selected volume changed

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

private:
    friend class TDirectoryListBox;
    void DirectoryChanged(const String& path);
    void FillWidget();
    void Select(int index);
    QComboBox* ComboBox() const;

    TDirectoryListBox* FDirList = nullptr;
    std::vector<TVolume> FVolumes;
    int FItemIndex = -1;
    bool FPushing = false;
};
