#pragma once
// TVQAnimImage: a windowless control showing one image of an image list; while Animate is on it
// steps through the list on a timer so that one full cycle takes Period milliseconds. The image
// is placed in the inner rectangle at its top-left corner or centred.
//
// With a real Color it paints through the base's off-screen bitmap (no flicker) and each frame
// repaints at once; with clNone it paints directly, see-through, and a frame change repaints
// later (invalidate).

#include "components/gfx/VQGraphicControl.h"
#include "components/gfx/VQImage.h"

#include <memory>

class TChangeLink;
class TImageList;
class TTimer;

// The vqisTopLeft..vqisAutoSize subrange of TVQImageStyle.
using TVQAnimImageStyle = TVQImageStyle;
constexpr bool IsAnimImageStyle(TVQImageStyle style) {
    return style <= vqisAutoSize;
}
// Name table of the subrange, so form descriptions reject the other placements by name.
const TEnumInfo* VQAnimImageStyleInfo();

class TVQAnimImage : public TVQGraphicControl {
    VQ_CLASS(TVQAnimImage, TVQGraphicControl)
public:
    explicit TVQAnimImage(TComponent* AOwner);
    ~TVQAnimImage() override;

    // Width, Height: 32. Color: clWindow, ParentColor: true.
    // BorderSpace: 0, always stored. BorderStyle: vqbsNone. Both re-apply the auto size.
    using TVQGraphicControl::BorderSpace;
    using TVQGraphicControl::BorderStyle;
    using TVQGraphicControl::Buffered;
    using TVQGraphicControl::SetBorderSpace;
    using TVQGraphicControl::SetBorderStyle;

    // Animate: false; true starts the timer (interval Period div the list's image count, when a
    // list is assigned and not empty), false stops it.
    bool Animate() const { return FAnimate; }
    void SetAnimate(bool value);
    // ImageList: nullptr; the frames. Its changes re-apply the auto size and invalidate. Index
    // and the timer interval are left as they are.
    TImageList* ImageList() const { return FImageList; }
    void SetImageList(TImageList* value);
    // Index: 0; the frame shown. With a list it is clamped to 0..Count - 1; without, stored as
    // given. A change repaints at once.
    int Index() const { return FIndex; }
    void SetIndex(int value);
    // Period: 100; milliseconds for a full cycle. A change while animating with a list resets
    // the interval.
    int Period() const { return FPeriod; }
    void SetPeriod(int value);
    // Style: vqisCenter; EPropertyError for a placement outside the subrange.
    TVQAnimImageStyle Style() const { return FStyle; }
    void SetStyle(TVQAnimImageStyle value);

    // The frame timer's interval in milliseconds (1000 until Animate or Period computes one).
    unsigned TimerInterval() const;
    // Whether the frame timer is enabled.
    bool TimerEnabled() const;

    // vqisAutoSize with a list (not while loading): the inner rectangle takes the list's image
    // size, whatever is requested.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    TAccRole AccRole() const override { return arAnimation; }
    TAccStates AccStates() const override;
    // One timer tick: the next frame, back to 0 after the last.
    virtual void FrameStep();
    virtual void ImageListChanged();
    void BorderChanged() override;
    void ColorChanged() override;
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void UpdateInterval();

    bool FAnimate = false;
    TImageList* FImageList = nullptr;
    int FIndex = 0;
    int FPeriod = 100;
    TVQAnimImageStyle FStyle = vqisCenter;
    std::unique_ptr<TChangeLink> FChangeLink;
    std::unique_ptr<TTimer> FTimer;
};
