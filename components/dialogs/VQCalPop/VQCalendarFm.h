#pragma once
// TVQCalendarFm: the drop-down calendar window of TVQCalendarPopup: month and year boxes, OK and
// Cancel buttons and a calendar. It is borderless with a thin frame, stays on top, previews
// keys, and frees itself once closed; closing by confirming, cancelling, Escape, Alt or losing
// the activation all hide it at once and queue its destruction. A confirmation reports the date
// once through OnDateChosen, after the close: the key reaches CalendarFmKeyDown both through the
// form's preview and through a focused box's own handler, and the second run finds the form
// closed and does nothing.

#include "components/dialogs/VQCalPop/VQCalendarClickEvent.h"
#include "framework/controls/Form.h"

class TComboBox;
class TPanel;
class TSpeedButton;
class TVQCalendar;

class TVQCalendarFm : public TForm {
    VQ_CLASS(TVQCalendarFm, TForm)
public:
    explicit TVQCalendarFm(TComponent* AOwner);
    // ":/forms/VQCalendarFm.vqf", compiled into the unit.
    String FormResourceName() const override;

    TPanel* Panel1 = nullptr;
    TComboBox* MonthCb = nullptr;
    TComboBox* YearCb = nullptr;
    TSpeedButton* OKBt = nullptr;
    TSpeedButton* CancelBt = nullptr;
    TVQCalendar* CalendarCd = nullptr;

    // Set by the popup that opened the form; called with the popup and the date.
    TVQCalendarClickEvent OnDateChosen;

    // Whether the form has been closed (it is then hidden and about to be freed).
    bool Closed() const { return FClosed; }

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void OKBtClick(TObject* Sender);
    void CancelBtClick(TObject* Sender);
    void CalendarCdDblClick(TObject* Sender);
    void CalendarFmKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void MonthCbChange(TObject* Sender);
    void YearCbChange(TObject* Sender);

protected:
    void DoDeactivate() override;

private:
    void CloseForm();
    void Confirm();

    bool FClosed = false;
};
