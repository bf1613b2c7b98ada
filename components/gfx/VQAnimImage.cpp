#include "components/gfx/VQAnimImage.h"

#include "framework/controls/PopupMenu.h"
#include "framework/controls/Timer.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/ChangeLink.h"
#include "framework/graphics/ImageList.h"
#include "framework/system/Exceptions.h"

#include <algorithm>

const TEnumInfo* VQAnimImageStyleInfo() {
    static const TEnumInfo info("TVQAnimImageStyle", EnumInfo<TVQImageStyle>(), vqisTopLeft,
                                vqisAutoSize);
    return &info;
}

VQ_PUBLISH(TVQAnimImage) {
    P.Inherit();
    P.Property("Width", &TVQAnimImage::Width, &TVQAnimImage::SetWidth).Default(32);
    P.Property("Height", &TVQAnimImage::Height, &TVQAnimImage::SetHeight).Default(32);
    P.Property("Align", &TVQAnimImage::Align, &TVQAnimImage::SetAlign).Default(alNone);
    P.Property("Animate", &TVQAnimImage::Animate, &TVQAnimImage::SetAnimate).Default(false);
    P.Property("BorderSpace", &TVQAnimImage::BorderSpace, &TVQAnimImage::SetBorderSpace);
    P.Property("BorderStyle", &TVQAnimImage::BorderStyle, &TVQAnimImage::SetBorderStyle)
        .Default(vqbsNone);
    P.Property("Color", &TVQAnimImage::Color, &TVQAnimImage::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("DragCursor", &TVQAnimImage::DragCursor, &TVQAnimImage::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &TVQAnimImage::DragMode, &TVQAnimImage::SetDragMode).Default(dmManual);
    P.Property("Enabled", &TVQAnimImage::Enabled, &TVQAnimImage::SetEnabled).Default(true);
    P.Property("ImageList", &TVQAnimImage::ImageList, &TVQAnimImage::SetImageList);
    P.Property("Index", &TVQAnimImage::Index, &TVQAnimImage::SetIndex).Default(0);
    P.Property("ParentShowHint", &TVQAnimImage::ParentShowHint, &TVQAnimImage::SetParentShowHint)
        .Default(true);
    P.Property("ParentColor", &TVQAnimImage::ParentColor, &TVQAnimImage::SetParentColor)
        .Default(true);
    // The default is the constructed value, so a description without Period reads back as
    // the control it was written from.
    P.Property("Period", &TVQAnimImage::Period, &TVQAnimImage::SetPeriod).Default(100);
    P.Property("PopupMenu", &TVQAnimImage::PopupMenu, &TVQAnimImage::SetPopupMenu);
    P.Property("ShowHint", &TVQAnimImage::ShowHint, &TVQAnimImage::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("Style", &TVQAnimImage::Style, &TVQAnimImage::SetStyle)
        .Default(vqisCenter)
        .Info()
        .Enum = VQAnimImageStyleInfo();
    P.Property("Visible", &TVQAnimImage::Visible, &TVQAnimImage::SetVisible).Default(true);
    P.Event("OnClick", &TVQAnimImage::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &TVQAnimImage::OnDblClick, "TNotifyEvent");
    P.Event("OnDragDrop", &TVQAnimImage::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &TVQAnimImage::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &TVQAnimImage::OnEndDrag, "TEndDragEvent");
    P.Event("OnMouseDown", &TVQAnimImage::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &TVQAnimImage::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &TVQAnimImage::OnMouseUp, "TMouseEvent");
    P.Event("OnStartDrag", &TVQAnimImage::OnStartDrag, "TStartDragEvent");
}

TVQAnimImage::TVQAnimImage(TComponent* AOwner)
    : TVQGraphicControl(AOwner), FChangeLink(std::make_unique<TChangeLink>()),
      FTimer(std::make_unique<TTimer>(nullptr)) {
    SetBounds(Left(), Top(), 32, 32);
    SetBorderStyle(vqbsNone);
    FChangeLink->OnChange = [this](TObject*) { ImageListChanged(); };
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](TObject*) { FrameStep(); };
}

TVQAnimImage::~TVQAnimImage() {
    FTimer->OnTimer = nullptr;
    FChangeLink->OnChange = nullptr;
    if (FImageList) FImageList->RemoveFreeNotification(this);
}

unsigned TVQAnimImage::TimerInterval() const {
    return FTimer->Interval();
}

bool TVQAnimImage::TimerEnabled() const {
    return FTimer->Enabled();
}

void TVQAnimImage::UpdateInterval() {
    // An empty list has no interval: the timer keeps the one it has. A period shorter than the
    // list still ticks, as fast as the timer allows, instead of stopping (interval 0).
    if (!FImageList || FImageList->Count() == 0) return;
    FTimer->SetInterval(unsigned(std::max(1, FPeriod / FImageList->Count())));
}

void TVQAnimImage::SetAnimate(bool value) {
    if (FAnimate == value) return;
    FAnimate = value;
    UpdateInterval();
    FTimer->SetEnabled(value);
}

void TVQAnimImage::SetPeriod(int value) {
    if (FPeriod == value) return;
    FPeriod = value;
    if (FAnimate) UpdateInterval();
}

void TVQAnimImage::SetImageList(TImageList* value) {
    if (FImageList == value) return;
    if (FImageList) {
        FImageList->UnRegisterChanges(FChangeLink.get());
        FImageList->RemoveFreeNotification(this);
    }
    FImageList = value;
    if (value) {
        value->RegisterChanges(FChangeLink.get());
        value->FreeNotification(this);
    }
    ImageListChanged();
}

void TVQAnimImage::SetIndex(int value) {
    if (FIndex == value) return;
    FIndex = FImageList ? std::max(0, std::min(FImageList->Count() - 1, value)) : value;
    Repaint();
}

void TVQAnimImage::SetStyle(TVQAnimImageStyle value) {
    if (!IsAnimImageStyle(value)) throw EPropertyError(QStringLiteral("Invalid property value"));
    if (FStyle == value) return;
    FStyle = value;
    ImageListChanged();
}

void TVQAnimImage::Notification(TComponent* AComponent, TOperation Operation) {
    TVQGraphicControl::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent != FImageList) return;
    // The list is going and is already half destroyed: forget it before anything else could
    // call into it (its destructor has let go of the link already).
    FImageList = nullptr;
    SetAnimate(false);
    ImageListChanged();
}

void TVQAnimImage::FrameStep() {
    if (!FImageList || FImageList->Count() == 0) return;
    ++FIndex;
    if (FIndex > FImageList->Count() - 1) FIndex = 0;
    if (Buffered())
        Repaint();
    else
        Invalidate();
}

void TVQAnimImage::ImageListChanged() {
    if (!Loading() && FStyle == vqisAutoSize) SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
}

void TVQAnimImage::BorderChanged() {
    ImageListChanged();
}

void TVQAnimImage::ColorChanged() {
    // Only a real background can be buffered; clNone must show what lies behind.
    SetBuffered(Color() != clNone);
    TVQGraphicControl::ColorChanged();
}

void TVQAnimImage::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!Loading() && FStyle == vqisAutoSize && FImageList) {
        const TRect inner = GetInnerRect();
        AWidth = FImageList->Width() + (Width() - inner.Width());
        AHeight = FImageList->Height() + (Height() - inner.Height());
    }
    TVQGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TVQAnimImage::Paint() {
    TCanvas* canvas = Canvas();
    PaintDesignOutline();
    if (!FImageList || FImageList->Count() == 0) return;
    const TRect inner = GetInnerRect();
    int x = inner.Left;
    int y = inner.Top;
    if (FStyle == vqisCenter) {
        x += (inner.Width() - FImageList->Width()) / 2;
        y += (inner.Height() - FImageList->Height()) / 2;
    }
    FImageList->Draw(canvas, x, y, FIndex);
}

TAccStates TVQAnimImage::AccStates() const {
    return FAnimate ? TAccStates{asAnimated} : TAccStates{};
}
