#pragma once
// TControl: the base of everything visible. A control has bounds in its parent's client
// coordinates, an alignment in its parent, colour and font (each optionally taken from the
// parent), caption, hint, cursor and mouse/key events. Every control has a Qt widget as its
// window once its parent's window exists: a windowless (graphic) control gets a light,
// non-focusable child widget of its parent's widget; TWinControl makes real windows.
//
// Qt events reach the control through WidgetEvent, which turns them into the virtual
// notifications below (Paint, MouseDown, KeyDown, Resize ...). No exception leaves that path:
// it goes to Application->HandleException(control).

#include "framework/classes/Component.h"
#include "framework/controls/Accessibility.h"
#include "framework/controls/Cursors.h"
#include "framework/controls/Keys.h"
#include "framework/graphics/Font.h"
#include "framework/system/Types.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QWidget;
class QEvent;
class QCursor;
class QMouseEvent;
class TWinControl;
class TForm;
class TPopupMenu;
class TControlWidgetLink;
class TControlAccessible;
class TControlItemAccessible;

VQ_ENUM(TAlign, uint8_t, alNone, alTop, alBottom, alLeft, alRight, alClient)
VQ_ENUM(TMouseButton, uint8_t, mbLeft, mbRight, mbMiddle)
VQ_ENUM(TDragMode, uint8_t, dmManual, dmAutomatic)
VQ_ENUM(TDragState, uint8_t, dsDragEnter, dsDragLeave, dsDragMove)
VQ_ENUM(TAlignment, uint8_t, taLeftJustify, taRightJustify, taCenter)
VQ_ENUM(TTextLayout, uint8_t, tlTop, tlCenter, tlBottom)
// Window border styles; a control's own border (panel, edit, grid) uses bsNone..bsSingle.
VQ_ENUM(TFormBorderStyle, uint8_t, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow,
        bsSizeToolWin)
using TBorderStyle = TFormBorderStyle;
// Name table of the bsNone..bsSingle subrange, for a control's BorderStyle property.
const TEnumInfo* BorderStyleInfo();

VQ_ENUM(TControlStyleItem, uint8_t, csAcceptsControls, csCaptureMouse, csDesignInteractive,
        csClickEvents, csFramed, csSetCaption, csOpaque, csDoubleClicks, csFixedWidth,
        csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents, csDisplayDragImage,
        csReflector, csActionClient, csMenuEvents)
using TControlStyle = TSet<TControlStyleItem>;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y,
                                          TDragState State, bool& Accept)>;
using TStartDragEvent = std::function<void(TObject* Sender, TObject*& DragObject)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

// "Short|Long" hints: the part before the bar shows as tooltip, the part after in status lines.
String GetShortHint(const String& hint);
String GetLongHint(const String& hint);
// Whether caption has ch as its accelerator ('&' before it; "&&" is a plain ampersand).
bool IsAccel(QChar ch, const String& caption);

using TStoredFn = std::function<bool(const TObject*)>;

class TControl : public TComponent {
    VQ_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // Parent: the windowed control this one sits in (nullptr: none); setting it moves the
    // control's window there and makes it take ParentFont/ParentColor values.
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* value);

    // Bounds in the parent's client coordinates; every change goes through SetBounds.
    int Left() const { return SettleSize(), FLeft; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    int Top() const { return SettleSize(), FTop; }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    int Width() const { return SettleSize(), FWidth; }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    int Height() const { return SettleSize(), FHeight; }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    // Offers the size to CanResize first; a refused size keeps the current one. Moves the
    // window, fires Resize when the size changed and makes the parent re-align.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return SettleSize(), Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // Client area in own coordinates: (0, 0, Width, Height) less any non-client border; a
    // pending size (SetSizePending) is not settled by it, ClientWidth and ClientHeight settle it.
    virtual TRect ClientRect() const;
    int ClientWidth() const { return SettleSize(), ClientRect().Width(); }
    void SetClientWidth(int value);
    int ClientHeight() const { return SettleSize(), ClientRect().Height(); }
    void SetClientHeight(int value);
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    // Where the client area's origin lies in the parent's client coordinates.
    TPoint ClientOrigin() const;

    // Align: alNone; the parent places aligned controls along its client edges.
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    // Visible: true.
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Show also asks the parents to make the control visible (a container brings the page
    // holding it to the front).
    void Show();
    void Hide() { SetVisible(false); }
    // Whether the control and all its parents are visible (and the top one's window shown).
    bool Showing() const;
    // Enabled: true.
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);

    // Color: clWindow; setting a different colour clears ParentColor.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // ParentColor: true for most controls; Color follows the parent's while it is set.
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    // Font: owned; any change clears ParentFont and reaches children with ParentFont.
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value);
    // ParentFont: true; Font follows the parent's while it is set.
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    // Caption and Text are one string; a change calls TextChanged.
    String Caption() const { return FText; }
    void SetCaption(const String& value) { SetText(value); }
    String Text() const { return GetText(); }
    void SetText(const String& value);

    // Hint: empty; the part before '|' shows as tooltip while ShowHint is true.
    String Hint() const { return FHint; }
    void SetHint(const String& value);
    // ShowHint: false; setting it clears ParentShowHint.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    // ParentShowHint: true; ShowHint follows the parent's while it is set.
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);

    // HelpContext: 0; the help topic of the control. F1 shows the topic of the focused
    // control, or of the nearest parent that has one (Application->HelpContext).
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    // Shows the help topic of this control, else of the nearest parent that has one; false
    // when none has one.
    bool ShowHelp();

    // Cursor: crDefault; the cursor over the control.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    // PopupMenu: nullptr; shown on a right click when assigned.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value);
    // DragMode: dmManual. DragCursor: crDrag.
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode value) { FDragMode = value; }
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor value) { FDragCursor = value; }

    TControlStyle ControlStyle() const { return FControlStyle; }
    // csOpaque: the control paints every pixel, so its widget's background is not painted first.
    void SetControlStyle(TControlStyle value);
    void SetControlStyleItem(TControlStyleItem item, bool on);

    // Repaint at the next paint message.
    virtual void Invalidate();
    // Repaint r (client coordinates) at the next paint message, with the children over it.
    void InvalidateRect(const TRect& r);
    // Paint now, synchronously (what is invalid, or everything after Invalidate).
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // The control's window; nullptr while it has none (no parent window yet).
    QWidget* Widget() const;
    bool HandleAllocated() const { return !FWidget.isNull(); }
    // The form the control sits on (itself for a form), nullptr when it sits on none.
    TForm* ParentForm() const;

    // Simulated user actions: Click fires OnClick.
    virtual void Click();
    virtual void DblClick();

    // Keyboard accelerator: the '&' letter of the caption was pressed with Alt; true when the
    // control acted on it.
    virtual bool DoAccelerator(QChar ch);

    // Drag and drop. BeginDrag starts a drag from this control during a mouse press: at once,
    // or once the mouse has moved Threshold pixels (5 when negative), a release before that
    // being an ordinary click. DragMode dmAutomatic starts one at once on every left press,
    // which the control then does not see as a press. The source hears OnStartDrag first; the
    // control under the mouse hears OnDragOver (enter, move, leave; Accept starts true when it
    // has a handler); on release over a control that accepted, that control hears OnDragDrop;
    // the source hears OnEndDrag last, with a nullptr Target when nothing took the drop.
    // Escape cancels. Only one drag runs at a time.
    void BeginDrag(bool Immediate, int Threshold = -1);
    // Ends this control's drag: dropping where the mouse is, or cancelling.
    void EndDrag(bool Drop);
    bool Dragging() const;
    // The control owning widget or the nearest of its parents; nullptr when none does.
    static TControl* ControlOfWidget(QWidget* widget);
    // The control whose own window widget is; nullptr for any other widget.
    static TControl* ControlOfOwnWidget(const QObject* widget);

    bool HasParent() const override { return FParent != nullptr; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* value) override;
    void SetName(const String& value) override;
    void Loaded() override;

    // The published-table predicates shared by descendants that publish these properties.
    static bool IsColorStored(const TObject* o);
    static bool IsFontStored(const TObject* o);
    static bool IsShowHintStored(const TObject* o);

    // Accessibility: what a screen reader learns of the control (see Accessibility.h). The
    // framework asks these when it is asked, and after every repaint request compares name,
    // states, value and the focused and selected items with what it announced last, announcing
    // what changed. Defaults: a control painted by the framework is a graphic (a windowed one a
    // section), named by its caption without the accelerator; a native widget answers itself.
    virtual TAccRole AccRole() const;
    virtual String AccName() const;
    // Default: the short hint.
    virtual String AccDescription() const;
    // States beyond those the widget shows itself (focus, disabled, invisible).
    virtual TAccStates AccStates() const { return {}; }
    // A value and its range; false when the control has none.
    virtual bool AccValue(TAccValue&) const { return false; }
    virtual void AccSetValue(double) {}
    virtual TAccActions AccActions() const { return {}; }
    virtual void AccDoAction(TAccActionItem) {}
    // Items drawn by the control itself, in reading order.
    virtual int AccItemCount() const { return 0; }
    virtual TAccItem AccItem(int) const { return {}; }
    // The item's default action (choose the date, show the page).
    virtual void AccItemAction(int) {}
    // Items as a table (see TAccTable); false when they are not one.
    virtual bool AccTableShape(TAccTable&) const { return false; }
    // Announces a change now rather than after the next repaint request.
    void AccChanged();

    // Events; each fires only when assigned.
    TNotifyEvent OnClick;        // a click (mouse release on the control, or the button's)
    TNotifyEvent OnDblClick;     // a double click
    TMouseEvent OnMouseDown;     // a button pressed over the control
    TMouseMoveEvent OnMouseMove; // the mouse moved over (or captured by) the control
    TMouseEvent OnMouseUp;       // a button released
    TNotifyEvent OnResize;       // after the size changed
    TDragDropEvent OnDragDrop;
    TDragOverEvent OnDragOver;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;

    // Entry from Qt: every event of the control's widget passes here first. Returns true when
    // the event is consumed. Overrides handle raw events and call the inherited one.
    virtual bool WidgetEvent(QEvent* event);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Size hook: may change the proposed size (snapping, locks) or refuse it (false).
    virtual bool CanResize(int& NewWidth, int& NewHeight);
    virtual void Resize();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    // Drag and drop notifications (see BeginDrag); each fires its event.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(TObject* Source, int X, int Y);
    virtual void DoStartDrag(TObject*& DragObject);
    virtual void DoEndDrag(TObject* Target, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void KeyDown(uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(uint16_t& Key, TShiftState Shift);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // Change notifications (the classic CM_ messages).
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged();
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    virtual void ShowHintChanged();
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();
    virtual void ParentShowHintChanged();
    virtual String GetText() const { return FText; }

    // Paints the control into its widget; the widget's paint event calls it. True when it
    // painted (the widget's own painting is then skipped). Default: nothing.
    virtual bool PaintWidget(QWidget* widget, QEvent* event);
    // Offset of the client area inside the control's own widget (a non-client border).
    virtual TPoint WidgetClientOffset() const { return TPoint{}; }
    // A size worked out only when first needed (text on a page not shown yet need not be laid
    // out at start): the control marks it pending, and the next read of its bounds, or the
    // making of its window, settles it through SettlePendingSize first.
    void SetSizePending() { FSizePending = true; }
    // The bounds as they stand, a pending size left pending (for SetBounds overrides).
    TRect BoundsAsSet() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    virtual void SettlePendingSize() {}
    void SettleSize() const {
        if (FSizePending) const_cast<TControl*>(this)->SettleSizeNow();
    }
    // Stores the text without TextChanged (a native widget reported the user's edit).
    void StoreText(const String& value) { FText = value; }

    // Window management. CreateWidget makes the widget (a plain QWidget for a graphic
    // control); CreateWnd makes and sets it up, then pushes the control's state to it.
    virtual QWidget* CreateWidget(QWidget* parentWidget);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Pushes the state kept in fields into the widget (after creation and on changes).
    virtual void UpdateWidgetGeometry();
    virtual void UpdateWidgetFont();
    virtual void UpdateWidgetColor();
    // The parent widget a child's widget lives in, and the offset of its client area there.
    QWidget* ParentWidget() const;
    // Whether the widget is the plain one of TControl/TWinControl (painted by the control).
    bool PlainWidget() const { return FPlainWidget; }
    // For a control painting its plain widget whole (csOpaque) with contents anchored at its
    // top left: a resize repaints only what it exposes plus StaticEdgeBands, and a move copies
    // the pixels, children included (SetWidgetStaticContents).
    void SetStaticContents(bool value);
    // The width of the band along the right edge (X) and the height of the one along the
    // bottom (Y) whose drawing follows the size, such as a border: none.
    virtual TPoint StaticEdgeBands() const { return {}; }
    // Text (caption or hint) of the widget's tooltip.
    void UpdateToolTip();
    void RequestAlign();
    // Guards the flag while a parent's value is copied in, so ParentFont stays set.
    void TakeParentFont();
    void TakeParentColor();
    bool Loading() const { return ComponentState().Contains(csLoading); }
    bool Destroying() const { return ComponentState().Contains(csDestroying); }
    // The control with the mouse pressed on it (for click detection).
    bool FClicked = false;

    TControlStyle FControlStyle;
    int FHelpContext = 0;

private:
    friend class TWinControl;
    friend class TForm;
    friend class TControlWidgetLink;
    friend class TDragSession;
    friend class TControlAccessible;
    friend class TControlItemAccessible;
    // Compares what a reader would hear now with the last announcement, and announces changes.
    void AccCheck();
    void AccSchedule();
    // Installs the framework's accessibility and drops what Qt made for the widget before it
    // was the control's.
    static void AccWidgetCreated(QWidget* widget);
    TAccSnapshot FAcc;
    void FontObjectChanged();
    bool DispatchMouse(QEvent* event);
    // Mouse input of a drag's source; true when the drag consumed it.
    bool DragMouse(QMouseEvent* event);
    void AbandonDrag();
    void ApplyCursor();
    void SettleSizeNow();

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FSizePending = false;
    TAlign FAlign = alNone;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FTakingParentFont = false;
    String FText;
    String FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TPopupMenu* FPopupMenu = nullptr;
    TDragMode FDragMode = dmManual;
    TCursor FDragCursor = crDrag;
    QPointer<QWidget> FWidget;
    TControlWidgetLink* FLink = nullptr;
    bool FPlainWidget = false;
    bool FStaticContents = false;
    void ApplyStaticContents();
    // Set while the control moves its own widget, so the widget's move/resize echo is ignored.
    bool FSettingGeometry = false;
};
