#pragma once
// Message dialogs: a message with an icon, a caption that names its kind and a row of buttons,
// shown modally; the button pressed gives the modal result. Tests install a hook that answers
// instead of a user, so no dialog is shown.

#include "framework/controls/Form.h"

#include <functional>

class QMessageBox;

VQ_ENUM(TMsgDlgType, uint8_t, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
VQ_ENUM(TMsgDlgBtn, uint8_t, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll,
        mbNoToAll, mbYesToAll, mbHelp)
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// Results of the two buttons the form's list of modal results stops short of.
constexpr TModalResult mrNoToAll = mrAll + 1;
constexpr TModalResult mrYesToAll = mrAll + 2;

// Everything a message dialog would show.
struct TMessageDlgRequest {
    String Caption;
    String Message;
    TMsgDlgType Type = mtCustom;
    TMsgDlgButtons Buttons;
    int HelpContext = 0;
};
using TMessageDlgHook = std::function<TModalResult(const TMessageDlgRequest& Request)>;

// Shows Msg modally with the caption and icon of DlgType ("Warning", "Error", "Information",
// "Confirm"; a custom dialog has the application's title and no icon) and one button per
// member of Buttons, in the set's order (an empty set shows OK). Returns the pressed button's
// modal result; closing the dialog otherwise gives the Escape button's result (Cancel, else
// No, else OK) or mrCancel. The Help button shows help topic HelpCtx and leaves the dialog open.
TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        int HelpCtx);
// A custom message dialog with one OK button.
void ShowMessage(const String& Msg);

// The dialog MessageDlg would show, not yet shown; each button carries its modal result in
// the property "modalResult". The caller owns it.
QMessageBox* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                 int HelpCtx);
// The modal result of the button clicked in a dialog made by CreateMessageDialog.
TModalResult MessageDialogResult(const QMessageBox* dialog);

// While a hook is installed, MessageDlg and ShowMessage call it instead of showing anything and
// return its result. Returns the previous hook; an empty hook shows dialogs again.
TMessageDlgHook SetMessageDlgHook(TMessageDlgHook hook);
