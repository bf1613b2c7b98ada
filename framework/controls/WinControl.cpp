#include "framework/controls/WinControl.h"

#include "framework/controls/Application.h"
#include "framework/controls/FocusFrame.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Graphics.h"
#include "framework/system/UpdateScope.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace {

// Key events reach the focused widget first and then its parents; only the control whose
// widget the event is for (the focus widget or, for a compound widget, its nearest linked
// parent) handles them, so no control sees a key twice.
bool IsKeyTarget(QWidget* watched) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return watched->isWindow();
    for (QWidget* w = focus; w; w = w->parentWidget())
        if (w->property("vqControl").toBool()) return w == watched;
    return false;
}

// Set while a key event with a changed character is forwarded to the widget.
bool GForwardingKey = false;

} // namespace

VQ_PUBLISH(TWinControl) {
    P.Inherit();
}

bool TWinControl::IsCtl3DStored(const TObject* o) {
    return !static_cast<const TWinControl*>(o)->ParentCtl3D();
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    Destroying();
    // Children still here go with their parent, whoever owns them.
    while (!FControls.empty()) {
        TControl* c = FControls.back();
        RemoveControl(c);
        delete c;
    }
    DestroyWnd();
}

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= int(FControls.size()))
        throw EListError(Exception::Format(QStringLiteral("List index out of bounds (%d)"),
                                           {QString::number(index)}));
    return FControls[size_t(index)];
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

void TWinControl::InsertControl(TControl* control) {
    FControls.push_back(control);
    control->FParent = this;
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        FTabList.push_back(win);
        if (win->FParentCtl3D) win->ParentCtl3DChanged();
    }
    if (control->FParentFont) control->TakeParentFont();
    if (control->FParentColor) control->TakeParentColor();
    if (control->FParentShowHint) control->ParentShowHintChanged();
    if (HandleAllocated() && !DefersChildHandles()) {
        control->CreateWnd();
        UpdateStacking();
        if (TForm* form = ParentForm()) form->UpdateTabChain();
    }
    if (control->FAlign != alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end()) return;
    if (TForm* form = ParentForm())
        if (auto* win = dynamic_cast<TWinControl*>(control);
            win && form->FActiveControl && win->ContainsControl(form->FActiveControl))
            form->FActiveControl = nullptr;
    control->DestroyWnd();
    FControls.erase(it);
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), control), FTabList.end());
    control->FParent = nullptr;
    if (control->FAlign != alNone && !Destroying()) Realign();
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc,
                              TComponent* root) const {
    // Children owned by the root are written inside their parent's block.
    for (TControl* c : FControls)
        if (c->Owner() == root) proc(c);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (!FTabList.empty()) {
        // Tab orders read from the description: each child goes to the position it asked for.
        std::vector<TWinControl*> wanted = FTabList;
        std::stable_sort(wanted.begin(), wanted.end(), [](TWinControl* a, TWinControl* b) {
            const int ia = a->FLoadedTabOrder < 0 ? INT32_MAX : a->FLoadedTabOrder;
            const int ib = b->FLoadedTabOrder < 0 ? INT32_MAX : b->FLoadedTabOrder;
            return ia < ib;
        });
        FTabList = wanted;
        for (TWinControl* c : FTabList)
            c->FLoadedTabOrder = -1;
    }
    if (FParentCtl3D) ParentCtl3DChanged();
    Realign();
    if (HandleAllocated())
        if (TForm* form = ParentForm()) form->UpdateTabChain();
}

// Focus ---------------------------------------------------------------------------------------

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const {
    return Widget() && Widget()->hasFocus();
}

void TWinControl::SetFocus() {
    if (!CanFocus())
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    TForm* form = ParentForm();
    if (form && form != this) form->FActiveControl = this;
    if (form && !form->Showing()) return;
    HandleNeeded();
    if (QWidget* w = Widget()) w->setFocus(Qt::OtherFocusReason);
}

int TWinControl::TabOrder() const {
    // While a description is read, the place it asked for (taken up in Loaded).
    if (Loading() && FLoadedTabOrder >= 0) return FLoadedTabOrder;
    if (!Parent()) return -1;
    const auto& list = Parent()->FTabList;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (Loading()) {
        FLoadedTabOrder = value;
        return;
    }
    if (!Parent()) return;
    auto& list = Parent()->FTabList;
    const int current = TabOrder();
    if (value < 0) value = 0;
    if (value >= int(list.size())) value = int(list.size()) - 1;
    if (value == current) return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + value, this);
    if (TForm* form = ParentForm()) form->UpdateTabChain();
}

void TWinControl::SetTabStop(bool value) {
    if (FTabStop == value) return;
    FTabStop = value;
    UpdateFocusPolicy();
}

void TWinControl::UpdateFocusPolicy() {
    QWidget* w = Widget();
    if (!w || w->isWindow()) return;
    if (PlainWidget())
        w->setFocusPolicy(FTabStop ? Qt::StrongFocus : Qt::NoFocus);
    else
        w->setFocusPolicy(FTabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TWinControl::UpdateTabChain() {
    std::vector<QWidget*> chain;
    std::function<void(TWinControl*)> walk = [&](TWinControl* parent) {
        for (TWinControl* c : parent->FTabList) {
            if (QWidget* w = c->Widget(); w && c->Widget()->focusPolicy() != Qt::NoFocus)
                chain.push_back(w);
            walk(c);
        }
    };
    walk(this);
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TWinControl::DoEnter() {
    Fire(OnEnter, this);
}

void TWinControl::DoExit() {
    Fire(OnExit, this);
}

void TWinControl::FocusChanged(TWinControl*) {}

bool TWinControl::WantsKey(uint16_t) const {
    return false;
}

bool TWinControl::DialogKeyTarget(uint16_t, bool) {
    return false;
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
    Fire(OnKeyDown, this, Key, Shift);
}

void TWinControl::KeyPress(QChar& Key) {
    Fire(OnKeyPress, this, Key);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
    Fire(OnKeyUp, this, Key, Shift);
}

// Ctl3D ---------------------------------------------------------------------------------------

void TWinControl::SetCtl3D(bool value) {
    FParentCtl3D = false;
    if (FCtl3D == value) return;
    FCtl3D = value;
    Ctl3DChanged();
}

void TWinControl::SetParentCtl3D(bool value) {
    if (FParentCtl3D == value) return;
    FParentCtl3D = value;
    if (value) ParentCtl3DChanged();
}

void TWinControl::ParentCtl3DChanged() {
    if (!FParentCtl3D || !Parent() || FCtl3D == Parent()->FCtl3D) return;
    FCtl3D = Parent()->FCtl3D;
    Ctl3DChanged();
}

void TWinControl::Ctl3DChanged() {
    Invalidate();
    for (TWinControl* c : std::vector<TWinControl*>(FTabList))
        c->ParentCtl3DChanged();
}

// Change notifications reach the children that follow the parent -------------------------------

void TWinControl::NotifyChildren(void (TControl::*fn)()) {
    for (TControl* c : std::vector<TControl*>(FControls))
        (c->*fn)();
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    NotifyChildren(&TControl::ParentFontChanged);
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    NotifyChildren(&TControl::ParentColorChanged);
}

void TWinControl::ShowHintChanged() {
    TControl::ShowHintChanged();
    NotifyChildren(&TControl::ParentShowHintChanged);
}

void TWinControl::ShowControl(TControl*) {
    if (Parent()) Parent()->ShowControl(this);
}

void TWinControl::SetEnabled(bool value) {
    TControl::SetEnabled(value);
    NotifyChildren(&TControl::EnabledChanged);
}

// Alignment -----------------------------------------------------------------------------------

TRect TWinControl::ClientRect() const {
    const TRect b = BorderInsets();
    const TRect bounds = BoundsAsSet();
    return Rect(0, 0, bounds.Width() - b.Left - b.Right, bounds.Height() - b.Top - b.Bottom);
}

TPoint TWinControl::WidgetClientOffset() const {
    const TRect b = BorderInsets();
    return {b.Left, b.Top};
}

void TWinControl::DisableAlign() {
    ++FAlignLevel;
}

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0 && --FAlignLevel == 0 && FAlignPending) Realign();
}

void TWinControl::Realign() {
    if (FAlignLevel > 0 || Loading()) {
        FAlignPending = true;
        return;
    }
    if (FAligning) return;
    FAlignPending = false;
    // A handler of the pass (OnResize) may free the control.
    TUpdateScope aligning([this] { FAligning = true; },
                          [this, alive = LifeToken()] {
                              if (alive) FAligning = false;
                          });
    TRect r = ClientRect();
    AdjustClientRect(r);
    AlignControls(nullptr, r);
}

void TWinControl::AlignControls(TControl*, TRect& r) {
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : std::vector<TControl*>(FControls)) {
            if (c->FAlign != align || !c->FVisible) continue;
            // The getters below settle a size still pending (an auto-sized label placed now).
            switch (align) {
            case alTop:
                c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
                r.Top += c->Height();
                break;
            case alBottom: {
                const int h = c->Height();
                c->SetBounds(r.Left, r.Bottom - h, r.Width(), h);
                // A size hook may have changed the height: keep the control on the edge.
                if (c->Height() != h)
                    c->SetBounds(r.Left, r.Bottom - c->Height(), c->Width(), c->Height());
                r.Bottom -= c->Height();
                break;
            }
            case alLeft:
                c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
                r.Left += c->Width();
                break;
            case alRight: {
                const int w = c->Width();
                c->SetBounds(r.Right - w, r.Top, w, r.Height());
                if (c->Width() != w)
                    c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), c->Height());
                r.Right -= c->Width();
                break;
            }
            case alClient:
                c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
                break;
            default:
                break;
            }
        }
    }
}

void TWinControl::Resize() {
    const TLifeToken alive = LifeToken();
    Realign();
    if (alive) TControl::Resize();
}

// Window --------------------------------------------------------------------------------------

void TWinControl::HandleNeeded() {
    if (HandleAllocated()) return;
    if (Parent()) {
        Parent()->HandleNeeded();
        if (HandleAllocated()) return;
    }
    CreateWnd();
}

QWidget* TWinControl::CreateWidget(QWidget* parentWidget) {
    auto* w = new QWidget(parentWidget);
    w->setAttribute(Qt::WA_OpaquePaintEvent, FControlStyle.Contains(csOpaque));
    FPlainWidget = true;
    return w;
}

void TWinControl::CreateWnd() {
    if (HandleAllocated()) return;
    TControl::CreateWnd();
    UpdateFocusPolicy();
    if (!PlainWidget()) ShowFocusFrame(Widget());
    CreateChildHandles();
}

void TWinControl::CreateChildHandles() {
    if (DefersChildHandles()) return;
    for (TControl* c : FControls)
        c->CreateWnd();
    UpdateStacking();
}

void TWinControl::CreatePendingChildHandles() {
    if (!HandleAllocated() || DefersChildHandles()) return;
    const bool missing = std::any_of(FControls.begin(), FControls.end(),
                                     [](TControl* c) { return !c->HandleAllocated(); });
    if (!missing) return;
    CreateChildHandles();
    if (TForm* form = ParentForm()) form->UpdateTabChain();
}

void TWinControl::DestroyChildHandles() {
    for (TControl* c : FControls)
        c->DestroyWnd();
}

void TWinControl::DestroyWnd() {
    if (!HandleAllocated()) return;
    DestroyChildHandles();
    TControl::DestroyWnd();
}

void TWinControl::RecreateWnd() {
    QWidget* old = Widget();
    if (!old) return;
    const bool shownWindow = old->isWindow() && old->isVisible();
    const bool hadFocus = Focused();
    DestroyWnd();
    CreateWnd();
    if (TForm* form = ParentForm(); form && form != this) form->UpdateTabChain();
    if (shownWindow) Widget()->show();
    if (hadFocus) Widget()->setFocus(Qt::OtherFocusReason);
}

void TWinControl::ClientOriginChanged() {
    for (TControl* c : FControls)
        c->UpdateWidgetGeometry();
}

void TWinControl::UpdateStacking() {
    for (TControl* c : FControls)
        if (dynamic_cast<TWinControl*>(c) && c->Widget()) c->Widget()->raise();
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (!dynamic_cast<TWinControl*>(*it) && (*it)->Widget()) (*it)->Widget()->lower();
}

bool TWinControl::PaintWidget(QWidget* widget, QEvent*) {
    if (!PlainWidget()) return false;
    EraseBackground(widget);
    PaintWindow(widget);
    return true;
}

void TWinControl::EraseBackground(QWidget* widget) {
    if (FControlStyle.Contains(csOpaque) || Color() == clNone) return;
    QPainter p(widget);
    p.fillRect(widget->rect(), ColorToQColor(Color()));
}

void TWinControl::PaintWindow(QWidget*) {}

// Events --------------------------------------------------------------------------------------

bool TWinControl::WidgetEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        TForm* form = ParentForm();
        if (form && form != this) {
            form->FActiveControl = this;
            form->AnnounceFocus(this);
        }
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) DoEnter();
        return false;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) DoExit();
        return false;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (GForwardingKey || !IsKeyTarget(Widget())) return false;
        auto* ke = static_cast<QKeyEvent*>(event);
        const TShiftState shift = ShiftStateFromQt(ke->modifiers(), Qt::NoButton);
        uint16_t key = VirtualKeyFromQt(ke->key(), ke->modifiers());
        const TLifeToken alive = LifeToken();
        TForm* form = ParentForm();
        TWinControl* preview = form && form != this && form->KeyPreview() ? form : nullptr;
        if (event->type() == QEvent::KeyRelease) {
            if (!key) return false;
            if (preview) preview->KeyUp(key, shift);
            if (alive && key) KeyUp(key, shift);
            return !alive || key == 0;
        }
        if (key) {
            if (preview) preview->KeyDown(key, shift);
            if (alive && key) KeyDown(key, shift);
            if (!alive || key == 0) return true;
            if (form && form->HandleFormKey(this, key, shift, QChar())) return true;
            if (!alive) return true;
        }
        const QString text = ke->text();
        if (text.size() != 1 || shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return false;
        const QChar original = text[0];
        QChar ch = original;
        if (preview) preview->KeyPress(ch);
        if (alive && !ch.isNull()) KeyPress(ch);
        if (!alive || ch.isNull()) return true;
        if (ch != original) {
            // A handler replaced the character: the widget gets the new one instead.
            QKeyEvent changed(QEvent::KeyPress, ke->key(), ke->modifiers(), QString(ch),
                              ke->isAutoRepeat());
            GForwardingKey = true;
            QCoreApplication::sendEvent(Widget(), &changed);
            GForwardingKey = false;
            return true;
        }
        return false;
    }
    default:
        return TControl::WidgetEvent(event);
    }
}

TAccRole TWinControl::AccRole() const {
    return PlainWidget() ? arSection : arDefault;
}

TAccStates TWinControl::AccStates() const {
    TAccStates s;
    if (PlainWidget() && FTabStop) s.Include(asFocusable);
    return s;
}

void SetOpaqueWhenSquareFramed(QFrame* frame) {
    const QString style = frame->style()->name();
    const bool square = style.compare(u"fusion", Qt::CaseInsensitive) == 0 ||
                        style.compare(u"windows", Qt::CaseInsensitive) == 0;
    frame->setAttribute(Qt::WA_OpaquePaintEvent, square);
}
