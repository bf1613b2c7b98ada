#include "components/dialogs/VQCalPop/VQCalendarFm.h"

#include "components/std/VQCalendar.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/SpeedButton.h"

VQ_PUBLISH(TVQCalendarFm) {
    using C = TVQCalendarFm;
    P.Inherit();
    P.ComponentField("Panel1", &C::Panel1);
    P.ComponentField("MonthCb", &C::MonthCb);
    P.ComponentField("YearCb", &C::YearCb);
    P.ComponentField("OKBt", &C::OKBt);
    P.ComponentField("CancelBt", &C::CancelBt);
    P.ComponentField("CalendarCd", &C::CalendarCd);
    P.Handler("FormCreate", &C::FormCreate);
    P.Handler("FormClose", &C::FormClose);
    P.Handler("OKBtClick", &C::OKBtClick);
    P.Handler("CancelBtClick", &C::CancelBtClick);
    P.Handler("CalendarCdDblClick", &C::CalendarCdDblClick);
    P.Handler("CalendarFmKeyDown", &C::CalendarFmKeyDown);
    P.Handler("MonthCbChange", &C::MonthCbChange);
    P.Handler("YearCbChange", &C::YearCbChange);
}

TVQCalendarFm::TVQCalendarFm(TComponent* AOwner) : TForm(AOwner) {
    SetThinFrame(true);
}

String TVQCalendarFm::FormResourceName() const {
    return QStringLiteral(":/forms/VQCalendarFm.vqf");
}

void TVQCalendarFm::FormCreate(TObject*) {
    for (int month = 1; month <= 12; ++month)
        MonthCb->Items()->Add(LongMonthNames(month));
}

void TVQCalendarFm::FormClose(TObject*, TCloseAction& Action) {
    Action = caFree;
}

void TVQCalendarFm::CloseForm() {
    if (FClosed) return;
    FClosed = true;
    Close();
}

void TVQCalendarFm::Confirm() {
    if (FClosed) return;
    const TDateTime date = EncodeDate(CalendarCd->Year(), CalendarCd->Month(), CalendarCd->Day());
    CloseForm();
    // The popup that owns the form is the sender; an unowned form reports as itself.
    Fire(OnDateChosen, Owner() ? Owner() : static_cast<TComponent*>(this), date);
}

void TVQCalendarFm::OKBtClick(TObject*) {
    Confirm();
}

void TVQCalendarFm::CalendarCdDblClick(TObject*) {
    Confirm();
}

void TVQCalendarFm::CancelBtClick(TObject*) {
    CloseForm();
}

void TVQCalendarFm::CalendarFmKeyDown(TObject*, uint16_t& Key, TShiftState) {
    switch (Key) {
    case VK_ESCAPE:
    case VK_MENU:
        CloseForm();
        break;
    case VK_RETURN:
        Confirm();
        break;
    default:
        break;
    }
}

void TVQCalendarFm::MonthCbChange(TObject*) {
    CalendarCd->SetMonth(MonthCb->ItemIndex() + 1);
}

void TVQCalendarFm::YearCbChange(TObject*) {
    bool ok = false;
    const int year = YearCb->Text().toInt(&ok, 10);
    CalendarCd->SetYear(ok ? year : 0);
}

void TVQCalendarFm::DoDeactivate() {
    auto life = LifeToken();
    TForm::DoDeactivate();
    // A click on any other window closes the drop-down.
    if (life.Alive() && Visible()) CloseForm();
}
