#include "components/gfx/VQBorder.h"

#include "framework/controls/PopupMenu.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"

VQ_PUBLISH(TVQBorder) {
    P.Inherit();
    P.Property("Width", &TVQBorder::Width, &TVQBorder::SetWidth).Default(50);
    P.Property("Height", &TVQBorder::Height, &TVQBorder::SetHeight).Default(50);
    P.Property("Align", &TVQBorder::Align, &TVQBorder::SetAlign).Default(alNone);
    P.Property("Alignment", &TVQBorder::Alignment, &TVQBorder::SetAlignment).Default(taLeftJustify);
    P.Property("Caption", &TVQBorder::Caption, &TVQBorder::SetCaption);
    P.Property("Color", &TVQBorder::Color, &TVQBorder::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("ParentColor", &TVQBorder::ParentColor, &TVQBorder::SetParentColor).Default(true);
    P.Property("BorderStyle", &TVQBorder::BorderStyle, &TVQBorder::SetBorderStyle)
        .Default(vqbsLowered);
    P.Property("DragCursor", &TVQBorder::DragCursor, &TVQBorder::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &TVQBorder::DragMode, &TVQBorder::SetDragMode).Default(dmManual);
    P.Property("Font", &TVQBorder::Font, &TVQBorder::SetFont)
        .Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("ParentFont", &TVQBorder::ParentFont, &TVQBorder::SetParentFont).Default(true);
    P.Property("ParentShowHint", &TVQBorder::ParentShowHint, &TVQBorder::SetParentShowHint)
        .Default(true);
    P.Property("PopupMenu", &TVQBorder::PopupMenu, &TVQBorder::SetPopupMenu);
    P.Property("ShowHint", &TVQBorder::ShowHint, &TVQBorder::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("Visible", &TVQBorder::Visible, &TVQBorder::SetVisible).Default(true);
    P.Event("OnClick", &TVQBorder::OnClick, "TNotifyEvent");
    P.Event("OnDblClick", &TVQBorder::OnDblClick, "TNotifyEvent");
    P.Event("OnDragDrop", &TVQBorder::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &TVQBorder::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &TVQBorder::OnEndDrag, "TEndDragEvent");
    P.Event("OnStartDrag", &TVQBorder::OnStartDrag, "TStartDragEvent");
}

TVQBorder::TVQBorder(TComponent* AOwner) : TVQGraphicControl(AOwner) {
    FControlStyle.Exclude(csSetCaption);
    SetBounds(Left(), Top(), 50, 50);
    SetBuffered(false);
}

void TVQBorder::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TVQBorder::FontChanged() {
    TVQGraphicControl::FontChanged();
    Invalidate();
}

void TVQBorder::TextChanged() {
    TVQGraphicControl::TextChanged();
    Invalidate();
}

void TVQBorder::PaintBorder(const TRect& R) {
    TCanvas* canvas = Canvas();
    const String caption = Caption();
    if (BorderStyle() == vqbsGroup && !caption.isEmpty()) {
        canvas->SetFont(Font());
        const int h = canvas->TextHeight(QStringLiteral("0"));
        // The frame line runs through the middle of the caption's line.
        TVQGraphicControl::PaintBorder(TRect{R.Left, R.Top + h / 2 - 1, R.Right, R.Bottom});
        canvas->Brush()->SetColor(Color());
        const int x = R.Left + 8;
        const TRect box{x, R.Top, x + canvas->TextWidth(caption), R.Top + h};
        canvas->TextRect(box, x, R.Top, caption);
        return;
    }
    TVQGraphicControl::PaintBorder(R);
    if (caption.isEmpty()) return;
    canvas->SetFont(Font());
    canvas->Brush()->SetColor(Color());
    const int m = canvas->TextWidth(QStringLiteral("M"));
    TRect box{R.Left + m / 2, R.Top + 1, R.Right - 5, R.Bottom - 1};
    static const unsigned kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    DrawText(canvas, caption, box,
             kAlign[FAlignment <= taCenter ? FAlignment : taLeftJustify] | DT_VCENTER |
                 DT_SINGLELINE | DT_NOPREFIX);
}
