#include "framework/stdctrls/Button.h"

#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "framework/controls/PopupMenu.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasScope.h"

#include <QEvent>
#include <QKeySequence>
#include <QPushButton>

VQ_PUBLISH(TButton) {
    P.Inherit();
    P.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
    P.Property("Caption", &TButton::Caption, &TButton::SetCaption);
    P.Property("Default", &TButton::Default, &TButton::SetDefault).Default(false);
    P.Property("DragCursor", &TButton::DragCursor, &TButton::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &TButton::DragMode, &TButton::SetDragMode).Default(dmManual);
    P.Property("Enabled", &TButton::Enabled, &TButton::SetEnabled).Default(true);
    P.Property("Font", &TButton::Font, &TButton::SetFont)
        .Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
        .Default(0)
        .Idents(ModalResultIdents());
    P.Property("ParentFont", &TButton::ParentFont, &TButton::SetParentFont).Default(true);
    P.Property("ParentShowHint", &TButton::ParentShowHint, &TButton::SetParentShowHint)
        .Default(true);
    P.Property("PopupMenu", &TButton::PopupMenu, &TButton::SetPopupMenu);
    P.Property("ShowHint", &TButton::ShowHint, &TButton::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &TButton::TabOrder, &TButton::SetTabOrder).Default(-1);
    P.Property("TabStop", &TButton::TabStop, &TButton::SetTabStop).Default(true);
    P.Property("Visible", &TButton::Visible, &TButton::SetVisible).Default(true);
    P.Event("OnClick", &TButton::OnClick, "TNotifyEvent");
    P.Event("OnDragDrop", &TButton::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &TButton::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &TButton::OnEndDrag, "TEndDragEvent");
    P.Event("OnEnter", &TButton::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &TButton::OnExit, "TNotifyEvent");
    P.Event("OnKeyDown", &TButton::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &TButton::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &TButton::OnKeyUp, "TKeyEvent");
    P.Event("OnMouseDown", &TButton::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &TButton::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &TButton::OnMouseUp, "TMouseEvent");
    P.Event("OnStartDrag", &TButton::OnStartDrag, "TStartDragEvent");
}

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetColor(clBtnFace);
    SetParentColor(false);
}

TButton::~TButton() = default;

QPushButton* TButton::Button() const {
    return static_cast<QPushButton*>(Widget());
}

QWidget* TButton::CreateWidget(QWidget* parentWidget) {
    auto* b = new QPushButton(Caption(), parentWidget);
    // The form, not Qt, decides which button Enter and the accelerator letter go to.
    b->setAutoDefault(false);
    b->setDefault(FDefaultLook);
    b->setShortcut(QKeySequence());
    QObject::connect(b, &QAbstractButton::clicked, b,
                     [this] { Application->Guard(this, [this] { Click(); }); });
    return b;
}

void TButton::TextChanged() {
    if (QPushButton* b = Button()) {
        b->setText(Caption());
        b->setShortcut(QKeySequence());
    }
}

void TButton::SetDefault(bool value) {
    if (FDefault == value) return;
    FDefault = value;
    const TForm* form = ParentForm();
    UpdateDefaultLook(form ? form->ActiveControl() : nullptr);
}

void TButton::FocusChanged(TWinControl* focused) {
    TWinControl::FocusChanged(focused);
    UpdateDefaultLook(focused);
}

void TButton::UpdateDefaultLook(TWinControl* focused) {
    const auto* button = dynamic_cast<const TButton*>(focused);
    const bool look = button ? button == this : FDefault;
    if (FDefaultLook == look) return;
    FDefaultLook = look;
    if (QPushButton* b = Button()) b->setDefault(look); // which repaints it
}

void TButton::SetOwnerDraw(bool value) {
    if (FOwnerDraw == value) return;
    FOwnerDraw = value;
    Invalidate();
}

bool TButton::Down() const {
    if (QPushButton* b = Button()) return b->isDown();
    return FDown;
}

void TButton::SetDown(bool value) {
    FDown = value;
    if (QPushButton* b = Button()) {
        b->setDown(value);
        b->repaint();
    }
}

bool TButton::WidgetEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (!FOwnMouse) break;
        if (Enabled()) TWinControl::WidgetEvent(event);
        return true;
    default:
        break;
    }
    return TWinControl::WidgetEvent(event);
}

void TButton::Click() {
    const TLifeToken alive = LifeToken();
    if (TForm* form = ParentForm()) form->SetModalResult(FModalResult);
    if (alive) TWinControl::Click();
}

bool TButton::DoAccelerator(QChar ch) {
    if (!IsAccel(ch, Caption()) || !CanFocus()) return false;
    SetFocus();
    Click();
    return true;
}

bool TButton::DialogKeyTarget(uint16_t key, bool focused) {
    if (!CanFocus()) return false;
    if ((key == VK_RETURN && (focused || FDefault)) || (key == VK_ESCAPE && FCancel)) {
        Click();
        return true;
    }
    return false;
}

bool TButton::PaintWidget(QWidget* widget, QEvent*) {
    if (!FOwnerDraw) return false;
    auto* b = static_cast<QPushButton*>(widget);
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>();
    TOwnerDrawState state;
    if (b->isDown()) state.Include(odSelected);
    if (!b->isEnabled()) state.Include(odDisabled);
    if (b->hasFocus()) state.Include(odFocused);
    if (FDefaultLook) state.Include(odDefault);
    TCanvasScope scope(FCanvas.get(), widget);
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(Color());
    DrawItem(FCanvas.get(), Rect(0, 0, Width(), Height()), state);
    return true;
}

void TButton::DrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState) {
    canvas->FillRect(rect);
}
