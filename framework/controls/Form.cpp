#include "framework/controls/Form.h"

#include "framework/classes/FormReader.h"
#include "framework/classes/Resources.h"
#include "framework/controls/Application.h"
#include "framework/controls/FocusFrame.h"
#include "framework/controls/ModalSession.h"
#include "framework/controls/PopupMenu.h"
#include "framework/controls/Screen.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/WinGdi.h"
#include "framework/system/ScopedChange.h"
#include "framework/system/UpdateScope.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

const TIdentMap& ModalResultMap() {
    static const TIdentMap map = {
        {mrNone, "mrNone"},   {mrOk, "mrOk"},       {mrCancel, "mrCancel"},
        {mrAbort, "mrAbort"}, {mrRetry, "mrRetry"}, {mrIgnore, "mrIgnore"},
        {mrYes, "mrYes"},     {mrNo, "mrNo"},       {mrAll, "mrAll"},
    };
    return map;
}

// Classic window metrics, so that Width/Height of descriptions keep their meaning: frame
// widths of fixed and sizeable borders, and the caption bar heights.
constexpr int FixedFrame = 3;
constexpr int SizeableFrame = 4;
constexpr int CaptionHeight = 19;
constexpr int ToolCaptionHeight = 15;

// Visits every control below parent, depth first in child order, until f returns true.
bool AnyControl(const TWinControl* parent, const std::function<bool(TControl*)>& f) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (f(c)) return true;
        if (auto* win = dynamic_cast<TWinControl*>(c); win && AnyControl(win, f)) return true;
    }
    return false;
}

// Raising a window means nothing to the offscreen platform of tests, which only complains.
void RaiseWindow(QWidget* w) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
}

} // namespace

const TIdentMap* ModalResultIdents() {
    return &ModalResultMap();
}

VQ_PUBLISH(TForm) {
    P.Inherit();
    // A form stores its client size, read after BorderStyle: an outer size read before it would
    // be taken with the default frame, and the frame of the style read later would change it.
    P.Property("Width", &TForm::Width, &TForm::SetWidth).Stored(false);
    P.Property("Height", &TForm::Height, &TForm::SetHeight).Stored(false);
    P.Property("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl);
    P.Property("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons)
        .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
    P.Property("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle).Default(bsSizeable);
    P.Property("Caption", &TForm::Caption, &TForm::SetCaption);
    P.Property("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight);
    P.Property("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth);
    P.Property("Color", &TForm::Color, &TForm::SetColor).Default(clBtnFace);
    P.Property("Ctl3D", &TForm::Ctl3D, &TForm::SetCtl3D).Default(true);
    P.Property("Enabled", &TForm::Enabled, &TForm::SetEnabled).Default(true);
    P.Property("Font", &TForm::Font, &TForm::SetFont);
    P.Property("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle).Default(fsNormal);
    P.Property("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview).Default(false);
    P.Property("ParentFont", &TForm::ParentFont, &TForm::SetParentFont).Default(false);
    P.Property("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch);
    P.Property("PopupMenu", &TForm::PopupMenu, &TForm::SetPopupMenu);
    P.Property("Position", &TForm::Position, &TForm::SetPosition).Default(poDesigned);
    P.Property("Scaled", &TForm::Scaled, &TForm::SetScaled).Default(true);
    P.Property("ShowHint", &TForm::ShowHint, &TForm::SetShowHint).Default(false);
    P.Property("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight);
    P.Property("Visible", &TForm::Visible, &TForm::SetVisible).Default(false);
    P.Property("WindowState", &TForm::WindowState, &TForm::SetWindowState).Default(wsNormal);
    P.Event("OnActivate", &TForm::OnActivate, "TNotifyEvent");
    P.Event("OnClick", &TForm::OnClick, "TNotifyEvent");
    P.Event("OnClose", &TForm::OnClose, "TCloseEvent");
    P.Event("OnCloseQuery", &TForm::OnCloseQuery, "TCloseQueryEvent");
    P.Event("OnCreate", &TForm::OnCreate, "TNotifyEvent");
    P.Event("OnDblClick", &TForm::OnDblClick, "TNotifyEvent");
    P.Event("OnDeactivate", &TForm::OnDeactivate, "TNotifyEvent");
    P.Event("OnDestroy", &TForm::OnDestroy, "TNotifyEvent");
    P.Event("OnHide", &TForm::OnHide, "TNotifyEvent");
    P.Event("OnKeyDown", &TForm::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &TForm::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &TForm::OnKeyUp, "TKeyEvent");
    P.Event("OnMouseDown", &TForm::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &TForm::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &TForm::OnMouseUp, "TMouseEvent");
    P.Event("OnPaint", &TForm::OnPaint, "TNotifyEvent");
    P.Event("OnResize", &TForm::OnResize, "TNotifyEvent");
    P.Event("OnShow", &TForm::OnShow, "TNotifyEvent");
}

TForm::TForm(TComponent* AOwner) : TCustomControl(AOwner) {
    FVisible = false;
    FParentFont = false;
    FParentColor = false;
    FColor = clBtnFace;
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                  csDoubleClicks};
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TForm::~TForm() {
    Destroying();
    Application->Guard(this, [this] { Fire(OnDestroy, this); });
    if (FModalLoop) FModalLoop->quit();
    Screen->RemoveForm(this);
}

String TForm::FormResourceName() const {
    String name = ClassName();
    if (name.startsWith(u'T')) name.remove(0, 1);
    return QStringLiteral(":/forms/") + name + QStringLiteral(".vqf");
}

void TForm::ReadFromResource() {
    const String name = FormResourceName();
    const QByteArray text = ReadResource(name);
    ReadFromText(std::string_view(text.constData(), size_t(text.size())), name);
}

void TForm::ReadFromText(std::string_view text, const String& source) {
    {
        TScopedChange reading(FReading, true);
        TFormReader::ReadInto(this, text, source);
        DoCreate();
    }
    if (FVisible) ApplyVisible();
}

void TForm::DoCreate() {
    Fire(OnCreate, this);
}

void TForm::Loaded() {
    TCustomControl::Loaded();
    if (FActiveControl && HandleAllocated()) FActiveControl->SetFocus();
}

void TForm::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FActiveControl) FActiveControl = nullptr;
}

// Frame and geometry --------------------------------------------------------------------------

TRect TForm::BorderInsets() const {
    switch (FBorderStyle) {
    case bsNone:
        return FThinFrame ? TRect{1, 1, 1, 1} : TRect{};
    case bsSingle:
    case bsDialog:
        return TRect{FixedFrame, FixedFrame + CaptionHeight, FixedFrame, FixedFrame};
    case bsToolWindow:
        return TRect{FixedFrame, FixedFrame + ToolCaptionHeight, FixedFrame, FixedFrame};
    case bsSizeToolWin:
        return TRect{SizeableFrame, SizeableFrame + ToolCaptionHeight, SizeableFrame,
                     SizeableFrame};
    case bsSizeable:
    default:
        return TRect{SizeableFrame, SizeableFrame + CaptionHeight, SizeableFrame, SizeableFrame};
    }
}

TPoint TForm::WidgetClientOffset() const {
    // A thin frame is drawn inside the window; every other frame is the window manager's.
    return FBorderStyle == bsNone && FThinFrame ? TPoint{1, 1} : TPoint{};
}

void TForm::SetThinFrame(bool value) {
    if (FThinFrame == value) return;
    const int cw = ClientWidth(), ch = ClientHeight();
    FThinFrame = value;
    SetBounds(Left(), Top(), cw + (value ? 2 : 0), ch + (value ? 2 : 0));
    ApplyWindowFlags();
    ClientOriginChanged();
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
    if (FBorderStyle == value) return;
    // The client area keeps its size; the frame around it changes.
    const int cw = ClientWidth(), ch = ClientHeight();
    FBorderStyle = value;
    const TRect b = BorderInsets();
    SetBounds(Left(), Top(), cw + b.Left + b.Right, ch + b.Top + b.Bottom);
    ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons value) {
    if (FBorderIcons == value) return;
    FBorderIcons = value;
    ApplyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle value) {
    if (FFormStyle == value) return;
    FFormStyle = value;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
    QWidget* w = Widget();
    if (!w) return;
    Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint;
    switch (FBorderStyle) {
    case bsNone:
        f |= Qt::FramelessWindowHint;
        break;
    case bsDialog:
        f = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        f = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        break;
    default:
        f |= Qt::WindowTitleHint;
        break;
    }
    if (Modal() && (f & Qt::WindowType_Mask) == Qt::Window)
        f = (f & ~Qt::WindowType_Mask) | Qt::Dialog;
    if (FBorderStyle != bsNone) {
        if (FBorderIcons.Contains(biSystemMenu))
            f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        const bool icons = FBorderStyle != bsDialog && FBorderStyle != bsToolWindow &&
                           FBorderStyle != bsSizeToolWin;
        if (icons && FBorderIcons.Contains(biMinimize)) f |= Qt::WindowMinimizeButtonHint;
        // A single border does not maximise.
        if (icons && FBorderStyle == bsSizeable && FBorderIcons.Contains(biMaximize))
            f |= Qt::WindowMaximizeButtonHint;
        if (FBorderIcons.Contains(biHelp)) f |= Qt::WindowContextHelpButtonHint;
    }
    if (FFormStyle == fsStayOnTop) f |= Qt::WindowStaysOnTopHint;
    const bool popup = PopupOwner() && !TScreen::PlacesWindows();
    if (popup) f = Qt::Popup | Qt::FramelessWindowHint;
    const bool shown = w->isVisible();
    w->setWindowFlags(f);
    const bool sizeable = FBorderStyle == bsSizeable || FBorderStyle == bsSizeToolWin;
    TRect cr = ClientRect();
    const TPoint inner = WidgetClientOffset();
    cr.Right += 2 * inner.X, cr.Bottom += 2 * inner.Y;
    if (sizeable) {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        w->setFixedSize(std::max(0, cr.Width()), std::max(0, cr.Height()));
    }
    if (popup) {
        // Qt places a popup relative to its transient parent; made now, before it maps.
        w->winId();
        if (QWidget* owner = PopupOwner()->Widget()) {
            owner->winId();
            w->windowHandle()->setTransientParent(owner->windowHandle());
        }
    }
    if (shown) w->show();
}

void TForm::SetPopupOwner(TForm* Owner) {
    if (Owner == PopupOwner()) return;
    FPopupOwnerForm = Owner;
    FPopupOwner = Owner ? Owner->LifeToken() : TLifeToken{};
    if (Owner) Owner->HandleNeeded();
    ApplyWindowFlags();
}

void TForm::UpdateWidgetGeometry() {
    QWidget* w = Widget();
    if (!w) return;
    TRect cr = ClientRect();
    const TPoint inner = WidgetClientOffset();
    cr.Right += 2 * inner.X, cr.Bottom += 2 * inner.Y;
    TScopedChange settingGeometry(FSettingGeometry, true);
    const bool sizeable = FBorderStyle == bsSizeable || FBorderStyle == bsSizeToolWin;
    if (!sizeable) w->setFixedSize(std::max(0, cr.Width()), std::max(0, cr.Height()));
    w->move(Left(), Top());
    w->resize(std::max(0, cr.Width()), std::max(0, cr.Height()));
}

void TForm::WidgetResized() {
    QWidget* w = Widget();
    const TRect b = BorderInsets();
    const TPoint inner = WidgetClientOffset();
    const int width = w->width() + b.Left + b.Right - 2 * inner.X;
    const int height = w->height() + b.Top + b.Bottom - 2 * inner.Y;
    if (width != Width() || height != Height()) SetBounds(Left(), Top(), width, height);
}

QWidget* TForm::CreateWidget(QWidget*) {
    auto* w = TWinControl::CreateWidget(nullptr);
    w->setFocusPolicy(Qt::NoFocus);
    w->setAttribute(Qt::WA_QuitOnClose, false);
    return w;
}

void TForm::CreateWnd() {
    TCustomControl::CreateWnd();
    QWidget* w = Widget();
    w->setWindowTitle(Caption());
    // The name a panel shows for the program's main window is the program's.
    if (Application->MainForm() == this) w->setWindowIconText(Application->Title());
    ApplyWindowFlags();
    UpdateWidgetGeometry();
    UpdateTabChain();
}

void TForm::TextChanged() {
    if (QWidget* w = Widget()) w->setWindowTitle(Caption());
}

void TForm::Paint() {
    // The canvas starts at the client origin; the thin frame lies one pixel outside it.
    if (WidgetClientOffset().X > 0)
        FrameRect(Canvas(), Rect(-1, -1, ClientWidth() + 1, ClientHeight() + 1), clWindowFrame);
    Fire(OnPaint, this);
}

TWindowState TForm::WindowState() const {
    if (QWidget* w = Widget(); w && w->isVisible()) {
        if (w->isMinimized()) return wsMinimized;
        if (w->isMaximized()) return wsMaximized;
        return wsNormal;
    }
    return FWindowState;
}

void TForm::SetWindowState(TWindowState value) {
    FWindowState = value;
    QWidget* w = Widget();
    if (!w || !w->isVisible()) return;
    if (value == wsMinimized)
        w->showMinimized();
    else if (value == wsMaximized)
        w->showMaximized();
    else
        w->showNormal();
}

// Showing -------------------------------------------------------------------------------------

void TForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TForm::Hide() {
    SetVisible(false);
}

void TForm::VisibleChanged() {
    if (Loading() || FReading) return;
    ApplyVisible();
}

void TForm::ApplyVisible() {
    const TLifeToken alive = LifeToken();
    if (Visible()) {
        if (HandleAllocated() && Widget()->isVisible()) return;
        DoShow();
        if (!alive) return;
        HandleNeeded();
        if (!FPlaced) PlaceOnFirstShow();
        QWidget* w = Widget();
        if (FWindowState == wsMinimized)
            w->showMinimized();
        else if (FWindowState == wsMaximized)
            w->showMaximized();
        else
            w->show();
        RaiseWindow(w);
        w->activateWindow();
        if (FActiveControl && FActiveControl->CanFocus()) {
            FActiveControl->HandleNeeded();
            FActiveControl->Widget()->setFocus(Qt::OtherFocusReason);
        }
    } else {
        if (!HandleAllocated() || !Widget()->isVisible()) return;
        Widget()->hide();
        DoHide();
    }
}

void TForm::PlaceOnFirstShow() {
    FPlaced = true;
    TRect area = Rect(0, 0, Screen->Width(), Screen->Height());
    switch (FPosition) {
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TForm* other = FPosition == poOwnerFormCenter ? dynamic_cast<TForm*>(Owner()) : nullptr;
        if (!other) other = Application->MainForm();
        if (other && other != this && other->Visible()) area = other->BoundsRect();
        [[fallthrough]];
    }
    case poScreenCenter:
    case poDesktopCenter:
        SetBounds(area.Left + (area.Width() - Width()) / 2,
                  area.Top + (area.Height() - Height()) / 2, Width(), Height());
        break;
    default:
        break;
    }
}

void TForm::DoShow() {
    Fire(OnShow, this);
}

void TForm::DoHide() {
    Fire(OnHide, this);
}

bool TForm::Active() const {
    return HandleAllocated() && QApplication::activeWindow() == Widget();
}

void TForm::BringToFront() {
    if (QWidget* w = Widget(); w && w->isVisible()) {
        RaiseWindow(w);
        w->activateWindow();
    }
}

void TForm::SetActiveControl(TWinControl* value) {
    if (FActiveControl == value) return;
    if (value && (value == this || value->ParentForm() != this))
        throw EInvalidOperation(
            QStringLiteral("Invalid ActiveControl: the control is not on this form"));
    FActiveControl = value;
    if (value && !Loading() && Showing() && value->CanFocus()) value->SetFocus();
}

// Closing -------------------------------------------------------------------------------------

bool TForm::CloseQuery() {
    bool canClose = true;
    Fire(OnCloseQuery, this, canClose);
    return canClose;
}

void TForm::DoClose(TCloseAction& Action) {
    Fire(OnClose, this, Action);
}

void TForm::Close() {
    if (Modal()) {
        SetModalResult(mrCancel);
        return;
    }
    // A form already closing, or freed once this event is handled, is not closed again.
    if (FClosing || FReleasing) return;
    const TLifeToken alive = LifeToken();
    TCloseAction action = caNone;
    {
        // A handler may free the form; then no flag is left to clear.
        TUpdateScope closing([this] { FClosing = true; },
                             [this, &alive] {
                                 if (alive) FClosing = false;
                             });
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
    }
    if (!alive) return;
    if (action == caNone) return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        if (QWidget* w = Widget()) w->showMinimized();
        break;
    case caFree:
        Release();
        break;
    default:
        break;
    }
}

void TForm::DoActivate() {
    Fire(OnActivate, this);
}

void TForm::DoDeactivate() {
    Fire(OnDeactivate, this);
}

void TForm::Release() {
    if (FReleasing) return;
    FReleasing = true;
    Hide();
    QTimer::singleShot(0, qApp, [this, alive = LifeToken()] {
        if (alive) delete this;
    });
}

void TForm::SetModalResult(TModalResult value) {
    FModalResult = value;
    if (value != mrNone && FModalLoop) FModalLoop->quit();
}

void TForm::CloseModal() {
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone) FModalResult = mrNone;
    if (action == caFree) Release();
}

TModalResult TForm::ShowModal() {
    if (Visible() || !Enabled() || Modal())
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    const TLifeToken alive = LifeToken();
    HandleNeeded();
    ++FModalLevel;
    // A modal window of any border is a dialog to the window system: only those are kept
    // above the window they belong to.
    ApplyWindowFlags();
    QEventLoop loop;
    FModalResult = mrNone;
    FModalLoop = &loop;
    TModalSession session(Widget());
    // Every path hides the form before the session gives the other windows back.
    auto end = [&] {
        if (!alive) return;
        FModalLoop = nullptr;
        --FModalLevel;
        Hide();
        ApplyWindowFlags();
    };
    try {
        Show();
        while (alive) {
            if (FModalResult == mrNone && !Application->Terminated())
                loop.exec(QEventLoop::DialogExec);
            if (!alive) break;
            if (Application->Terminated()) {
                if (FModalResult == mrNone) FModalResult = mrCancel;
                break;
            }
            if (FModalResult != mrNone) {
                CloseModal();
                if (!alive || FModalResult != mrNone) break;
            }
        }
    } catch (...) {
        end();
        throw;
    }
    const TModalResult result = alive ? FModalResult : mrCancel;
    end();
    return result;
}

// Keys and window events ----------------------------------------------------------------------

bool TForm::DialogKey(uint16_t key) {
    TWinControl* focused = FActiveControl && FActiveControl->Focused() ? FActiveControl : nullptr;
    if (focused && focused->DialogKeyTarget(key, true)) return true;
    const TLifeToken alive = LifeToken();
    if (AnyControl(this, [&](TControl* c) {
            auto* win = dynamic_cast<TWinControl*>(c);
            return win && win != focused && win->CanFocus() && win->DialogKeyTarget(key, false);
        }))
        return true;
    // A modal window without a Cancel button still closes on Escape, as its close box would:
    // the keyboard must be able to leave every window.
    if (alive && key == VK_ESCAPE && Modal() && FModalResult == mrNone) {
        SetModalResult(mrCancel);
        return true;
    }
    return false;
}

void TForm::AnnounceFocus(TWinControl* focused) {
    AnyControl(this, [&](TControl* c) {
        if (auto* win = dynamic_cast<TWinControl*>(c)) win->FocusChanged(focused);
        return false;
    });
}

bool TForm::DoAccelerator(QChar ch) {
    return AnyControl(this, [&](TControl* c) {
        for (const TControl* p = c; p && p != this; p = p->Parent())
            if (!p->Visible() || !p->Enabled()) return false;
        return c->DoAccelerator(ch);
    });
}

bool TForm::HandleFormKey(TControl* target, uint16_t key, TShiftState shift, QChar) {
    const bool plain = !shift.Contains(ssAlt) && !shift.Contains(ssCtrl);
    if (plain && (key == VK_RETURN || key == VK_ESCAPE)) {
        auto* win = dynamic_cast<TWinControl*>(target);
        if (win && win != this && win->WantsKey(key)) return false;
        return DialogKey(key);
    }
    if (key == VK_F1 && shift.Empty()) return target && target->ShowHelp();
    if (shift.Contains(ssAlt) && !shift.Contains(ssCtrl) &&
        ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')))
        return DoAccelerator(QChar(key));
    return false;
}

void TForm::WidgetCloseRequest(QEvent* event) {
    // The window only hides when Close decides so; the widget itself never closes. A window a
    // modal one has disabled refuses to close.
    event->ignore();
    if (Widget()->isEnabled()) Close();
}

bool TForm::WidgetEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Close:
        WidgetCloseRequest(event);
        return true;
    case QEvent::Resize:
        if (!FSettingGeometry) WidgetResized();
        return false;
    case QEvent::Move:
        if (!FSettingGeometry && Widget()->isVisible()) {
            const QPoint p = Widget()->pos();
            FLeft = p.x();
            FTop = p.y();
        }
        return false;
    case QEvent::WindowActivate:
        // Qt forgets the cues whenever the window hides.
        ShowFocusCues(Widget());
        DoActivate();
        return false;
    case QEvent::WindowDeactivate:
        DoDeactivate();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // While a popup is open Qt hands it the presses on other windows: one outside it
        // closes it, and goes no further.
        if (Widget()->windowType() == Qt::Popup &&
            !Widget()->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            Close();
            return true;
        }
        return TCustomControl::WidgetEvent(event);
    default:
        return TCustomControl::WidgetEvent(event);
    }
}

void TForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
    if (root == this)
        for (int i = 0; i < ComponentCount(); ++i)
            if (TComponent* c = Components(i); !c->HasParent()) proc(c);
    TWinControl::GetChildren(proc, root);
}

TAccRole TForm::AccRole() const {
    return FBorderStyle == bsDialog ? arDialog : arWindow;
}

TAccStates TForm::AccStates() const {
    TAccStates s;
    if (Modal()) s.Include(asModal);
    return s;
}
