#pragma once
// TVQSplitter: divides its client area into two panes, side by side (vqoVertical bar) or one
// above the other, with a bar between them that the left mouse button drags. Position is the
// first pane's width (or height); every layout pass clamps it so both panes keep their
// MinSize, the first pane's winning when both cannot. With AutoUpdate the panes follow the
// mouse; otherwise an inverted checker line tracks it over the panes' contents and the panes
// move on release. A left press on the bar starts a drag; the release of any button ends it.
// The split cursor shows over the bar only, and while a drag is on.

#include "components/gfx/VQTypes.h"
#include "components/std/VQPane.h"
#include "framework/controls/ControlOverlay.h"
#include "framework/controls/MouseCapture.h"

class TVQSplitter : public TCustomControl {
    VQ_CLASS(TVQSplitter, TCustomControl)
public:
    explicit TVQSplitter(TComponent* AOwner);
    ~TVQSplitter() override;

    TVQPane* Pane1() const { return FPane1; }
    TVQPane* Pane2() const { return FPane2; }

    // AutoUpdate: false, always stored; true moves the panes live while dragging.
    bool AutoUpdate() const { return FAutoUpdate; }
    void SetAutoUpdate(bool value) { FAutoUpdate = value; }
    // BorderSpace: 0, always stored; a margin of the splitter's colour around both panes.
    uint32_t BorderSpace() const { return FBorderSpace; }
    void SetBorderSpace(uint32_t value);
    // Orientation: vqoVertical (a vertical bar between left and right panes).
    TVQOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TVQOrientation value);
    // Position: 100; pane 1's width or height. Any value is taken; the layout clamps it.
    int Position() const { return FPosition; }
    void SetPosition(int value);
    // SplitterSize: 3; the bar's thickness.
    int SplitterSize() const { return FSplitterSize; }
    void SetSplitterSize(int value);

    // The panes' properties (not stored: the panes store their own). The minimum sizes
    // re-lay out on every write.
    TVQPaneBorderStyle Pane1Border() const;
    void SetPane1Border(TVQPaneBorderStyle value);
    TVQPaneBorderStyle Pane2Border() const;
    void SetPane2Border(TVQPaneBorderStyle value);
    TColor Pane1Color() const;
    void SetPane1Color(TColor value);
    TColor Pane2Color() const;
    void SetPane2Color(TColor value);
    int Pane1MinSize() const;
    void SetPane1MinSize(int value);
    int Pane2MinSize() const;
    void SetPane2MinSize(int value);

    // The bar's rectangle in client coordinates, as the last layout pass left it.
    TRect BarRect() const { return FBarRect; }
    // Whether a drag of the bar is in progress.
    bool DraggingBar() const { return FDrag != TDrag::Idle; }
    // Where the tracking line is drawn during a drag without AutoUpdate.
    int TrackPosition() const { return FTrackPos; }

    // OnPaint fires after each paint of the splitter; OnResize (inherited) after every layout
    // pass.
    TNotifyEvent OnPaint;

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
    TComponent* GetChildOwner() const override { return const_cast<TVQSplitter*>(this); }
    // A loaded pane has finished reading: with Index 1 or 2 it replaces that pane.
    void PaneLoaded(TVQPane* pane);
    // The mouse came over a pane: the split cursor, shown on the splitter's window over the
    // bar, would otherwise show over the panes and their children too, which inherit it.
    void PaneEntered();

    // Focused, the arrow keys move the bar by a pixel and the Page keys by ten, clamped as a
    // drag is, with the layout pass and OnResize a drag's release brings.
    bool WantsKey(uint16_t key) const override;

protected:
    // A split pane whose value is Position, within the range the clamp allows.
    TAccRole AccRole() const override { return arSplitter; }
    bool AccValue(TAccValue& v) const override;
    void AccSetValue(double value) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void Resize() override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Idle; a live drag (AutoUpdate was on when it began: each move sets Position); a drag
    // with the tracking line (exactly one line is drawn, at FTrackPos). A press on the bar
    // starts a drag, a release or a lost capture ends it.
    enum class TDrag : uint8_t { Idle, Live, Tracking };

    // p clamped so that both panes keep their MinSize, pane 1's winning: the layout pass and
    // the drag's moves use it; the release leaves it to the layout.
    int ClampedPosition(int64_t p) const;
    // Draws the tracking line at p, or erases it when it is drawn there.
    void DrawTrackLine(int p);
    // The capture went (Escape, deactivation, hiding, a release elsewhere): the drag ends
    // without a release. A live drag leaves the panes where its last move put them; a drag
    // with the tracking line erases it and Position stays where the drag began.
    void CaptureLost();
    TCursor SplitCursor() const;
    void Relayout();

    TVQAboutType FAbout = 0;
    bool FAutoUpdate = false;
    uint32_t FBorderSpace = 0;
    TVQOrientation FOrientation = vqoVertical;
    int FPosition = 100;
    int FSplitterSize = 3;
    TRect FBarRect;
    TDrag FDrag = TDrag::Idle;
    int FDragOffset = 0;
    int FTrackPos = 0;
    TVQPane* FPane1 = nullptr;
    TVQPane* FPane2 = nullptr;
    TMouseCapture FCapture;
    TControlOverlay FOverlay;
};
