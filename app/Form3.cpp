#include "app/Form3.h"

#include "components/std/VQMenuButton.h"
#include "components/std/VQSplitter.h"
#include "framework/comctrls/ListView.h"
#include "framework/comctrls/TreeView.h"
#include "framework/controls/Dialogs.h"

TForm3Fm* Form3Fm = nullptr;

VQ_PUBLISH(TForm3Fm) {
    P.Inherit();
    P.ComponentField("VQMenuButton1", &TForm3Fm::VQMenuButton1);
    P.ComponentField("VQMenuButton2", &TForm3Fm::VQMenuButton2);
    P.ComponentField("VQSplitter1", &TForm3Fm::VQSplitter1);
    P.ComponentField("TreeView1", &TForm3Fm::TreeView1);
    P.ComponentField("ListView1", &TForm3Fm::ListView1);
    P.Handler("VQMenuButton2Change", &TForm3Fm::VQMenuButton2Change);
}

TForm3Fm::TForm3Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm3Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form3.vqf");
}

void TForm3Fm::VQMenuButton2Change(TObject* Sender) {
    auto* button = static_cast<TVQMenuButton*>(Sender);
    const int index = button->ItemIndex();
    if (index < 0 || index >= button->Items()->Count()) return;
    MessageDlg(button->Items()->Strings(index), mtConfirmation, TMsgDlgButtons{mbOK}, 0);
}
