#pragma once
// TVQCalendarPopup: drops a TVQCalendarFm down from a rectangle of the screen or below a control
// and reports a confirmed date through OnClick. The call returns at once; the form is owned by
// the popup, replaced by the next Popup, and forgotten when it frees itself after closing.

#include "components/dialogs/VQCalPop/VQCalendarClickEvent.h"
#include "components/gfx/VQTypes.h"
#include "framework/classes/Component.h"
#include "framework/system/Types.h"

class TControl;
class TForm;
class TVQCalendarFm;

class TVQCalendarPopup : public TComponent {
    VQ_CLASS(TVQCalendarPopup, TComponent)
public:
    explicit TVQCalendarPopup(TComponent* AOwner);
    ~TVQCalendarPopup() override;

    // FirstYear: 1980, LastYear: 2020; the years offered by the year box (none when LastYear
    // is below FirstYear).
    uint16_t FirstYear() const { return FFirstYear; }
    void SetFirstYear(uint16_t value) { FFirstYear = value; }
    uint16_t LastYear() const { return FLastYear; }
    void SetLastYear(uint16_t value) { FLastYear = value; }

    // Opens the dialog below R (above it when the screen has no room below, moved left at the
    // screen's right edge) showing date. A dialog still open is freed first. If preparing the
    // form fails, it is freed and the error passes on. Where the window system places windows
    // itself (Wayland) the dialog is a popup of the active form, or of the control's form,
    // below R; the compositor keeps it on the screen.
    void Popup(const TRect& R, TDateTime date);
    // Opens the dialog below a control of a form; nothing for a control not on a form.
    void PopupAtControl(TControl* control, TDateTime date);
    // The open dialog, nullptr when none.
    TVQCalendarFm* Form() const { return FForm; }

    // The open form's OnDestroy: the popup forgets it.
    void FormDestroyed(TObject* Sender);

    TVQCalendarClickEvent OnClick; // a date was confirmed (taken by each form as it opens)

private:
    // opener nullptr: the form active once an open popup is gone.
    void Open(const TRect& R, TDateTime date, TForm* opener);

    TVQAboutType FAbout = 0;
    uint16_t FFirstYear = 1980;
    uint16_t FLastYear = 2020;
    TVQCalendarFm* FForm = nullptr;
};
