#include "framework/stdctrls/RadioButton.h"

#include "framework/controls/Application.h"
#include "framework/controls/PopupMenu.h"
#include "framework/system/ScopedChange.h"

#include <QKeySequence>
#include <QRadioButton>

#include <algorithm>
#include <vector>

VQ_PUBLISH(TRadioButton) {
    P.Inherit();
    P.Property("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment)
        .Default(taRightJustify);
    P.Property("Caption", &TRadioButton::Caption, &TRadioButton::SetCaption);
    P.Property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false);
    P.Property("Color", &TRadioButton::Color, &TRadioButton::SetColor)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Ctl3D", &TRadioButton::Ctl3D, &TRadioButton::SetCtl3D)
        .Stored(TStoredFn(&TWinControl::IsCtl3DStored));
    P.Property("DragCursor", &TRadioButton::DragCursor, &TRadioButton::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &TRadioButton::DragMode, &TRadioButton::SetDragMode).Default(dmManual);
    P.Property("Enabled", &TRadioButton::Enabled, &TRadioButton::SetEnabled).Default(true);
    P.Property("Font", &TRadioButton::Font, &TRadioButton::SetFont)
        .Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("ParentColor", &TRadioButton::ParentColor, &TRadioButton::SetParentColor)
        .Default(true);
    P.Property("ParentCtl3D", &TRadioButton::ParentCtl3D, &TRadioButton::SetParentCtl3D)
        .Default(true);
    P.Property("ParentFont", &TRadioButton::ParentFont, &TRadioButton::SetParentFont).Default(true);
    P.Property("ParentShowHint", &TRadioButton::ParentShowHint, &TRadioButton::SetParentShowHint)
        .Default(true);
    P.Property("PopupMenu", &TRadioButton::PopupMenu, &TRadioButton::SetPopupMenu);
    P.Property("ShowHint", &TRadioButton::ShowHint, &TRadioButton::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &TRadioButton::TabOrder, &TRadioButton::SetTabOrder).Default(-1);
    P.Property("TabStop", &TRadioButton::TabStop, &TRadioButton::SetTabStop).Default(false);
    P.Property("Visible", &TRadioButton::Visible, &TRadioButton::SetVisible).Default(true);
    P.Event("OnClick", &TRadioButton::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &TRadioButton::OnDblClick, "TNotifyEvent");
    P.Event("OnDragDrop", &TRadioButton::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &TRadioButton::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &TRadioButton::OnEndDrag, "TEndDragEvent");
    P.Event("OnEnter", &TRadioButton::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &TRadioButton::OnExit, "TNotifyEvent");
    P.Event("OnKeyDown", &TRadioButton::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &TRadioButton::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &TRadioButton::OnKeyUp, "TKeyEvent");
    P.Event("OnMouseDown", &TRadioButton::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &TRadioButton::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &TRadioButton::OnMouseUp, "TMouseEvent");
    P.Event("OnStartDrag", &TRadioButton::OnStartDrag, "TStartDragEvent");
}

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 113, 17);
}

QRadioButton* TRadioButton::Radio() const {
    return static_cast<QRadioButton*>(Widget());
}

QWidget* TRadioButton::CreateWidget(QWidget* parentWidget) {
    auto* radio = new QRadioButton(Caption(), parentWidget);
    radio->setShortcut(QKeySequence());
    // The group is kept by the controls, so that code can also uncheck every button.
    radio->setAutoExclusive(false);
    radio->setChecked(FChecked);
    radio->setLayoutDirection(FAlignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
    QObject::connect(radio, &QAbstractButton::clicked, radio, [this] {
        Application->Guard(this, [this] {
            // A click on the checked button would uncheck it; a radio button stays checked.
            if (FChecked)
                PushChecked();
            else
                SetChecked(true);
        });
    });
    return radio;
}

void TRadioButton::PushChecked() {
    QRadioButton* radio = Radio();
    if (!radio) return;
    TScopedChange pushing(FPushing, true);
    radio->setChecked(FChecked);
}

void TRadioButton::SetChecked(bool value) {
    if (FChecked == value) return;
    FChecked = value;
    // Only the checked button of a group is a tab stop.
    SetTabStop(value);
    PushChecked();
    if (!value) return;
    if (TWinControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
                sibling && sibling != this)
                sibling->SetChecked(false);
    if (!Loading()) Click();
}

void TRadioButton::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    if (QRadioButton* radio = Radio())
        radio->setLayoutDirection(value == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TRadioButton::TextChanged() {
    if (QRadioButton* radio = Radio()) {
        radio->setText(Caption());
        radio->setShortcut(QKeySequence());
    }
}

void TRadioButton::KeyDown(uint16_t& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    const bool back = Key == VK_LEFT || Key == VK_UP;
    if (!back && Key != VK_RIGHT && Key != VK_DOWN) return;
    if (Shift.Contains(ssCtrl) || Shift.Contains(ssAlt)) return;
    TWinControl* parent = Parent();
    if (!parent) return;
    // Only the checked button is a tab stop, so the group is walked here rather than through
    // the tab chain, in tab order and round the ends.
    std::vector<TRadioButton*> group;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* radio = dynamic_cast<TRadioButton*>(parent->Controls(i))) group.push_back(radio);
    std::sort(group.begin(), group.end(), [](const TRadioButton* a, const TRadioButton* b) {
        return a->TabOrder() < b->TabOrder();
    });
    const auto self = std::find(group.begin(), group.end(), this) - group.begin();
    const auto n = static_cast<std::ptrdiff_t>(group.size());
    Key = 0;
    for (std::ptrdiff_t step = 1; step < n; ++step) {
        TRadioButton* next = group[static_cast<size_t>((self + (back ? n - step : step)) % n)];
        if (!next->CanFocus()) continue;
        const TLifeToken alive = next->LifeToken();
        next->SetChecked(true);
        if (alive.Alive() && next->CanFocus()) next->SetFocus();
        return;
    }
}

TAccStates TRadioButton::AccStates() const {
    TAccStates s = TWinControl::AccStates();
    s.Include(asCheckable);
    if (FChecked) s.Include(asChecked);
    return s;
}

void TRadioButton::AccDoAction(TAccActionItem) {
    if (CanFocus()) SetChecked(true);
}

bool TRadioButton::DoAccelerator(QChar ch) {
    if (!IsAccel(ch, Caption()) || !CanFocus()) return false;
    SetFocus();
    SetChecked(true);
    return true;
}
