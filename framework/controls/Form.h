#pragma once
// TForm: a top-level window built from its form description. A form class names its
// description (FormResourceName, by default ":/forms/<class name without T>.vqf"); the
// application's CreateForm constructs the form, reads it and fires OnCreate. Tests read a
// description from a text with ReadFromText.
//
// The form's widget is its client area; Width and Height include a fixed non-client frame of
// the classic metrics for the border style, so that descriptions keep their classic sizes.

#include "framework/controls/CustomControl.h"

class QEventLoop;

VQ_ENUM(TBorderIcon, uint8_t, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
VQ_ENUM(TPosition, uint8_t, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly,
        poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
VQ_ENUM(TCloseAction, uint8_t, caNone, caHide, caFree, caMinimize)
VQ_ENUM(TWindowState, uint8_t, wsNormal, wsMinimized, wsMaximized)
VQ_ENUM(TFormStyle, uint8_t, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
const TIdentMap* ModalResultIdents();

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TForm : public TCustomControl {
    VQ_CLASS(TForm, TCustomControl)
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    // The resource holding the form's description.
    virtual String FormResourceName() const;
    // Reads the description from the resource (EReadError when it is missing), then fires
    // OnCreate and shows the form when the description made it visible.
    void ReadFromResource();
    // The same from a text; source names it in error messages.
    void ReadFromText(std::string_view text, const String& source = QStringLiteral("form"));
    // Constructs T owned by owner and reads its resource; frees it when reading fails.
    template <class T> static T* CreateFromResource(TComponent* owner) {
        T* form = new T(owner);
        try {
            form->ReadFromResource();
        } catch (...) {
            delete form;
            throw;
        }
        return form;
    }

    // BorderStyle: bsSizeable; bsDialog is a dialog frame, bsSingle a frame without maximise.
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    // BorderIcons: [biSystemMenu, biMinimize, biMaximize].
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    // Position: poDesigned; where the form appears when first shown.
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    // FormStyle: fsNormal; fsStayOnTop keeps the window above the others.
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    // WindowState: wsNormal.
    TWindowState WindowState() const;
    void SetWindowState(TWindowState value);
    // KeyPreview: false; the form's key events see keys before the focused control.
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    // ActiveControl: the control that has (or gets, when shown) the focus.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* value);
    // Design-time metrics kept for descriptions; no effect at run time.
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool value) { FScaled = value; }
    int TextHeight() const { return FTextHeight; }
    void SetTextHeight(int value) { FTextHeight = value; }

    // Showing and closing. Close asks OnCloseQuery, then OnClose decides (caHide by default;
    // closing the main form ends the application).
    void Show();
    void Hide();
    void Close();
    // Runs a nested event loop while the form is shown, the other windows disabled; ends when
    // ModalResult becomes non-zero (the form is hidden, not freed) and returns it.
    virtual TModalResult ShowModal();
    bool Modal() const { return FModalLevel > 0; }
    TModalResult ModalResult() const { return FModalResult; }
    // Makes the form a popup of Owner's window (nullptr: an ordinary window again). Where the
    // window system places top-level windows itself (Wayland) only a popup can be put at a
    // place of the program's choosing, relative to its owner; it then closes when the user
    // clicks outside it. Elsewhere the form stays an ordinary window at its own place.
    void SetPopupOwner(TForm* Owner);
    TForm* PopupOwner() const { return FPopupOwner ? FPopupOwnerForm : nullptr; }
    void SetModalResult(TModalResult value);
    // Frees the form once the current event has been handled.
    void Release();
    bool Active() const;
    void BringToFront();

    // Enter and Escape: the focused control first, then every windowed control, is offered the
    // key through TWinControl::DialogKeyTarget (buttons: the focused or Default one takes Enter,
    // the Cancel one Escape). True when a control took the key.
    bool DialogKey(uint16_t key);

    TNotifyEvent OnCreate;         // after the description was read
    TNotifyEvent OnDestroy;        // when the form is freed
    TNotifyEvent OnShow;           // before the window appears
    TNotifyEvent OnHide;           // after the window was hidden
    TNotifyEvent OnActivate;       // the form became the active window
    TNotifyEvent OnDeactivate;     // another window became active
    TCloseEvent OnClose;           // closing: Action enters as caHide (caFree for none)
    TCloseQueryEvent OnCloseQuery; // closing may be refused by clearing CanClose
    TNotifyEvent OnPaint;          // after the form's own painting

    bool WidgetEvent(QEvent* event) override;
    bool DoAccelerator(QChar ch) override;

protected:
    // A dialog frame reads as a dialog, any other as a window; both are named by Caption.
    TAccRole AccRole() const override;
    String AccName() const override { return Caption(); }
    TAccStates AccStates() const override;
    TRect BorderInsets() const override;
    TPoint WidgetClientOffset() const override;
    // A borderless form may keep a one-pixel frame of its own (a drop-down window's thin
    // frame): Width and Height then include it and the form paints it in clWindowFrame.
    bool ThinFrame() const { return FThinFrame; }
    void SetThinFrame(bool value);
    // The window became active or inactive: fire OnActivate / OnDeactivate.
    virtual void DoActivate();
    virtual void DoDeactivate();
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void CreateWnd() override;
    void UpdateWidgetGeometry() override;
    void TextChanged() override;
    void VisibleChanged() override;
    void Paint() override;
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual bool CloseQuery();
    virtual void DoClose(TCloseAction& Action);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;
    // Written inside the form: its non-visual components (image lists, menus, timers) first,
    // then its controls.
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

private:
    friend class TWinControl;
    friend class TApplication;
    void ApplyWindowFlags();
    void PlaceOnFirstShow();
    // Tells every windowed control of the form that focused got the focus.
    void AnnounceFocus(TWinControl* focused);
    // The Enter/Escape and accelerator handling of keys that reached a control of this form.
    bool HandleFormKey(TControl* target, uint16_t key, TShiftState shift, QChar ch);
    void CloseModal();
    void WidgetCloseRequest(QEvent* event);
    void WidgetResized();
    void ApplyVisible();

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    TFormStyle FFormStyle = fsNormal;
    TWindowState FWindowState = wsNormal;
    bool FKeyPreview = false;
    TWinControl* FActiveControl = nullptr;
    int FPixelsPerInch = 96;
    bool FScaled = true;
    int FTextHeight = 13;
    TModalResult FModalResult = mrNone;
    int FModalLevel = 0;
    QEventLoop* FModalLoop = nullptr;
    bool FPlaced = false;
    bool FClosing = false;
    bool FReleasing = false;
    bool FReading = false;
    bool FThinFrame = false;
    TForm* FPopupOwnerForm = nullptr;
    TLifeToken FPopupOwner;
};
