#include "framework/stdctrls/CheckBox.h"

#include "framework/controls/Application.h"
#include "framework/controls/PopupMenu.h"
#include "framework/system/ScopedChange.h"

#include <QCheckBox>
#include <QKeySequence>

VQ_PUBLISH(TCheckBox) {
    P.Inherit();
    P.Property("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment)
        .Default(taRightJustify);
    P.Property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(false);
    P.Property("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption);
    P.Property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Default(false);
    P.Property("Color", &TCheckBox::Color, &TCheckBox::SetColor)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Ctl3D", &TCheckBox::Ctl3D, &TCheckBox::SetCtl3D)
        .Stored(TStoredFn(&TWinControl::IsCtl3DStored));
    P.Property("DragCursor", &TCheckBox::DragCursor, &TCheckBox::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &TCheckBox::DragMode, &TCheckBox::SetDragMode).Default(dmManual);
    P.Property("Enabled", &TCheckBox::Enabled, &TCheckBox::SetEnabled).Default(true);
    P.Property("Font", &TCheckBox::Font, &TCheckBox::SetFont)
        .Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("ParentColor", &TCheckBox::ParentColor, &TCheckBox::SetParentColor).Default(true);
    P.Property("ParentCtl3D", &TCheckBox::ParentCtl3D, &TCheckBox::SetParentCtl3D).Default(true);
    P.Property("ParentFont", &TCheckBox::ParentFont, &TCheckBox::SetParentFont).Default(true);
    P.Property("ParentShowHint", &TCheckBox::ParentShowHint, &TCheckBox::SetParentShowHint)
        .Default(true);
    P.Property("PopupMenu", &TCheckBox::PopupMenu, &TCheckBox::SetPopupMenu);
    P.Property("ShowHint", &TCheckBox::ShowHint, &TCheckBox::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("State", &TCheckBox::State, &TCheckBox::SetState).Default(cbUnchecked);
    P.Property("TabOrder", &TCheckBox::TabOrder, &TCheckBox::SetTabOrder).Default(-1);
    P.Property("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop).Default(true);
    P.Property("Visible", &TCheckBox::Visible, &TCheckBox::SetVisible).Default(true);
    P.Event("OnClick", &TCheckBox::OnClick, "TNotifyEvent");
    P.Event("OnDragDrop", &TCheckBox::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &TCheckBox::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &TCheckBox::OnEndDrag, "TEndDragEvent");
    P.Event("OnEnter", &TCheckBox::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &TCheckBox::OnExit, "TNotifyEvent");
    P.Event("OnKeyDown", &TCheckBox::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &TCheckBox::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &TCheckBox::OnKeyUp, "TKeyEvent");
    P.Event("OnMouseDown", &TCheckBox::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &TCheckBox::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &TCheckBox::OnMouseUp, "TMouseEvent");
    P.Event("OnStartDrag", &TCheckBox::OnStartDrag, "TStartDragEvent");
}

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

QCheckBox* TCheckBox::Box() const {
    return static_cast<QCheckBox*>(Widget());
}

QWidget* TCheckBox::CreateWidget(QWidget* parentWidget) {
    auto* box = new QCheckBox(Caption(), parentWidget);
    box->setShortcut(QKeySequence());
    box->setLayoutDirection(FAlignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
    {
        TScopedChange pushing(FPushing, true);
        box->setTristate(FAllowGrayed || FState == cbGrayed);
        box->setCheckState(FState == cbChecked  ? Qt::Checked
                           : FState == cbGrayed ? Qt::PartiallyChecked
                                                : Qt::Unchecked);
    }
    // The box changes its own state on a click; the control follows and reports it.
    QObject::connect(box, &QCheckBox::stateChanged, box, [this](int state) {
        if (FPushing) return;
        Application->Guard(this, [this, state] {
            SetState(state == Qt::Checked            ? cbChecked
                     : state == Qt::PartiallyChecked ? cbGrayed
                                                     : cbUnchecked);
        });
    });
    return box;
}

void TCheckBox::PushState() {
    QCheckBox* box = Box();
    if (!box) return;
    TScopedChange pushing(FPushing, true);
    box->setTristate(FAllowGrayed || FState == cbGrayed);
    box->setCheckState(FState == cbChecked  ? Qt::Checked
                       : FState == cbGrayed ? Qt::PartiallyChecked
                                            : Qt::Unchecked);
}

void TCheckBox::SetState(TCheckBoxState value) {
    if (FState == value) return;
    FState = value;
    PushState();
    if (!Loading()) Click();
}

void TCheckBox::Toggle() {
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

void TCheckBox::SetAllowGrayed(bool value) {
    if (FAllowGrayed == value) return;
    FAllowGrayed = value;
    PushState();
}

void TCheckBox::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    if (QCheckBox* box = Box())
        box->setLayoutDirection(value == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::TextChanged() {
    if (QCheckBox* box = Box()) {
        box->setText(Caption());
        box->setShortcut(QKeySequence());
    }
}

bool TCheckBox::DoAccelerator(QChar ch) {
    if (!IsAccel(ch, Caption()) || !CanFocus()) return false;
    SetFocus();
    Toggle();
    return true;
}
