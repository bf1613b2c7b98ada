#pragma once
// TGetDirectoryDialogFm: a modal form for choosing a directory: a directory list, a drive box,
// an edit mirroring the chosen directory, and a file list shown on request. A caller creates
// it, shows it modally and, on mrOk, reads the directory from SelectedDirEd. While the list's
// highlight is on another directory than the current one, Enter opens that directory instead
// of confirming. Paths keep their case (on Linux a lower-cased path names another directory).

#include "framework/controls/Form.h"

class TButton;
class TDirectoryListBox;
class TDriveComboBox;
class TEdit;
class TFileListBox;

class TGetDirectoryDialogFm : public TForm {
    VQ_CLASS(TGetDirectoryDialogFm, TForm)
public:
    explicit TGetDirectoryDialogFm(TComponent* AOwner);

    TButton* OKBt = nullptr;
    TButton* CancelBt = nullptr;
    TDirectoryListBox* DirectoryLb = nullptr;
    TDriveComboBox* DriveCb = nullptr;
    TEdit* SelectedDirEd = nullptr;
    TFileListBox* FileLb = nullptr;
    TButton* ShowHideFilesBt = nullptr;

    void FormCreate(TObject* Sender);
    // The edit shows the list's current directory, all selected.
    void DirectoryLbChange(TObject* Sender);
    // OK is the default button exactly when the highlight is on the current directory.
    void DirectoryLbEnter(TObject* Sender);
    void DirectoryLbClick(TObject* Sender);
    void DirectoryLbKeyUp(TObject* Sender, uint16_t& Key, TShiftState Shift);
    // Leaving the list makes OK the default button again.
    void DirectoryLbExit(TObject* Sender);
    // Shows or hides the file list, moving the buttons and sizing the window to match.
    void ShowHideFilesBtClick(TObject* Sender);
};
