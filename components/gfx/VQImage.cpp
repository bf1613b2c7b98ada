#include "components/gfx/VQImage.h"

#include "components/gfx/VQDrawing.h"
#include "framework/controls/Form.h"
#include "framework/controls/PopupMenu.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/WinGdi.h"

VQ_PUBLISH(TVQImage) {
    P.Inherit();
    P.Property("Width", &TVQImage::Width, &TVQImage::SetWidth).Default(105);
    P.Property("Height", &TVQImage::Height, &TVQImage::SetHeight).Default(105);
    P.Property("Align", &TVQImage::Align, &TVQImage::SetAlign).Default(alNone);
    P.Property("AutoColor", &TVQImage::AutoColor, &TVQImage::SetAutoColor).Default(false);
    P.Property("BorderStyle", &TVQImage::BorderStyle, &TVQImage::SetBorderStyle).Default(vqbsNone);
    P.Property("Color", &TVQImage::Color, &TVQImage::SetColor)
        .Default(clNone)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("DragCursor", &TVQImage::DragCursor, &TVQImage::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &TVQImage::DragMode, &TVQImage::SetDragMode).Default(dmManual);
    P.Property("Enabled", &TVQImage::Enabled, &TVQImage::SetEnabled).Default(true);
    P.Property("PictureControl", &TVQImage::PictureControl, &TVQImage::SetPictureControl);
    P.Property("ParentShowHint", &TVQImage::ParentShowHint, &TVQImage::SetParentShowHint)
        .Default(true);
    P.Property("ParentColor", &TVQImage::ParentColor, &TVQImage::SetParentColor).Default(true);
    P.Property("Picture", &TVQImage::Picture, &TVQImage::SetPicture)
        .Stored(TStoredFn(
            [](const TObject* o) { return !static_cast<const TVQImage*>(o)->PictureControl(); }));
    P.Property("PopupMenu", &TVQImage::PopupMenu, &TVQImage::SetPopupMenu);
    P.Property("ShowHint", &TVQImage::ShowHint, &TVQImage::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("Style", &TVQImage::Style, &TVQImage::SetStyle).Default(vqisAutoSize);
    P.Property("Transparent", &TVQImage::Transparent, &TVQImage::SetTransparent).Default(false);
    P.Property("Visible", &TVQImage::Visible, &TVQImage::SetVisible).Default(true);
    P.Event("OnClick", &TVQImage::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &TVQImage::OnDblClick, "TNotifyEvent");
    P.Event("OnDragDrop", &TVQImage::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &TVQImage::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &TVQImage::OnEndDrag, "TEndDragEvent");
    P.Event("OnMouseDown", &TVQImage::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &TVQImage::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &TVQImage::OnMouseUp, "TMouseEvent");
    P.Event("OnPaint", &TVQImage::OnPaint, "TNotifyEvent");
    P.Event("OnStartDrag", &TVQImage::OnStartDrag, "TStartDragEvent");
}

TVQImage::TVQImage(TComponent* AOwner)
    : TVQGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
    SetColor(clNone);
    SetBounds(Left(), Top(), 105, 105);
    SetBorderStyle(vqbsNone);
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetBuffered(false);
}

TVQImage::~TVQImage() {
    FPicture->OnChange = nullptr;
}

// Properties ------------------------------------------------------------------------------------

void TVQImage::SetAutoColor(bool value) {
    if (FAutoColor == value) return;
    FAutoColor = value;
    if (value) PictureChanged();
}

void TVQImage::SetPicture(TPicture* value) {
    FPicture->Assign(value);
}

void TVQImage::SetStyle(TVQImageStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    PictureChanged();
}

void TVQImage::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    Invalidate();
}

void TVQImage::SetPictureControl(TGraphicControl* value) {
    if (value == FPictureControl || value == this) return;
    if (!value) {
        FPictureControl->RemoveFreeNotification(this);
        FPictureControl = nullptr;
        return;
    }
    // Only an image that shows its own picture can be a source, so links never chain.
    auto* source = dynamic_cast<TVQImage*>(value);
    if (!source || source->FPictureControl) return;
    FPicture->Assign(source->Picture());
    if (FPictureControl) FPictureControl->RemoveFreeNotification(this);
    FPictureControl = value;
    value->FreeNotification(this);
}

void TVQImage::Notification(TComponent* AComponent, TOperation Operation) {
    TVQGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPictureControl) FPictureControl = nullptr;
}

void TVQImage::BorderChanged() {
    PictureChanged();
}

void TVQImage::ColorChanged() {
    // A colour set by hand ends the automatic colour; one read from a description does not.
    if (FAutoColor && !Loading()) FAutoColor = false;
    TVQGraphicControl::ColorChanged();
}

void TVQImage::PictureChanged() {
    if (!Loading()) {
        if (FStyle == vqisAutoSize || FStyle == vqisAspectStretch)
            SetBounds(Left(), Top(), Width(), Height());
        if (TForm* form = ParentForm()) {
            // Only the form's direct children are followed; images in containers are not.
            for (int i = 0; i < form->ControlCount(); ++i) {
                auto* image = dynamic_cast<TVQImage*>(form->Controls(i));
                if (image && image->FPictureControl == this) image->SetPicture(FPicture.get());
            }
        }
    }
    if (FAutoColor) {
        if (auto* bitmap = dynamic_cast<TBitmap*>(FPicture->Graphic());
            bitmap && !bitmap->Empty()) {
            SetColor(bitmap->TransparentColor());
            FAutoColor = true;
        }
    }
    Invalidate();
}

void TVQImage::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const int gw = FPicture->Width();
    const int gh = FPicture->Height();
    if (!Loading() && FPicture->Graphic() && gw > 0 && gh > 0) {
        const TRect inner = GetInnerRect();
        const int hAllowance = Width() - inner.Width();
        const int vAllowance = Height() - inner.Height();
        if (FStyle == vqisAutoSize) {
            AWidth = gw + hAllowance;
            AHeight = gh + vAllowance;
        } else if (FStyle == vqisAspectStretch) {
            const int scale = ((AHeight - vAllowance) * 100) / gh;
            AWidth = (scale * gw) / 100 + hAllowance;
        }
    }
    TVQGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

// Painting --------------------------------------------------------------------------------------

void TVQImage::Paint() {
    TCanvas* canvas = Canvas();
    PaintDesignOutline();

    if (const TGraphic* graphic = FPicture->Graphic(); graphic && !graphic->Empty()) {
        const TRect inner = GetInnerRect();
        const int gw = graphic->Width();
        const int gh = graphic->Height();
        if (FStyle == vqisTile) {
            PaintTiles(inner);
        } else {
            TRect dest = inner;
            if (FStyle == vqisTopLeft) {
                dest = Bounds(inner.Left, inner.Top, gw, gh);
            } else if (FStyle == vqisCenter) {
                // A picture larger than the inner rectangle gets negative offsets and is cut
                // equally on both sides.
                dest = Bounds(inner.Left + (inner.Width() - gw) / 2,
                              inner.Top + (inner.Height() - gh) / 2, gw, gh);
            }
            auto* bitmap = dynamic_cast<TBitmap*>(FPicture->Graphic());
            if (FTransparent && bitmap)
                DrawTransparentBitmap(canvas, dest, bitmap, bitmap->TransparentColor());
            else
                canvas->StretchDraw(dest, graphic);
        }
    }

    Fire(OnPaint, this);
}

void TVQImage::PaintTiles(const TRect& inner) {
    TGraphic* graphic = FPicture->Graphic();
    const int gw = graphic->Width();
    const int gh = graphic->Height();
    // A graphic without area would never advance the tiling.
    if (gw <= 0 || gh <= 0) return;
    TCanvas* canvas = Canvas();
    auto* bitmap = dynamic_cast<TBitmap*>(graphic);
    const bool transparent = FTransparent && bitmap;
    const bool seeThrough = Color() == clNone;

    // One scratch tile for all tiles: the background under the tile, then the bitmap over it.
    TBitmap scratch(gw, gh);
    if (transparent && !seeThrough) scratch.Canvas()->FillRectColor(Rect(0, 0, gw, gh), Color());
    const TColor key = bitmap ? bitmap->TransparentColor() : clNone;

    int j = 0;
    do {
        int i = 0;
        do {
            const int x = inner.Left + i * gw;
            const int y = inner.Top + j * gh;
            if (transparent) {
                if (seeThrough) BitBlt(scratch.Canvas(), 0, 0, gw, gh, canvas, x, y, SRCCOPY);
                DrawTransparentBitmap(scratch.Canvas(), Rect(0, 0, gw, gh), bitmap, key);
                canvas->Draw(x, y, &scratch);
            } else {
                canvas->Draw(x, y, graphic);
            }
            ++i;
        } while (i * gw < inner.Width());
        ++j;
    } while (j * gh < inner.Height());
}
