#include "framework/controls/Control.h"

#include "framework/controls/Application.h"
#include "framework/controls/DragDrop.h"
#include "framework/controls/PopupMenu.h"
#include "framework/controls/Screen.h"
#include "framework/controls/StaticContents.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/FontPreload.h"
#include "framework/graphics/Graphics.h"
#include "framework/system/ScopedChange.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QWidget>

// The event filter that connects a control's widget to the control. It lives as a child of the
// widget; the control clears FControl when it lets go of the widget.
class TControlWidgetLink : public QObject {
public:
    TControlWidgetLink(TControl* control, QWidget* widget) : QObject(widget), FControl(control) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!FControl || watched != parent()) return false;
        // Filters see input before Qt drops it for a disabled widget (a window disabled by a
        // modal one): the control must not see it either.
        if (IsInput(event->type()) && !static_cast<QWidget*>(watched)->isEnabled()) return false;
        TControl* control = FControl;
        ++Depth;
        // An event whose handling failed counts as handled.
        bool handled = true;
        Application->Guard(control, [&] { handled = control->WidgetEvent(event); });
        --Depth;
        return handled;
    }

    static bool IsInput(QEvent::Type type) {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
        }
    }

    TControl* FControl;
    // Events being dispatched to controls right now (nested loops included).
    static inline int Depth = 0;
};

TControl* TControl::ControlOfWidget(QWidget* widget) {
    // The link has no meta-object of its own, so findChild would take any child for it (a
    // graphic control's widget, lowered to the front of its parent's children, for one).
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        for (QObject* child : w->children()) {
            const auto* link = dynamic_cast<const TControlWidgetLink*>(child);
            if (link && link->FControl) return link->FControl;
        }
    }
    return nullptr;
}

TControl* TControl::ControlOfOwnWidget(const QObject* widget) {
    if (!widget || !widget->isWidgetType()) return nullptr;
    for (QObject* child : widget->children()) {
        const auto* link = dynamic_cast<const TControlWidgetLink*>(child);
        if (link && link->FControl) return link->FControl;
    }
    return nullptr;
}

const TEnumInfo* BorderStyleInfo() {
    static const TEnumInfo info("TBorderStyle", EnumInfo<TFormBorderStyle>(), bsNone, bsSingle);
    return &info;
}

String GetShortHint(const String& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

String GetLongHint(const String& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

bool IsAccel(QChar ch, const String& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper() == ch.toUpper();
    }
    return false;
}

// ---------------------------------------------------------------------------------------------

VQ_PUBLISH(TControl) {
    P.Inherit();
    P.Property("Left", &TControl::Left, &TControl::SetLeft);
    P.Property("Top", &TControl::Top, &TControl::SetTop);
    P.Property("Width", &TControl::Width, &TControl::SetWidth);
    P.Property("Height", &TControl::Height, &TControl::SetHeight);
    P.Property("Cursor", &TControl::Cursor, &TControl::SetCursor)
        .Default(crDefault)
        .Idents(CursorIdents());
    P.Property("Hint", &TControl::Hint, &TControl::SetHint);
    P.Property("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext).Default(0);
}

bool TControl::IsColorStored(const TObject* o) {
    return !static_cast<const TControl*>(o)->ParentColor();
}
bool TControl::IsFontStored(const TObject* o) {
    return !static_cast<const TControl*>(o)->ParentFont();
}
bool TControl::IsShowHintStored(const TObject* o) {
    return !static_cast<const TControl*>(o)->ParentShowHint();
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
    FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FFont->SetOwner(this);
    FFont->OnChange = [this](TObject*) { FontObjectChanged(); };
}

TControl::~TControl() {
    AbandonDrag();
    // Handlers still running further up the stack see the control as gone from here on.
    ExpireLifeToken();
    if (FParent) FParent->RemoveControl(this);
    DestroyWnd();
    FFont->OnChange = nullptr;
}

void TControl::SetParent(TWinControl* value) {
    if (FParent == value) return;
    if (value == this)
        throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
    for (TWinControl* p = value; p; p = p->FParent)
        if (p == this)
            throw EInvalidOperation(
                QStringLiteral("A control cannot be the parent of one of its parents"));
    if (FParent) FParent->RemoveControl(this);
    if (value) value->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

void TControl::SetParentComponent(TComponent* value) {
    auto* parent = dynamic_cast<TWinControl*>(value);
    if (value && !parent)
        throw EInvalidOperation(
            Exception::Format(QStringLiteral("%s cannot hold controls"), {value->ClassName()}));
    SetParent(parent);
}

void TControl::SetName(const String& value) {
    const bool changeText = FControlStyle.Contains(csSetCaption) && !Loading() && FText == Name();
    TComponent::SetName(value);
    if (changeText) SetText(value);
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (FParent) {
        // A description may have set ParentFont/ParentColor before the parent had its values.
        if (FParentFont) TakeParentFont();
        if (FParentColor) TakeParentColor();
        if (FParentShowHint) ParentShowHintChanged();
    }
}

// Geometry ------------------------------------------------------------------------------------

bool TControl::CanResize(int&, int&) {
    return true;
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (AWidth != FWidth || AHeight != FHeight) {
        int w = AWidth, h = AHeight;
        if (CanResize(w, h)) {
            AWidth = w;
            AHeight = h;
        } else {
            AWidth = FWidth;
            AHeight = FHeight;
        }
    }
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    const bool sized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    UpdateWidgetGeometry();
    const TLifeToken alive = LifeToken();
    if (sized && !Loading()) Resize();
    if (alive) RequestAlign();
}

TRect TControl::ClientRect() const {
    return Rect(0, 0, FWidth, FHeight);
}

void TControl::SetClientWidth(int value) {
    SetWidth(value + (FWidth - ClientWidth()));
}

void TControl::SetClientHeight(int value) {
    SetHeight(value + (FHeight - ClientHeight()));
}

TPoint TControl::ClientOrigin() const {
    TPoint p{FLeft, FTop};
    if (FParent) {
        const TPoint o = FParent->ClientOrigin();
        p.X += o.X;
        p.Y += o.Y;
    }
    return p;
}

TPoint TControl::ClientToScreen(TPoint p) const {
    if (QWidget* w = Widget()) {
        const TPoint off = WidgetClientOffset();
        return ToPoint(w->mapToGlobal(QPoint(p.X + off.X, p.Y + off.Y)));
    }
    const TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    if (QWidget* w = Widget()) {
        const TPoint off = WidgetClientOffset();
        const QPoint q = w->mapFromGlobal(ToQPoint(p));
        return {q.x() - off.X, q.y() - off.Y};
    }
    const TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

void TControl::UpdateWidgetGeometry() {
    QWidget* w = Widget();
    if (!w) return;
    TPoint off;
    if (FParent) off = FParent->WidgetClientOffset();
    TScopedChange settingGeometry(FSettingGeometry, true);
    w->setGeometry(FLeft + off.X, FTop + off.Y, std::max(0, FWidth), std::max(0, FHeight));
}

void TControl::Resize() {
    Fire(OnResize, this);
}

void TControl::RequestAlign() {
    if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::SetAlign(TAlign value) {
    if (FAlign == value) return;
    const TAlign old = FAlign;
    FAlign = value;
    if (FParent && (old != alNone || value != alNone)) FParent->Realign();
}

void TControl::Show() {
    if (FParent) FParent->ShowControl(this);
    SetVisible(true);
}

void TControl::SetVisible(bool value) {
    if (FVisible == value) return;
    FVisible = value;
    VisibleChanged();
    if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::VisibleChanged() {
    if (QWidget* w = Widget(); w && FParent) w->setVisible(FVisible);
}

bool TControl::Showing() const {
    if (!FVisible) return false;
    if (FParent) return FParent->Showing();
    return Widget() && Widget()->isVisible();
}

void TControl::SetEnabled(bool value) {
    if (FEnabled == value) return;
    FEnabled = value;
    if (QWidget* w = Widget()) w->setEnabled(value);
    EnabledChanged();
}

void TControl::EnabledChanged() {
    Invalidate();
}

// Colour, font, text, hint ----------------------------------------------------------------------

void TControl::SetColor(TColor value) {
    if (FColor == value) return;
    FColor = value;
    FParentColor = false;
    ColorChanged();
}

void TControl::SetParentColor(bool value) {
    if (FParentColor == value) return;
    FParentColor = value;
    if (value) TakeParentColor();
}

void TControl::TakeParentColor() {
    if (!FParent || FColor == FParent->FColor) return;
    FColor = FParent->FColor;
    ColorChanged();
}

void TControl::ParentColorChanged() {
    if (FParentColor) TakeParentColor();
}

void TControl::ColorChanged() {
    UpdateWidgetColor();
    Invalidate();
}

void TControl::SetFont(TFont* value) {
    if (value) FFont->Assign(value);
}

void TControl::SetParentFont(bool value) {
    if (FParentFont == value) return;
    FParentFont = value;
    if (value) TakeParentFont();
}

void TControl::TakeParentFont() {
    if (!FParent) return;
    TScopedChange takingParentFont(FTakingParentFont, true);
    FFont->Assign(FParent->Font());
}

void TControl::ParentFontChanged() {
    if (FParentFont) TakeParentFont();
}

void TControl::FontObjectChanged() {
    // A font changed by anyone but the parent copy is the control's own from now on.
    if (!FTakingParentFont) FParentFont = false;
    FontChanged();
}

void TControl::FontChanged() {
    UpdateWidgetFont();
    Invalidate();
}

void TControl::UpdateWidgetFont() {
    if (QWidget* w = Widget(); w && !FPlainWidget) w->setFont(FFont->Handle());
}

void TControl::UpdateWidgetColor() {
    QWidget* w = Widget();
    if (!w || FPlainWidget) return;
    QPalette pal = w->palette();
    const QColor back = ColorToQColor(FColor);
    const QColor text = ColorToQColor(FFont->Color());
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        pal.setColor(QPalette::Active, role, back), pal.setColor(QPalette::Inactive, role, back);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Active, role, text), pal.setColor(QPalette::Inactive, role, text);
    w->setPalette(pal);
}

void TControl::SetText(const String& value) {
    if (FText == value) return;
    FText = value;
    TextChanged();
}

void TControl::TextChanged() {
    Invalidate();
}

void TControl::SetHint(const String& value) {
    if (FHint == value) return;
    FHint = value;
    UpdateToolTip();
}

void TControl::SetShowHint(bool value) {
    FParentShowHint = false;
    if (FShowHint == value) return;
    FShowHint = value;
    ShowHintChanged();
}

bool TControl::ShowHelp() {
    for (TControl* c = this; c; c = c->Parent())
        if (c->HelpContext() != 0) {
            Application->HelpContext(c->HelpContext());
            return true;
        }
    return false;
}

void TControl::SetParentShowHint(bool value) {
    if (FParentShowHint == value) return;
    FParentShowHint = value;
    if (value) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
    if (!FParentShowHint || !FParent || FShowHint == FParent->FShowHint) return;
    FShowHint = FParent->FShowHint;
    ShowHintChanged();
}

void TControl::ShowHintChanged() {
    UpdateToolTip();
}

void TControl::UpdateToolTip() {
    // Hints keep their line breaks; descriptions store them as CR LF.
    String hint = FShowHint ? GetShortHint(FHint) : String();
    hint.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (QWidget* w = Widget()) w->setToolTip(hint);
}

void TControl::SetCursor(TCursor value) {
    if (FCursor == value) return;
    FCursor = value;
    ApplyCursor();
}

void TControl::ApplyCursor() {
    QWidget* w = Widget();
    if (!w) return;
    if (FCursor == crDefault)
        w->unsetCursor();
    else
        w->setCursor(Screen->Cursors(FCursor));
}

void TControl::SetPopupMenu(TPopupMenu* value) {
    if (FPopupMenu == value) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = value;
    if (value) value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

// Painting and stacking -----------------------------------------------------------------------

void TControl::Invalidate() {
    if (QWidget* w = Widget()) w->update();
    AccSchedule();
}

void TControl::InvalidateRect(const TRect& r) {
    if (QWidget* w = Widget()) {
        const TPoint off = WidgetClientOffset();
        w->update(ToQRect(r).translated(off.X, off.Y));
    }
    AccSchedule();
}

void TControl::SetStaticContents(bool value) {
    if (FStaticContents == value) return;
    FStaticContents = value;
    ApplyStaticContents();
}

void TControl::ApplyStaticContents() {
    if (!FWidget || !FPlainWidget) return;
    if (!FStaticContents) {
        SetWidgetStaticContents(FWidget, nullptr);
        return;
    }
    SetWidgetStaticContents(FWidget, [this] {
        const TPoint bands = StaticEdgeBands();
        return QSize(bands.X, bands.Y);
    });
}

void TControl::Update() {
    QWidget* w = Widget();
    if (!w || !w->isVisible()) return;
    // The top-level window flushes its pending paint requests at once.
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(w->window(), &request);
}

void TControl::Repaint() {
    if (QWidget* w = Widget(); w && w->isVisible()) w->repaint();
}

bool TControl::PaintWidget(QWidget*, QEvent*) {
    return false;
}

void TControl::BringToFront() {
    if (!FParent) {
        if (QWidget* w = Widget()) w->raise();
        return;
    }
    auto& list = FParent->FControls;
    list.erase(std::find(list.begin(), list.end(), this));
    list.push_back(this);
    FParent->UpdateStacking();
}

void TControl::SendToBack() {
    if (!FParent) {
        if (QWidget* w = Widget()) w->lower();
        return;
    }
    auto& list = FParent->FControls;
    list.erase(std::find(list.begin(), list.end(), this));
    list.insert(list.begin(), this);
    FParent->UpdateStacking();
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->FParent)
        c = c->FParent;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

// Window --------------------------------------------------------------------------------------

QWidget* TControl::ParentWidget() const {
    return FParent ? FParent->Widget() : nullptr;
}

QWidget* TControl::CreateWidget(QWidget* parentWidget) {
    auto* w = new QWidget(parentWidget);
    w->setFocusPolicy(Qt::NoFocus);
    w->setAttribute(Qt::WA_OpaquePaintEvent, FControlStyle.Contains(csOpaque));
    FPlainWidget = true;
    return w;
}

QWidget* TControl::Widget() const {
    return FWidget.data();
}

void TControl::SetControlStyle(TControlStyle value) {
    FControlStyle = value;
    if (FPlainWidget && FWidget)
        FWidget->setAttribute(Qt::WA_OpaquePaintEvent, value.Contains(csOpaque));
}

void TControl::SetControlStyleItem(TControlStyleItem item, bool on) {
    TControlStyle style = FControlStyle;
    if (on)
        style.Include(item);
    else
        style.Exclude(item);
    SetControlStyle(style);
}

void TControl::SettleSizeNow() {
    // Cleared first: settling reads the bounds itself.
    FSizePending = false;
    Application->Guard(this, [this] { SettlePendingSize(); });
}

void TControl::CreateWnd() {
    if (FWidget) return;
    SettleSize();
    // Qt's widgets measure and draw text of their own from here on.
    TFontPreload::WaitForRunning();
    FPlainWidget = false;
    QWidget* w = CreateWidget(ParentWidget());
    FWidget = w;
    FLink = new TControlWidgetLink(this, w);
    ApplyStaticContents();
    w->installEventFilter(FLink);
    w->setProperty("vqControl", true);
    w->setMouseTracking(true);
    w->setEnabled(FEnabled);
    UpdateWidgetGeometry();
    UpdateWidgetFont();
    UpdateWidgetColor();
    UpdateToolTip();
    ApplyCursor();
    AccWidgetCreated(w);
    if (FParent) w->setVisible(FVisible);
}

void TControl::DestroyWnd() {
    QWidget* w = FWidget.data();
    if (!w) return;
    if (FLink) FLink->FControl = nullptr;
    FLink = nullptr;
    // The widget may outlive the control (deleted later).
    if (FPlainWidget) SetWidgetStaticContents(w, nullptr);
    FWidget.clear();
    w->hide();
    if (TControlWidgetLink::Depth == 0) {
        delete w;
        return;
    }
    // The widget (or one of its parents) may be the one whose event is being dispatched.
    w->setParent(nullptr);
    w->deleteLater();
}

// Input ---------------------------------------------------------------------------------------

bool TControl::WidgetEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Paint:
        // Parts repainted on their own (a calendar cell) pass no Invalidate.
        AccSchedule();
        return PaintWidget(Widget(), event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return DispatchMouse(event);
    case QEvent::Enter:
        MouseEnter();
        return false;
    case QEvent::Leave:
        MouseLeave();
        return false;
    case QEvent::ContextMenu:
        if (FPopupMenu && FPopupMenu->AutoPopup()) {
            const QPoint g = static_cast<QContextMenuEvent*>(event)->globalPos();
            FPopupMenu->SetPopupComponent(this);
            FPopupMenu->Popup(g.x(), g.y());
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool TControl::DispatchMouse(QEvent* event) {
    auto* me = static_cast<QMouseEvent*>(event);
    LastControlMousePos = me->globalPosition().toPoint();
    if (DragMouse(me)) return true;
    if ((event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick) &&
        me->button() == Qt::LeftButton && FDragMode == dmAutomatic &&
        !ComponentState().Contains(csDesigning)) {
        // The press starts the drag; the control does not see it as a press.
        BeginDrag(true);
        return true;
    }
    const TPoint off = WidgetClientOffset();
    const QPoint pos = me->position().toPoint();
    const int x = pos.x() - off.X, y = pos.y() - off.Y;
    TShiftState shift = ShiftStateFromQt(me->modifiers(), me->buttons());
    TMouseButton button = mbLeft;
    switch (me->button()) {
    case Qt::LeftButton:
        button = mbLeft;
        break;
    case Qt::RightButton:
        button = mbRight;
        break;
    case Qt::MiddleButton:
        button = mbMiddle;
        break;
    default:
        if (event->type() != QEvent::MouseMove) return FPlainWidget;
    }
    const TLifeToken alive = LifeToken();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (button == mbLeft && FControlStyle.Contains(csClickEvents)) FClicked = true;
        MouseDown(button, shift, x, y);
        break;
    case QEvent::MouseButtonDblClick:
        if (FControlStyle.Contains(csDoubleClicks)) {
            MouseDown(button, shift + TShiftState{ssDouble}, x, y);
            if (alive && button == mbLeft) DblClick();
        } else {
            if (button == mbLeft && FControlStyle.Contains(csClickEvents)) FClicked = true;
            MouseDown(button, shift, x, y);
        }
        break;
    case QEvent::MouseButtonRelease: {
        const bool clicked = button == mbLeft && FClicked;
        if (button == mbLeft) FClicked = false;
        MouseUp(button, shift, x, y);
        if (alive && clicked && x >= 0 && y >= 0 && x < FWidth && y < FHeight) Click();
        break;
    }
    default:
        MouseMove(shift, x, y);
        break;
    }
    // Our own widgets take their mouse input; a native widget goes on to handle it. A control
    // a handler freed has taken it.
    return !alive || FPlainWidget;
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Fire(OnMouseDown, this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    Fire(OnMouseMove, this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Fire(OnMouseUp, this, Button, Shift, X, Y);
}

void TControl::Click() {
    Fire(OnClick, this);
}

void TControl::DblClick() {
    Fire(OnDblClick, this);
}

void TControl::KeyDown(uint16_t&, TShiftState) {}
void TControl::KeyPress(QChar&) {}
void TControl::KeyUp(uint16_t&, TShiftState) {}

bool TControl::DoAccelerator(QChar) {
    return false;
}
