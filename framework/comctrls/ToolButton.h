#pragma once
// TToolButton: a button of a TToolBar. tbsCheck buttons stay down when clicked; grouped check
// buttons next to each other act as radio buttons (one down at a time; with AllowAllUp the
// down one can be clicked up). A separator is a gap.

#include "framework/controls/GraphicControl.h"

class TToolBar;

VQ_ENUM(TToolButtonStyle, uint8_t, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider)

class TToolButton : public TGraphicControl {
    VQ_CLASS(TToolButton, TGraphicControl)
public:
    explicit TToolButton(TComponent* AOwner);

    // The tool bar the button sits on; nullptr elsewhere.
    TToolBar* ToolBar() const;
    // AllowAllUp: false; a grouped button that is down can be clicked up.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    // Down: false; pressed in. Putting a grouped button down releases the others of its group.
    bool Down() const { return FDown; }
    void SetDown(bool value);
    // Grouped: false; a check button in a run of grouped neighbours.
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool value);
    // ImageIndex: -1 (none); the image of the tool bar's Images.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // Style: tbsButton.
    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle value);

    // The width the button needs on its tool bar.
    int NeededWidth() const;
    // Whether the button shows its caption (ShowCaptions, or no image to show).
    bool ShowsCaption() const;
    // The clicking behaviour of a mouse click: toggles a check button, then fires OnClick.
    void Click() override;

protected:
    TAccRole AccRole() const override { return arPushButton; }
    TAccStates AccStates() const override;
    TAccActions AccActions() const override { return {aaPress}; }
    void AccDoAction(TAccActionItem) override { Click(); }
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void TextChanged() override;

private:
    // The grouped check buttons adjacent to this one on the tool bar (itself included).
    std::vector<TToolButton*> Group() const;
    void Rearrange();

    bool FAllowAllUp = false;
    bool FDown = false;
    bool FGrouped = false;
    int FImageIndex = -1;
    TToolButtonStyle FStyle = tbsButton;
    bool FPressed = false;
    bool FHot = false;
};
