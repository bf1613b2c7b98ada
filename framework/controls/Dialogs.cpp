#include "framework/controls/Dialogs.h"

#include "framework/controls/Application.h"
#include "framework/controls/FocusFrame.h"
#include "framework/controls/ModalSession.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr const char* kResultProperty = "modalResult";

struct TButtonInfo {
    const char* Caption;
    QMessageBox::ButtonRole Role;
    TModalResult Result;
};

// Indexed by TMsgDlgBtn.
const TButtonInfo kButtons[] = {
    {"&Yes", QMessageBox::YesRole, mrYes},
    {"&No", QMessageBox::NoRole, mrNo},
    {"OK", QMessageBox::AcceptRole, mrOk},
    {"Cancel", QMessageBox::RejectRole, mrCancel},
    {"&Abort", QMessageBox::RejectRole, mrAbort},
    {"&Retry", QMessageBox::AcceptRole, mrRetry},
    {"&Ignore", QMessageBox::AcceptRole, mrIgnore},
    {"&All", QMessageBox::YesRole, mrAll},
    {"N&o to All", QMessageBox::NoRole, mrNoToAll},
    {"Yes to &All", QMessageBox::YesRole, mrYesToAll},
    {"&Help", QMessageBox::HelpRole, mrNone},
};

TMessageDlgHook& Hook() {
    static TMessageDlgHook hook;
    return hook;
}

String CaptionOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return QStringLiteral("Warning");
    case mtError:
        return QStringLiteral("Error");
    case mtInformation:
        return QStringLiteral("Information");
    case mtConfirmation:
        return QStringLiteral("Confirm");
    case mtCustom:
        break;
    }
    const String title = Application->Title();
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return QMessageBox::Warning;
    case mtError:
        return QMessageBox::Critical;
    case mtInformation:
        return QMessageBox::Information;
    case mtConfirmation:
        return QMessageBox::Question;
    case mtCustom:
        break;
    }
    return QMessageBox::NoIcon;
}

TMsgDlgButtons Normalised(TMsgDlgButtons buttons) {
    // Qt would add an OK button of its own to a box without buttons; make it ours.
    return buttons.Empty() ? TMsgDlgButtons{mbOK} : buttons;
}

} // namespace

QMessageBox* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                 int HelpCtx) {
    Buttons = Normalised(Buttons);
    // A top-level box: TModalSession makes it modal for the window in use, which it disables.
    auto* box = new QMessageBox();
    box->setWindowTitle(CaptionOf(DlgType));
    ShowFocusCues(box);
    // A carriage return starts a new line, as it does in the classic message box.
    box->setText(
        String(Msg).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'));
    box->setTextFormat(Qt::PlainText);
    box->setIcon(IconOf(DlgType));

    QPushButton* made[std::size(kButtons)] = {};
    for (int b = mbYes; b <= mbHelp; ++b) {
        if (!Buttons.Contains(TMsgDlgBtn(b))) continue;
        const TButtonInfo& info = kButtons[b];
        QPushButton* button = box->addButton(QString::fromUtf8(info.Caption), info.Role);
        button->setProperty(kResultProperty, info.Result);
        made[b] = button;
    }
    if (QPushButton* help = made[mbHelp]) {
        // A help button shows the topic and keeps the dialog open, so it must not reach the
        // box's own handling, which closes on every button.
        QObject::disconnect(help, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(help, &QAbstractButton::clicked, box, [HelpCtx] {
            Application->Guard(nullptr, [HelpCtx] { Application->HelpContext(HelpCtx); });
        });
    }

    QPushButton* def = made[mbOK] ? made[mbOK] : made[mbYes];
    if (!def)
        for (QPushButton* b : made)
            if (b && b != made[mbHelp]) {
                def = b;
                break;
            }
    if (def) box->setDefaultButton(def);
    QPushButton* escape = made[mbCancel] ? made[mbCancel] : made[mbNo] ? made[mbNo] : made[mbOK];
    box->setEscapeButton(escape);
    return box;
}

TModalResult MessageDialogResult(const QMessageBox* dialog) {
    const QAbstractButton* clicked = dialog->clickedButton();
    if (!clicked) return mrCancel;
    const QVariant result = clicked->property(kResultProperty);
    return result.isValid() ? TModalResult(result.toInt()) : mrCancel;
}

TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        int HelpCtx) {
    if (const TMessageDlgHook hook = Hook())
        return hook(
            TMessageDlgRequest{CaptionOf(DlgType), Msg, DlgType, Normalised(Buttons), HelpCtx});
    std::unique_ptr<QMessageBox> box(CreateMessageDialog(Msg, DlgType, Buttons, HelpCtx));
    TModalSession session(box.get());
    box->exec();
    return MessageDialogResult(box.get());
}

void ShowMessage(const String& Msg) {
    MessageDlg(Msg, mtCustom, {mbOK}, 0);
}

TMessageDlgHook SetMessageDlgHook(TMessageDlgHook hook) {
    TMessageDlgHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}
