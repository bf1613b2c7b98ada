#include "framework/controls/Control.h"

#include "framework/controls/Application.h"
#include "framework/controls/PopupMenu.h"
#include "framework/controls/Screen.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Graphics.h"

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
        TControl* control = FControl;
        auto alive = control->FAlive;
        ++Depth;
        try {
            const bool handled = control->WidgetEvent(event);
            --Depth;
            return handled;
        } catch (...) {
            --Depth;
            Application->HandleException(*alive ? control : nullptr);
            return true;
        }
    }

    TControl* FControl;
    // Events being dispatched to controls right now (nested loops included).
    static inline int Depth = 0;
};

// Kept by the drag-and-drop code (DragDrop.cpp).
extern QPoint LastControlMousePos;

TControl* TControl::ControlOfWidget(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        const auto* link = w->findChild<TControlWidgetLink*>(QString(), Qt::FindDirectChildrenOnly);
        if (link && link->FControl) return link->FControl;
    }
    return nullptr;
}

namespace {

// Restores a flag on every path out of a scope.
struct TFlagGuard {
    explicit TFlagGuard(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TFlagGuard() { FFlag = false; }
    bool& FFlag;
};

const TIdentMap& CursorMap() {
    static const TIdentMap map = {
        {crDefault, "crDefault"},
        {crNone, "crNone"},
        {crArrow, "crArrow"},
        {crCross, "crCross"},
        {crIBeam, "crIBeam"},
        {crSizeAll, "crSizeAll"},
        {crSizeNESW, "crSizeNESW"},
        {crSizeNS, "crSizeNS"},
        {crSizeNWSE, "crSizeNWSE"},
        {crSizeWE, "crSizeWE"},
        {crUpArrow, "crUpArrow"},
        {crHourGlass, "crHourGlass"},
        {crDrag, "crDrag"},
        {crNoDrop, "crNoDrop"},
        {crHSplit, "crHSplit"},
        {crVSplit, "crVSplit"},
        {crMultiDrag, "crMultiDrag"},
        {crSQLWait, "crSQLWait"},
        {crNo, "crNo"},
        {crAppStart, "crAppStart"},
        {crHelp, "crHelp"},
        {crHandPoint, "crHandPoint"},
        {crSize, "crSize"},
    };
    return map;
}

} // namespace

const TIdentMap* CursorIdents() {
    return &CursorMap();
}

const TEnumInfo* BorderStyleInfo() {
    static const TEnumInfo info("TBorderStyle", EnumInfo<TFormBorderStyle>(), bsNone, bsSingle);
    return &info;
}

Qt::CursorShape CursorShape(TCursor cursor) {
    switch (cursor) {
    case crNone:
        return Qt::BlankCursor;
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait:
        return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag:
        return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crHSplit:
        return Qt::SplitHCursor;
    case crVSplit:
        return Qt::SplitVCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

uint16_t VirtualKeyFromQt(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return uint16_t(VK_NUMPAD0 + (key - Qt::Key_0));
        switch (key) {
        case Qt::Key_Asterisk:
            return VK_MULTIPLY;
        case Qt::Key_Plus:
            return VK_ADD;
        case Qt::Key_Minus:
            return VK_SUBTRACT;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return VK_DECIMAL;
        case Qt::Key_Slash:
            return VK_DIVIDE;
        case Qt::Key_Enter:
            return VK_RETURN;
        default:
            break;
        }
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return uint16_t('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return uint16_t('0' + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return uint16_t(VK_F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Clear:
        return VK_CLEAR;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_CapsLock:
        return VK_CAPITAL;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Select:
        return VK_SELECT;
    case Qt::Key_Print:
        return VK_SNAPSHOT;
    case Qt::Key_Execute:
        return VK_EXECUTE;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Help:
        return VK_HELP;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
        return VK_LWIN;
    case Qt::Key_Super_R:
        return VK_RWIN;
    case Qt::Key_Menu:
        return VK_APPS;
    case Qt::Key_NumLock:
        return VK_NUMLOCK;
    case Qt::Key_ScrollLock:
        return VK_SCROLL;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return VK_OEM_1;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return VK_OEM_PLUS;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return VK_OEM_COMMA;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return VK_OEM_MINUS;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return VK_OEM_PERIOD;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return VK_OEM_2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return VK_OEM_3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return VK_OEM_4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return VK_OEM_5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return VK_OEM_6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return VK_OEM_7;
    default:
        return 0;
    }
}

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState s;
    if (modifiers & Qt::ShiftModifier) s.Include(ssShift);
    if (modifiers & Qt::AltModifier) s.Include(ssAlt);
    if (modifiers & Qt::ControlModifier) s.Include(ssCtrl);
    if (buttons & Qt::LeftButton) s.Include(ssLeft);
    if (buttons & Qt::RightButton) s.Include(ssRight);
    if (buttons & Qt::MiddleButton) s.Include(ssMiddle);
    return s;
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
    *FAlive = false;
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
    auto alive = FAlive;
    if (sized && !Loading()) Resize();
    if (*alive) RequestAlign();
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
    TFlagGuard guard(FSettingGeometry);
    w->setGeometry(FLeft + off.X, FTop + off.Y, std::max(0, FWidth), std::max(0, FHeight));
}

void TControl::Resize() {
    if (OnResize) {
        auto fn = OnResize;
        fn(this);
    }
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
    TFlagGuard guard(FTakingParentFont);
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
    if (QWidget* w = Widget()) w->setToolTip(FShowHint ? GetShortHint(FHint) : String());
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
    FPlainWidget = true;
    return w;
}

void TControl::CreateWnd() {
    if (FWidget) return;
    FPlainWidget = false;
    QWidget* w = CreateWidget(ParentWidget());
    FWidget = w;
    FLink = new TControlWidgetLink(this, w);
    w->installEventFilter(FLink);
    w->setProperty("vqControl", true);
    w->setMouseTracking(true);
    w->setEnabled(FEnabled);
    UpdateWidgetGeometry();
    UpdateWidgetFont();
    UpdateWidgetColor();
    UpdateToolTip();
    ApplyCursor();
    if (FParent) w->setVisible(FVisible);
}

void TControl::DestroyWnd() {
    QWidget* w = FWidget.data();
    if (!w) return;
    if (FLink) FLink->FControl = nullptr;
    FLink = nullptr;
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
    auto alive = FAlive;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (button == mbLeft && FControlStyle.Contains(csClickEvents)) FClicked = true;
        MouseDown(button, shift, x, y);
        break;
    case QEvent::MouseButtonDblClick:
        if (FControlStyle.Contains(csDoubleClicks)) {
            MouseDown(button, shift + TShiftState{ssDouble}, x, y);
            if (*alive && button == mbLeft) DblClick();
        } else {
            if (button == mbLeft && FControlStyle.Contains(csClickEvents)) FClicked = true;
            MouseDown(button, shift, x, y);
        }
        break;
    case QEvent::MouseButtonRelease: {
        const bool clicked = button == mbLeft && FClicked;
        if (button == mbLeft) FClicked = false;
        MouseUp(button, shift, x, y);
        if (*alive && clicked && x >= 0 && y >= 0 && x < FWidth && y < FHeight) Click();
        break;
    }
    default:
        MouseMove(shift, x, y);
        break;
    }
    // Our own widgets take their mouse input; a native widget goes on to handle it.
    return FPlainWidget;
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) {
        auto fn = OnMouseDown;
        fn(this, Button, Shift, X, Y);
    }
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) {
        auto fn = OnMouseMove;
        fn(this, Shift, X, Y);
    }
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) {
        auto fn = OnMouseUp;
        fn(this, Button, Shift, X, Y);
    }
}

void TControl::Click() {
    if (OnClick) {
        auto fn = OnClick;
        fn(this);
    }
}

void TControl::DblClick() {
    if (OnDblClick) {
        auto fn = OnDblClick;
        fn(this);
    }
}

void TControl::KeyDown(uint16_t&, TShiftState) {}
void TControl::KeyPress(QChar&) {}
void TControl::KeyUp(uint16_t&, TShiftState) {}

bool TControl::DoAccelerator(QChar) {
    return false;
}
