#include "components/dialogs/VQCalPop/VQCalendarPopup.h"

#include "components/dialogs/VQCalPop/VQCalendarFm.h"
#include "components/std/VQCalendar.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/controls/Screen.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/SpeedButton.h"

VQ_PUBLISH(TVQCalendarPopup) {
    using C = TVQCalendarPopup;
    P.Inherit();
    P.Field("About", &C::FAbout).Stored(false);
    P.Property("FirstYear", &C::FirstYear, &C::SetFirstYear).Default(1980);
    P.Property("LastYear", &C::LastYear, &C::SetLastYear).Default(2020);
    P.Event("OnClick", &C::OnClick, "TVQCalendarClickEvent");
}

TVQCalendarPopup::TVQCalendarPopup(TComponent* AOwner) : TComponent(AOwner) {
    // The dialog's description holds these; a program need not have registered them.
    RegisterClassesOnce<TPanel, TComboBox, TSpeedButton, TVQCalendar>();
}

TVQCalendarPopup::~TVQCalendarPopup() {
    // The owned form goes with the popup; it must not call back into it then.
    if (FForm) FForm->OnDestroy = nullptr;
    FForm = nullptr;
}

void TVQCalendarPopup::FormDestroyed(TObject* Sender) {
    if (Sender == FForm) FForm = nullptr;
}

void TVQCalendarPopup::Popup(const TRect& R, TDateTime date) {
    Open(R, date, nullptr);
}

void TVQCalendarPopup::Open(const TRect& R, TDateTime date, TForm* opener) {
    if (TVQCalendarFm* old = FForm) {
        FForm = nullptr;
        // A closed form frees itself once its event is handled (this call may come from its
        // own report); an open one goes now.
        if (old->Closed())
            old->OnDestroy = nullptr;
        else
            delete old;
    }
    // The window in use owns the popup; looked for once the old popup is gone.
    if (!opener) opener = Screen->ActiveForm();
    TVQCalendarFm* form = TForm::CreateFromResource<TVQCalendarFm>(this);
    FForm = form;
    try {
        int left = R.Left;
        int top = R.Bottom;
        // Where the window system keeps window positions to itself, the popup opens below R
        // relative to its opener and the compositor keeps it on the screen.
        if (TScreen::PlacesWindows()) {
            if (Screen->Width() < left + form->Width()) left = Screen->Width() - form->Width();
            if (Screen->Height() < top + form->Height()) top = R.Top - form->Height();
        }
        form->SetPopupOwner(opener);
        form->SetBounds(left, top, form->Width(), form->Height());
        form->OnDateChosen = OnClick;
        form->OnDestroy = [this](TObject* sender) { FormDestroyed(sender); };
        form->CalendarCd->SetDate(date);
        for (int year = FFirstYear; year <= FLastYear; ++year)
            form->YearCb->Items()->Add(QString::number(year));
        int year = 0, month = 0, day = 0;
        DecodeDate(date, year, month, day);
        form->MonthCb->SetItemIndex(month - 1);
        form->YearCb->SetItemIndex(year - FFirstYear);
        form->Show();
    } catch (...) {
        if (FForm == form) {
            FForm = nullptr;
            delete form;
        }
        throw;
    }
}

void TVQCalendarPopup::PopupAtControl(TControl* control, TDateTime date) {
    if (!control) return;
    TControl* top = control;
    while (top->Parent())
        top = top->Parent();
    auto* form = dynamic_cast<TForm*>(top);
    if (!form) return;
    const TPoint topLeft = form->ClientToScreen(TPoint{control->Left(), control->Top()});
    const TPoint bottomRight = form->ClientToScreen(
        TPoint{control->Left() + control->Width(), control->Top() + control->Height()});
    Open(TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y}, date, form);
}
