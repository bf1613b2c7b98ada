#include "framework/comctrls/RichEdit.h"

#include "framework/controls/PopupMenu.h"
#include "framework/graphics/Font.h"

VQ_PUBLISH(TRichEdit) {
    using C = TRichEdit;
    P.Inherit();
    P.Property("Align", &C::Align, &C::SetAlign).Default(alNone);
    P.Property("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify);
    P.Property("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsSingle).Info().Enum =
        BorderStyleInfo();
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D).Stored(TStoredFn(&TWinControl::IsCtl3DStored));
    P.Property("DragCursor", &C::DragCursor, &C::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &C::DragMode, &C::SetDragMode).Default(dmManual);
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("HideScrollBars", &C::HideScrollBars, &C::SetHideScrollBars).Default(true);
    P.Property("HideSelection", &C::HideSelection, &C::SetHideSelection).Default(true);
    P.Property(
        "Lines", [](const C* c) -> TStrings* { return c->Lines(); }, &C::SetLines);
    P.Property("MaxLength", &C::MaxLength, &C::SetMaxLength).Default(0);
    P.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    P.Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D).Default(true);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("PlainText", &C::PlainText, &C::SetPlainText).Default(false);
    P.Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    P.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    P.Property("ScrollBars", &C::ScrollBars, &C::SetScrollBars).Default(ssNone);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Property("WantReturns", &C::WantReturns, &C::SetWantReturns).Default(true);
    P.Property("WantTabs", &C::WantTabs, &C::SetWantTabs).Default(false);
    P.Property("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(true);
    P.Event("OnChange", &C::OnChange, "TNotifyEvent");
    P.Event("OnDragDrop", &C::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &C::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &C::OnEndDrag, "TEndDragEvent");
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
    P.Event("OnKeyDown", &C::OnKeyDown, "TKeyEvent");
    P.Event("OnKeyPress", &C::OnKeyPress, "TKeyPressEvent");
    P.Event("OnKeyUp", &C::OnKeyUp, "TKeyEvent");
    P.Event("OnMouseDown", &C::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &C::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &C::OnMouseUp, "TMouseEvent");
    P.Event("OnProtectChange", &C::OnProtectChange, "TRichEditProtectChange");
    P.Event("OnResizeRequest", &C::OnResizeRequest, "TRichEditResizeEvent");
    P.Event("OnSaveClipboard", &C::OnSaveClipboard, "TRichEditSaveClipboard");
    P.Event("OnSelectionChange", &C::OnSelectionChange, "TNotifyEvent");
    P.Event("OnStartDrag", &C::OnStartDrag, "TStartDragEvent");
}
