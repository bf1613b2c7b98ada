#include "components/std/VQPane.h"

#include "components/std/VQSplitter.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"

VQ_PUBLISH(TVQPane) {
    P.Inherit();
    // The splitter places its panes; their bounds are never stored.
    P.Property("Left", &TVQPane::Left, &TVQPane::SetLeft).Stored(false);
    P.Property("Top", &TVQPane::Top, &TVQPane::SetTop).Stored(false);
    P.Property("Width", &TVQPane::Width, &TVQPane::SetWidth).Stored(false);
    P.Property("Height", &TVQPane::Height, &TVQPane::SetHeight).Stored(false);
    P.Property("Border", &TVQPane::Border, &TVQPane::SetBorder).Default(vqbsLowered).Info().Enum =
        VQPaneBorderStyleInfo();
    P.Property("Color", &TVQPane::Color, &TVQPane::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Index", &TVQPane::Index, &TVQPane::SetIndex);
    P.Property("MinSize", &TVQPane::MinSize, &TVQPane::SetMinSize).Default(0);
    P.Property("ParentColor", &TVQPane::ParentColor, &TVQPane::SetParentColor).Default(true);
}

TVQPane::TVQPane(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    // The pane fills its whole window itself, so nothing behind it is painted first; what it
    // and its children show is anchored at its top left, so a bar's move repaints only what it
    // exposes and the border it moved.
    FControlStyle.Include(csOpaque);
    SetStaticContents(true);
    FControlStyle.Exclude(csSetCaption);
}

TVQPane::~TVQPane() = default;

TVQSplitter* TVQPane::Splitter() const {
    return dynamic_cast<TVQSplitter*>(Parent());
}

void TVQPane::SetBorder(TVQPaneBorderStyle value) {
    if (FBorder == value) return;
    FBorder = value;
    Realign();
    Invalidate();
}

TRect TVQPane::BorderReduction() const {
    switch (FBorder) {
    case vqbsSingle:
    case vqbsStatus:
        return Rect(1, 1, 1, 1);
    case vqbsRaised:
    case vqbsLowered:
    case vqbsGroup:
        return Rect(2, 2, 2, 2);
    case vqbsHorizLine:
    case vqbsVertLine: {
        // The line lies on the side facing the bar, whatever the style's name says, and the
        // children keep clear of it on either pane.
        const TVQSplitter* s = Splitter();
        const bool vertical = !s || s->Orientation() == vqoVertical;
        const bool second = s && s->Pane2() == this;
        if (vertical) return second ? Rect(1, 0, 0, 0) : Rect(0, 0, 1, 0);
        return second ? Rect(0, 1, 0, 0) : Rect(0, 0, 0, 1);
    }
    default:
        return TRect{};
    }
}

TPoint TVQPane::StaticEdgeBands() const {
    const TRect in = BorderReduction();
    return {in.Right, in.Bottom};
}

void TVQPane::AdjustClientRect(TRect& Rect) const {
    const TRect in = BorderReduction();
    Rect.Left += in.Left;
    Rect.Top += in.Top;
    Rect.Right -= in.Right;
    Rect.Bottom -= in.Bottom;
}

void TVQPane::Paint() {
    TRect r = ClientRect();
    TCanvas* c = Canvas();
    c->FillRectColor(r, Color());
    switch (FBorder) {
    case vqbsNone:
        break;
    case vqbsSingle:
        c->Brush()->SetColor(clWindowFrame);
        c->FrameRect(r);
        break;
    case vqbsRaised:
        DrawEdge(c, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        break;
    case vqbsLowered:
        DrawEdge(c, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        break;
    case vqbsStatus:
        DrawEdge(c, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        break;
    case vqbsGroup:
        DrawEdge(c, r, EDGE_ETCHED, BF_RECT | BF_ADJUST);
        break;
    case vqbsHorizLine:
    case vqbsVertLine: {
        const TVQSplitter* s = Splitter();
        const bool vertical = !s || s->Orientation() == vqoVertical;
        const bool second = s && s->Pane2() == this;
        const unsigned side =
            vertical ? (second ? BF_LEFT : BF_RIGHT) : (second ? BF_TOP : BF_BOTTOM);
        DrawEdge(c, r, BDR_SUNKENOUTER, side | BF_ADJUST);
        break;
    }
    default:
        break;
    }
}

void TVQPane::MouseEnter() {
    TCustomControl::MouseEnter();
    if (TVQSplitter* s = Splitter()) s->PaneEntered();
}

void TVQPane::Loaded() {
    TCustomControl::Loaded();
    if (TVQSplitter* s = Splitter()) s->PaneLoaded(this);
}
