#pragma once
// TVQBitmapButton: a push button drawn entirely from up to four bitmaps, one per state
// (normal, focused, pressed, disabled). The normal bitmap fixes the button's size and shape:
// its bottom-left pixel's colour is see-through, for drawing (the parent shows) and for the
// mouse (a click there goes to whatever lies behind). Click, Default/Cancel roles, keyboard
// activation and ModalResult are the push button's; the caption is kept but never drawn.
// The window takes the normal bitmap's shape, so the other pictures show only within it.

#include "components/gfx/VQTypes.h"
#include "framework/stdctrls/Button.h"

#include <memory>

class TBitmap;

class TVQBitmapButton : public TButton {
    VQ_CLASS(TVQBitmapButton, TButton)
public:
    explicit TVQBitmapButton(TComponent* AOwner);
    ~TVQBitmapButton() override;

    // The four bitmaps always exist (empty: the state has no picture of its own). A write
    // copies the picture (nullptr empties it); so does loading a description.
    TBitmap* BitmapDisabled() const { return FBitmapDisabled.get(); }
    void SetBitmapDisabled(TBitmap* value);
    // Shown with the focus or the default look; a change repaints the parent as well.
    TBitmap* BitmapFocused() const { return FBitmapFocused.get(); }
    void SetBitmapFocused(TBitmap* value);
    // Shown otherwise. While not empty, the button has exactly its size and takes the mouse
    // only on its pixels that differ from its bottom-left one.
    TBitmap* BitmapNormal() const { return FBitmapNormal.get(); }
    void SetBitmapNormal(TBitmap* value);
    TBitmap* BitmapPressed() const { return FBitmapPressed.get(); }
    void SetBitmapPressed(TBitmap* value);

    // The bitmap drawn in State, first match: disabled (odDisabled), pressed (odSelected),
    // focused or default look (odFocused, odDefault), each only when its bitmap is not empty;
    // else the normal one.
    TBitmap* StateBitmap(TOwnerDrawState State) const;

protected:
    bool CanResize(int& NewWidth, int& NewHeight) override;
    void CreateWnd() override;
    void DrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state) override;

private:
    void NormalChanged();

    TVQAboutType FAbout = 0; // About: design-time only, never stored
    std::unique_ptr<TBitmap> FBitmapDisabled;
    std::unique_ptr<TBitmap> FBitmapFocused;
    std::unique_ptr<TBitmap> FBitmapNormal;
    std::unique_ptr<TBitmap> FBitmapPressed;
};
