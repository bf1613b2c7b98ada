#include "components/dialogs/VQGetDir/GetDirectoryDialogFm.h"

#include "framework/classes/ClassRegistry.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/DirectoryListBox.h"
#include "framework/stdctrls/DriveComboBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/FileListBox.h"
#include "framework/stdctrls/Label.h"

VQ_PUBLISH(TGetDirectoryDialogFm) {
    using C = TGetDirectoryDialogFm;
    P.Inherit();
    P.ComponentField("OKBt", &C::OKBt);
    P.ComponentField("CancelBt", &C::CancelBt);
    P.ComponentField("DirectoryLb", &C::DirectoryLb);
    P.ComponentField("DriveCb", &C::DriveCb);
    P.ComponentField("SelectedDirEd", &C::SelectedDirEd);
    P.ComponentField("FileLb", &C::FileLb);
    P.ComponentField("ShowHideFilesBt", &C::ShowHideFilesBt);
    P.Handler("FormCreate", &C::FormCreate);
    P.Handler("DirectoryLbChange", &C::DirectoryLbChange);
    P.Handler("DirectoryLbEnter", &C::DirectoryLbEnter);
    P.Handler("DirectoryLbClick", &C::DirectoryLbClick);
    P.Handler("DirectoryLbKeyUp", &C::DirectoryLbKeyUp);
    P.Handler("DirectoryLbExit", &C::DirectoryLbExit);
    P.Handler("ShowHideFilesBtClick", &C::ShowHideFilesBtClick);
}

TGetDirectoryDialogFm::TGetDirectoryDialogFm(TComponent* AOwner) : TForm(AOwner) {
    // The description names these classes; a program need not have registered them.
    RegisterClassesOf<TButton, TLabel, TEdit, TDirectoryListBox, TDriveComboBox, TFileListBox>();
}

void TGetDirectoryDialogFm::FormCreate(TObject*) {
    DirectoryLbChange(this);
    ShowHideFilesBtClick(this);
}

void TGetDirectoryDialogFm::DirectoryLbChange(TObject*) {
    SelectedDirEd->SetText(DirectoryLb->Directory());
    SelectedDirEd->SelectAll();
}

void TGetDirectoryDialogFm::DirectoryLbEnter(TObject*) {
    const int i = DirectoryLb->ItemIndex();
    // Paths compare exactly: differently cased names are different directories here.
    OKBt->SetDefault(i >= 0 && DirectoryLb->GetItemPath(i) == DirectoryLb->Directory());
}

void TGetDirectoryDialogFm::DirectoryLbClick(TObject* Sender) {
    DirectoryLbEnter(Sender);
}

void TGetDirectoryDialogFm::DirectoryLbKeyUp(TObject* Sender, uint16_t&, TShiftState) {
    DirectoryLbEnter(Sender);
}

void TGetDirectoryDialogFm::DirectoryLbExit(TObject*) {
    OKBt->SetDefault(true);
}

void TGetDirectoryDialogFm::ShowHideFilesBtClick(TObject*) {
    TDirectoryListBox* D = DirectoryLb;
    TFileListBox* F = FileLb;
    if (F->Visible()) {
        SetClientWidth(D->Left() + D->Width() + 16 + OKBt->Width() + 8);
        F->Hide();
        const int left = D->Left() + D->Width() + 16;
        for (TButton* b : {OKBt, CancelBt, ShowHideFilesBt})
            b->SetLeft(left);
        ShowHideFilesBt->SetCaption(QStringLiteral("&Show Files"));
    } else {
        const int left = F->Left() + F->Width() + 16;
        for (TButton* b : {OKBt, CancelBt, ShowHideFilesBt})
            b->SetLeft(left);
        ShowHideFilesBt->SetCaption(QStringLiteral("&Hide Files"));
        F->Show();
        SetClientWidth(OKBt->Left() + OKBt->Width() + 8);
    }
}
