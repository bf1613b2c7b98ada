#include "components/std/VQSplitter.h"

#include "components/gfx/VQGfxUnit.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"
#include "framework/system/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

VQ_PUBLISH(TVQSplitter) {
    P.Inherit();
    // Stored whenever it differs from the size a new splitter has, so any size survives a
    // round trip through a description.
    P.Property("Width", &TVQSplitter::Width, &TVQSplitter::SetWidth).Default(300);
    P.Property("Height", &TVQSplitter::Height, &TVQSplitter::SetHeight).Default(200);
    P.Field("About", &TVQSplitter::FAbout).Stored(false);
    P.Property("Align", &TVQSplitter::Align, &TVQSplitter::SetAlign).Default(alNone);
    P.Property("AutoUpdate", &TVQSplitter::AutoUpdate, &TVQSplitter::SetAutoUpdate);
    P.Property("BorderSpace", &TVQSplitter::BorderSpace, &TVQSplitter::SetBorderSpace);
    P.Property("Enabled", &TVQSplitter::Enabled, &TVQSplitter::SetEnabled).Default(true);
    P.Property("Color", &TVQSplitter::Color, &TVQSplitter::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Orientation", &TVQSplitter::Orientation, &TVQSplitter::SetOrientation)
        .Default(vqoVertical);
    P.Property("Pane1Border", &TVQSplitter::Pane1Border, &TVQSplitter::SetPane1Border)
        .Stored(false)
        .Info()
        .Enum = VQPaneBorderStyleInfo();
    P.Property("Pane2Border", &TVQSplitter::Pane2Border, &TVQSplitter::SetPane2Border)
        .Stored(false)
        .Info()
        .Enum = VQPaneBorderStyleInfo();
    P.Property("Pane1Color", &TVQSplitter::Pane1Color, &TVQSplitter::SetPane1Color).Stored(false);
    P.Property("Pane2Color", &TVQSplitter::Pane2Color, &TVQSplitter::SetPane2Color).Stored(false);
    P.Property("Pane1MinSize", &TVQSplitter::Pane1MinSize, &TVQSplitter::SetPane1MinSize)
        .Stored(false);
    P.Property("Pane2MinSize", &TVQSplitter::Pane2MinSize, &TVQSplitter::SetPane2MinSize)
        .Stored(false);
    P.Property("ParentColor", &TVQSplitter::ParentColor, &TVQSplitter::SetParentColor)
        .Default(true);
    P.Property("ParentShowHint", &TVQSplitter::ParentShowHint, &TVQSplitter::SetParentShowHint)
        .Default(true);
    P.Property("Position", &TVQSplitter::Position, &TVQSplitter::SetPosition).Default(100);
    P.Property("ShowHint", &TVQSplitter::ShowHint, &TVQSplitter::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("SplitterSize", &TVQSplitter::SplitterSize, &TVQSplitter::SetSplitterSize)
        .Default(3);
    P.Property("Visible", &TVQSplitter::Visible, &TVQSplitter::SetVisible).Default(true);
    P.Event("OnPaint", &TVQSplitter::OnPaint, "TNotifyEvent");
    P.Event("OnResize", &TVQSplitter::OnResize, "TNotifyEvent");
}

namespace {

// The tracking line: the checker pattern inverting what lies beneath, so drawing it twice
// restores the pixels.
void PaintTrackLine(TCanvas* canvas, const TRect& r) {
    if (!CheckerPatternBitmap) return;
    canvas->Brush()->SetBitmap(CheckerPatternBitmap);
    PatBlt(canvas, r.Left, r.Top, r.Width(), r.Height(), PATXNORDEST);
    canvas->Brush()->SetBitmap(nullptr);
}

int Clamp64(int64_t v) {
    return int(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

} // namespace

TVQSplitter::TVQSplitter(TComponent* AOwner)
    : TCustomControl(AOwner), FOverlay(this, PaintTrackLine) {
    FControlStyle.Exclude(csSetCaption);
    // The splitter fills its window itself (the bar and margins show its colour), so the
    // controls behind it are not painted on every move of the bar.
    FControlStyle.Include(csOpaque);
    SetBounds(Left(), Top(), 300, 200);
    // The bar can be moved from the keyboard.
    SetTabStop(true);
    // Descriptions holding splitters must be able to create their panes by name.
    RegisterClassesOnce<TVQPane>();
    FCapture.OnLost = [this] { CaptureLost(); };
    for (int i = 1; i <= 2; ++i) {
        auto* pane = new TVQPane(this);
        pane->SetIndex(i);
        pane->SetParent(this);
        (i == 1 ? FPane1 : FPane2) = pane;
    }
}

TVQSplitter::~TVQSplitter() {
    FCapture.OnLost = nullptr;
}

void TVQSplitter::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
    if (FPane1) proc(FPane1);
    if (FPane2) proc(FPane2);
}

void TVQSplitter::PaneLoaded(TVQPane* pane) {
    TVQPane*& slot = pane->Index() == 1 ? FPane1 : FPane2;
    if ((pane->Index() != 1 && pane->Index() != 2) || slot == pane) return;
    TVQPane* old = slot;
    slot = pane;
    delete old;
    Relayout();
}

void TVQSplitter::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FPane1) FPane1 = nullptr;
    if (AComponent == FPane2) FPane2 = nullptr;
}

// Properties ----------------------------------------------------------------------------------

void TVQSplitter::Relayout() {
    // OnResize, fired by the layout pass, may free the splitter.
    const TLifeToken alive = LifeToken();
    Realign();
    if (alive) Invalidate();
}

void TVQSplitter::SetBorderSpace(uint32_t value) {
    if (FBorderSpace == value) return;
    FBorderSpace = value;
    Relayout();
}

void TVQSplitter::SetOrientation(TVQOrientation value) {
    if (FOrientation == value) return;
    FOrientation = value;
    Relayout();
    // The line styles draw on the side facing the bar, which has moved.
    for (TVQPane* pane : {FPane1, FPane2})
        if (pane) {
            pane->Realign();
            pane->Invalidate();
        }
}

void TVQSplitter::SetPosition(int value) {
    if (FPosition == value) return;
    FPosition = value;
    // Only the bar is repainted here, for its focus rectangle: the panes repaint what their
    // move exposes of themselves and of the splitter, and copy the rest of their pixels.
    const TLifeToken alive = LifeToken();
    Realign();
    if (alive) InvalidateRect(FBarRect);
}

void TVQSplitter::SetSplitterSize(int value) {
    if (FSplitterSize == value) return;
    FSplitterSize = value;
    Relayout();
}

TVQPaneBorderStyle TVQSplitter::Pane1Border() const {
    return FPane1 ? FPane1->Border() : vqbsNone;
}
void TVQSplitter::SetPane1Border(TVQPaneBorderStyle value) {
    if (FPane1) FPane1->SetBorder(value);
}
TVQPaneBorderStyle TVQSplitter::Pane2Border() const {
    return FPane2 ? FPane2->Border() : vqbsNone;
}
void TVQSplitter::SetPane2Border(TVQPaneBorderStyle value) {
    if (FPane2) FPane2->SetBorder(value);
}
TColor TVQSplitter::Pane1Color() const {
    return FPane1 ? FPane1->Color() : Color();
}
void TVQSplitter::SetPane1Color(TColor value) {
    if (FPane1) FPane1->SetColor(value);
}
TColor TVQSplitter::Pane2Color() const {
    return FPane2 ? FPane2->Color() : Color();
}
void TVQSplitter::SetPane2Color(TColor value) {
    if (FPane2) FPane2->SetColor(value);
}
int TVQSplitter::Pane1MinSize() const {
    return FPane1 ? FPane1->MinSize() : 0;
}
void TVQSplitter::SetPane1MinSize(int value) {
    if (FPane1) FPane1->SetMinSize(value);
    Relayout();
}
int TVQSplitter::Pane2MinSize() const {
    return FPane2 ? FPane2->MinSize() : 0;
}
void TVQSplitter::SetPane2MinSize(int value) {
    if (FPane2) FPane2->SetMinSize(value);
    Relayout();
}

// Layout --------------------------------------------------------------------------------------

int TVQSplitter::ClampedPosition(int64_t p) const {
    const int64_t extent = FOrientation == vqoVertical ? Width() : Height();
    const int64_t room = extent - 2 * int64_t(FBorderSpace) - FSplitterSize - Pane2MinSize();
    // Pane 1's minimum is applied last, so it wins when both cannot be met.
    return Clamp64(std::max<int64_t>(Pane1MinSize(), std::min(p, room)));
}

void TVQSplitter::AlignControls(TControl*, TRect&) {
    // The panes are placed here; the framework's alignment does not run. Sums are taken in
    // 64 bits: BorderSpace may be as large as 2^31 - 1.
    const bool vertical = FOrientation == vqoVertical;
    const int64_t bs = FBorderSpace;
    FPosition = ClampedPosition(FPosition);

    const TRect client = ClientRect();
    TRect area = Rect(Clamp64(client.Left + bs), Clamp64(client.Top + bs),
                      Clamp64(client.Right - bs), Clamp64(client.Bottom - bs));
    // A margin wider than the client leaves the panes nothing, not a negative size.
    area.Right = std::max(area.Left, area.Right);
    area.Bottom = std::max(area.Top, area.Bottom);
    TRect r1 = area;
    if (vertical)
        r1.Right = Clamp64(int64_t(r1.Left) + FPosition);
    else
        r1.Bottom = Clamp64(int64_t(r1.Top) + FPosition);
    TRect r2 = area;
    if (vertical)
        r2.Left = Clamp64(int64_t(r1.Right) + FSplitterSize);
    else
        r2.Top = Clamp64(int64_t(r1.Bottom) + FSplitterSize);

    FBarRect = r1;
    if (vertical) {
        FBarRect.Left = std::max(0, std::min(Clamp64(Width() - bs), r1.Right));
        FBarRect.Right = Clamp64(int64_t(FBarRect.Left) + FSplitterSize);
    } else {
        FBarRect.Top = std::max(0, std::min(Clamp64(Height() - bs), r1.Bottom));
        FBarRect.Bottom = Clamp64(int64_t(FBarRect.Top) + FSplitterSize);
    }
    const auto place = [](TVQPane* pane, const TRect& r) {
        if (pane) pane->SetBounds(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
    };
    const TLifeToken alive = LifeToken();
    place(FPane1, r1);
    if (!alive) return;
    place(FPane2, r2);
    if (!alive) return;
    Fire(OnResize, this);
}

void TVQSplitter::Resize() {
    // The layout pass fires OnResize itself, once per pass.
    Realign();
}

void TVQSplitter::Paint() {
    Canvas()->FillRectColor(ClientRect(), Color());
    if (Focused()) Canvas()->DrawFocusRect(FBarRect);
    Fire(OnPaint, this);
}

// Keyboard -------------------------------------------------------------------------------------

bool TVQSplitter::WantsKey(uint16_t key) const {
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        return true;
    default:
        return TCustomControl::WantsKey(key);
    }
}

void TVQSplitter::KeyDown(uint16_t& Key, TShiftState Shift) {
    const TLifeToken alive = LifeToken();
    TCustomControl::KeyDown(Key, Shift);
    if (!alive || FDrag != TDrag::Idle) return;
    int step = 0;
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
        step = -1;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        step = 1;
        break;
    case VK_PRIOR:
        step = -10;
        break;
    case VK_NEXT:
        step = 10;
        break;
    default:
        return;
    }
    Key = 0;
    SetPosition(ClampedPosition(int64_t(FPosition) + step));
}

void TVQSplitter::DoEnter() {
    TCustomControl::DoEnter();
    Invalidate();
}

void TVQSplitter::DoExit() {
    TCustomControl::DoExit();
    Invalidate();
}

bool TVQSplitter::AccValue(TAccValue& v) const {
    v.Value = FPosition;
    v.Min = Pane1MinSize();
    v.Max = std::max<double>(v.Min, ClampedPosition(INT32_MAX));
    v.Step = 1;
    return true;
}

void TVQSplitter::AccSetValue(double value) {
    SetPosition(ClampedPosition(int64_t(std::llround(value))));
}

// Dragging ------------------------------------------------------------------------------------

TCursor TVQSplitter::SplitCursor() const {
    return FOrientation == vqoVertical ? crHSplit : crVSplit;
}

void TVQSplitter::DrawTrackLine(int p) {
    const int bs = Clamp64(FBorderSpace);
    const TRect r = FOrientation == vqoVertical
                        ? Bounds(p + bs, FBarRect.Top, FSplitterSize, FBarRect.Height())
                        : Bounds(FBarRect.Left, p + bs, FBarRect.Width(), FSplitterSize);
    FOverlay.Toggle(r);
}

void TVQSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FDrag != TDrag::Idle) return;
    if (Button == mbLeft && PtInRect(FBarRect, Point(X, Y))) {
        FDrag = FAutoUpdate ? TDrag::Live : TDrag::Tracking;
        FDragOffset = (FOrientation == vqoVertical ? X : Y) - FPosition;
        ShowControlCursor(this, SplitCursor());
        FCapture.Start(this);
        if (FDrag == TDrag::Tracking) {
            DrawTrackLine(FPosition);
            FTrackPos = FPosition;
        }
        return;
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TVQSplitter::MouseMove(TShiftState Shift, int X, int Y) {
    const TLifeToken alive = LifeToken();
    TCustomControl::MouseMove(Shift, X, Y);
    if (!alive) return;
    // A lost capture has ended the drag before this move arrives (CaptureLost).
    if (FDrag == TDrag::Idle) {
        ShowControlCursor(this, PtInRect(FBarRect, Point(X, Y)) ? SplitCursor() : crDefault);
        return;
    }
    const int p = ClampedPosition(int64_t(FOrientation == vqoVertical ? X : Y) - FDragOffset);
    if (FDrag == TDrag::Live) {
        SetPosition(p);
    } else if (p != FTrackPos) {
        DrawTrackLine(FTrackPos);
        DrawTrackLine(p);
        FTrackPos = p;
    }
}

void TVQSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // Only a left press starts a drag, but any release ends it.
    if (const TDrag drag = std::exchange(FDrag, TDrag::Idle); drag != TDrag::Idle) {
        FCapture.Release();
        if (drag == TDrag::Tracking) {
            DrawTrackLine(FTrackPos);
            FOverlay.Clear(); // nothing may stay on screen, whatever was drawn
            const TLifeToken alive = LifeToken();
            // Not clamped here: the layout pass the setter starts clamps it.
            SetPosition((FOrientation == vqoVertical ? X : Y) - FDragOffset);
            if (!alive) return;
        }
        ShowControlCursor(this, PtInRect(FBarRect, Point(X, Y)) ? SplitCursor() : crDefault);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TVQSplitter::MouseLeave() {
    TCustomControl::MouseLeave();
    if (FDrag == TDrag::Idle) ShowControlCursor(this, crDefault);
}

void TVQSplitter::PaneEntered() {
    if (FDrag == TDrag::Idle) ShowControlCursor(this, crDefault);
}

void TVQSplitter::CaptureLost() {
    if (std::exchange(FDrag, TDrag::Idle) == TDrag::Idle) return;
    FOverlay.Clear();
    ShowControlCursor(this, crDefault);
}
