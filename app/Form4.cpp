#include "app/Form4.h"

#include "components/std/VQWizard.h"
#include "framework/controls/Dialogs.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/RadioButton.h"

TForm4Fm* Form4Fm = nullptr;

VQ_PUBLISH(TForm4Fm) {
    using C = TForm4Fm;
    P.Inherit();
    P.ComponentField("VQWizard1", &C::VQWizard1);
    P.ComponentField("VQWizardPage1", &C::VQWizardPage1);
    P.ComponentField("VQWizardPage2", &C::VQWizardPage2);
    P.ComponentField("VQWizardPage3", &C::VQWizardPage3);
    P.ComponentField("VQWizardPage4", &C::VQWizardPage4);
    P.ComponentField("VQWizardPage5", &C::VQWizardPage5);
    P.ComponentField("ComboBox1", &C::ComboBox1);
    P.ComponentField("RadioButton1", &C::RadioButton1);
    P.ComponentField("RadioButton2", &C::RadioButton2);
    P.ComponentField("Edit1", &C::Edit1);
    P.ComponentField("Edit2", &C::Edit2);
    P.Handler("VQWizardPage2DoneQuery", &C::VQWizardPage2DoneQuery);
    P.Handler("ComboBox1Change", &C::ComboBox1Change);
    P.Handler("RadioButton2Click", &C::RadioButton2Click);
    P.Handler("VQWizard1FinishClick", &C::VQWizard1FinishClick);
    P.Handler("Edit1Change", &C::Edit1Change);
    P.Handler("VQWizardPage4DoneQuery", &C::VQWizardPage4DoneQuery);
}

TForm4Fm::TForm4Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm4Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form4.vqf");
}

void TForm4Fm::VQWizardPage2DoneQuery(TObject*, bool& Done) {
    Done = ComboBox1 && !ComboBox1->Text().isEmpty();
}

void TForm4Fm::ComboBox1Change(TObject*) {
    if (VQWizard1) VQWizard1->CheckDone();
}

void TForm4Fm::RadioButton2Click(TObject*) {
    if (VQWizardPage4 && RadioButton2) VQWizardPage4->SetInclude(RadioButton2->Checked());
}

void TForm4Fm::VQWizard1FinishClick(TObject*) {
    MessageDlg(QStringLiteral("Printing completed!"), mtInformation, TMsgDlgButtons{mbOK}, 0);
}

void TForm4Fm::Edit1Change(TObject*) {
    if (VQWizard1) VQWizard1->CheckDone();
}

void TForm4Fm::VQWizardPage4DoneQuery(TObject*, bool& Done) {
    Done = Edit1 && Edit2 && !Edit1->Text().isEmpty() && !Edit2->Text().isEmpty();
}
