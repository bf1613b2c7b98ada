#include "QuickstartForm.h"

#include "components/gfx/VQGfxCmp.h"
#include "components/std/VQStdCmp.h"
#include "framework/stdctrls/StdCtrls.h"
#include "framework/system/DateUtils.h"

VQ_PUBLISH(TQuickstartFm) {
    P.Inherit();
    P.ComponentField("VQCalendar1", &TQuickstartFm::VQCalendar1);
    P.ComponentField("VQMeter1", &TQuickstartFm::VQMeter1);
    P.ComponentField("DateLb", &TQuickstartFm::DateLb);
    P.Handler("VQCalendar1Change", &TQuickstartFm::VQCalendar1Change);
}

TQuickstartFm::TQuickstartFm(TComponent* AOwner) : TForm(AOwner) {}

void TQuickstartFm::VQCalendar1Change(TObject*) {
    const TDateTime date = VQCalendar1->Date();
    VQMeter1->SetMaxValue(TVQCalendar::MonthLength(date));
    VQMeter1->SetValue(VQCalendar1->Day());
    DateLb->SetCaption(FormatDateTime(QStringLiteral("dddddd"), date));
}
