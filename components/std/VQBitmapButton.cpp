#include "components/std/VQBitmapButton.h"

#include "components/gfx/VQDrawing.h"
#include "framework/controls/HitMask.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/WinGdi.h"

VQ_PUBLISH(TVQBitmapButton) {
    P.Inherit();
    P.Field("About", &TVQBitmapButton::FAbout).Stored(false);
    P.Property("BitmapDisabled", &TVQBitmapButton::BitmapDisabled,
               &TVQBitmapButton::SetBitmapDisabled);
    P.Property("BitmapFocused", &TVQBitmapButton::BitmapFocused,
               &TVQBitmapButton::SetBitmapFocused);
    P.Property("BitmapNormal", &TVQBitmapButton::BitmapNormal, &TVQBitmapButton::SetBitmapNormal);
    P.Property("BitmapPressed", &TVQBitmapButton::BitmapPressed,
               &TVQBitmapButton::SetBitmapPressed);
    P.Property("Width", &TVQBitmapButton::Width, &TVQBitmapButton::SetWidth).Default(139);
}

TVQBitmapButton::TVQBitmapButton(TComponent* AOwner)
    : TButton(AOwner), FBitmapDisabled(std::make_unique<TBitmap>()),
      FBitmapFocused(std::make_unique<TBitmap>()), FBitmapNormal(std::make_unique<TBitmap>()),
      FBitmapPressed(std::make_unique<TBitmap>()) {
    SetOwnerDraw(true);
    SetWidth(139);
    // A description fills the bitmaps in place (BitmapNormal.Data), so their own change
    // notification does what a write does.
    FBitmapDisabled->OnChange = [this](TObject*) { Invalidate(); };
    FBitmapFocused->OnChange = [this](TObject*) {
        if (Parent()) Parent()->Invalidate();
        Invalidate();
    };
    FBitmapNormal->OnChange = [this](TObject*) { NormalChanged(); };
    FBitmapPressed->OnChange = [this](TObject*) { Invalidate(); };
}

TVQBitmapButton::~TVQBitmapButton() {
    for (TBitmap* b :
         {FBitmapDisabled.get(), FBitmapFocused.get(), FBitmapNormal.get(), FBitmapPressed.get()})
        b->OnChange = nullptr;
}

void TVQBitmapButton::SetBitmapDisabled(TBitmap* value) {
    FBitmapDisabled->Assign(value);
}

void TVQBitmapButton::SetBitmapFocused(TBitmap* value) {
    FBitmapFocused->Assign(value);
}

void TVQBitmapButton::SetBitmapNormal(TBitmap* value) {
    FBitmapNormal->Assign(value);
}

void TVQBitmapButton::SetBitmapPressed(TBitmap* value) {
    FBitmapPressed->Assign(value);
}

void TVQBitmapButton::NormalChanged() {
    // An emptied bitmap keeps the size it gave (a zero-sized button would be lost) and lifts
    // the lock; the shape goes with it.
    if (!FBitmapNormal->Empty())
        SetBounds(Left(), Top(), FBitmapNormal->Width(), FBitmapNormal->Height());
    SetControlHitMask(this, FBitmapNormal.get());
    Invalidate();
}

bool TVQBitmapButton::CanResize(int& NewWidth, int& NewHeight) {
    if (!TButton::CanResize(NewWidth, NewHeight)) return false;
    if (!FBitmapNormal->Empty()) {
        NewWidth = FBitmapNormal->Width();
        NewHeight = FBitmapNormal->Height();
    }
    Invalidate();
    return true;
}

void TVQBitmapButton::CreateWnd() {
    TButton::CreateWnd();
    SetControlHitMask(this, FBitmapNormal.get());
}

TBitmap* TVQBitmapButton::StateBitmap(TOwnerDrawState State) const {
    if (State.Contains(odDisabled) && !FBitmapDisabled->Empty()) return FBitmapDisabled.get();
    if (State.Contains(odSelected) && !FBitmapPressed->Empty()) return FBitmapPressed.get();
    if ((State.Contains(odDefault) || State.Contains(odFocused)) && !FBitmapFocused->Empty())
        return FBitmapFocused.get();
    return FBitmapNormal.get();
}

void TVQBitmapButton::DrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
    // Nothing but the bitmap: what is not drawn shows the parent (the widget fills no
    // background), and neither caption nor frame appear.
    TBitmap* bitmap = StateBitmap(state);
    DrawTransparentBitmap(canvas, rect, bitmap, bitmap->TransparentColor());
    // Without a focused bitmap the focus still shows, along the button's shape (a rectangle
    // would fall outside it).
    if (state.Contains(odFocused) && FBitmapFocused->Empty())
        DrawFocusOutline(canvas, rect, FBitmapNormal->Empty() ? bitmap : FBitmapNormal.get());
}
