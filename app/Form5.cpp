#include "app/Form5.h"

#include "components/dialogs/VQCalPop/VQCalPop.h"
#include "framework/stdctrls/Button.h"

TForm5Fm* Form5Fm = nullptr;

VQ_PUBLISH(TForm5Fm) {
    P.Inherit();
    P.ComponentField("Button1", &TForm5Fm::Button1);
    P.ComponentField("VQCalendarPopup1", &TForm5Fm::VQCalendarPopup1);
    P.Handler("Button1Click", &TForm5Fm::Button1Click);
}

TForm5Fm::TForm5Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm5Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form5.vqf");
}

void TForm5Fm::Button1Click(TObject* Sender) {
    auto* button = dynamic_cast<TButton*>(Sender);
    if (!button) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    VQCalendarPopup1->PopupAtControl(button, ::Date());
}
