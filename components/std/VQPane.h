#pragma once
// TVQPane: one of a splitter's two panes, a container with a border. Its bounds are the
// splitter's to set (published, never stored); children aligned to fill it fill the area
// inside its border.

#include "components/gfx/VQTypes.h"
#include "framework/controls/CustomControl.h"

class TVQSplitter;

class TVQPane : public TCustomControl {
    VQ_CLASS(TVQPane, TCustomControl)
public:
    explicit TVQPane(TComponent* AOwner);
    ~TVQPane() override;

    // Border: vqbsLowered; a change re-aligns the children and repaints.
    TVQPaneBorderStyle Border() const { return FBorder; }
    void SetBorder(TVQPaneBorderStyle value);
    // Index: 0 for a free pane; 1 or 2 says which of its splitter's panes a loaded one replaces.
    int Index() const { return FIndex; }
    void SetIndex(int value) { FIndex = value; }
    // MinSize: 0; the least width (vertical bar) or height the splitter leaves the pane.
    int MinSize() const { return FMinSize; }
    void SetMinSize(int value) { FMinSize = value; }

    // The splitter the pane sits in, nullptr when its parent is something else.
    TVQSplitter* Splitter() const;
    // What the border takes from the children's rectangle on each side (left, top, right,
    // bottom).
    TRect BorderReduction() const;

    void Loaded() override;

protected:
    void AdjustClientRect(TRect& Rect) const override;
    // The border on the right and bottom edges moves with them.
    TPoint StaticEdgeBands() const override;
    void MouseEnter() override;
    void Paint() override;

private:
    TVQPaneBorderStyle FBorder = vqbsLowered;
    int FIndex = 0;
    int FMinSize = 0;
};
