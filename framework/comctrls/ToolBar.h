#pragma once
// TToolBar: a strip of TToolButton children laid out from the left in child order, each
// ButtonHeight high and at least ButtonWidth wide (wider when its caption needs it). Button
// images come from Images.

#include "framework/controls/WinControl.h"

class TImageList;
class TChangeLink;

class TToolBar : public TWinControl {
    VQ_CLASS(TToolBar, TWinControl)
public:
    explicit TToolBar(TComponent* AOwner);
    ~TToolBar() override;

    // ButtonWidth: 23; ButtonHeight: 22.
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int value);
    int ButtonHeight() const { return FButtonHeight; }
    void SetButtonHeight(int value);
    // Images: nullptr; the image list the buttons' ImageIndex refers to.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* value);
    // ShowCaptions: false; captions show also on buttons that have an image.
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool value);
    // Flat: false; buttons show their frame only under the mouse or when down.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);

    // Places the buttons again (after a caption, style or size change).
    void ArrangeButtons();

protected:
    TAccRole AccRole() const override { return arToolBar; }
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Resize() override;
    void FontChanged() override;
    void Loaded() override;

private:
    int FButtonWidth = 23;
    int FButtonHeight = 22;
    TImageList* FImages = nullptr;
    std::unique_ptr<TChangeLink> FImageLink;
    bool FShowCaptions = false;
    bool FFlat = false;
    bool FArranging = false;
};
