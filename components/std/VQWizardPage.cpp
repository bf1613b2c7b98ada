#include "components/std/VQWizardPage.h"

#include "components/std/VQWizard.h"
#include "framework/controls/PopupMenu.h"
#include "framework/system/Exceptions.h"

VQ_PUBLISH(TVQWizardPage) {
    using C = TVQWizardPage;
    P.Inherit();
    // The wizard places its pages.
    P.Property("Left", &C::Left, &C::SetLeft).Stored(false);
    P.Property("Top", &C::Top, &C::SetTop).Stored(false);
    P.Property("Width", &C::Width, &C::SetWidth).Stored(false);
    P.Property("Height", &C::Height, &C::SetHeight).Stored(false);
    P.Field("About", &C::FAbout).Stored(false);
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("DragCursor", &C::DragCursor, &C::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &C::DragMode, &C::SetDragMode).Default(dmManual);
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("Include", &C::Include, &C::SetInclude).Default(true);
    P.Property("PageIndex", &C::PageIndex, &C::SetPageIndex).Stored(false);
    P.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Event("OnDoneQuery", &C::OnDoneQuery, "TVQWizardDoneQueryEvent");
    P.Event("OnDragDrop", &C::OnDragDrop, "TDragDropEvent");
    P.Event("OnDragOver", &C::OnDragOver, "TDragOverEvent");
    P.Event("OnEndDrag", &C::OnEndDrag, "TEndDragEvent");
    P.Event("OnEnter", &C::OnEnter, "TNotifyEvent");
    P.Event("OnExit", &C::OnExit, "TNotifyEvent");
    P.Event("OnMouseDown", &C::OnMouseDown, "TMouseEvent");
    P.Event("OnMouseMove", &C::OnMouseMove, "TMouseMoveEvent");
    P.Event("OnMouseUp", &C::OnMouseUp, "TMouseEvent");
    P.Event("OnStartDrag", &C::OnStartDrag, "TStartDragEvent");
}

TVQWizardPage::TVQWizardPage(TComponent* AOwner) : TCustomControl(AOwner) {
    SetAlign(alClient);
    SetVisible(false);
    FControlStyle.Include(csAcceptsControls);
}

TVQWizardPage::~TVQWizardPage() {
    SetWizard(nullptr);
}

void TVQWizardPage::SetWizard(TVQWizard* value) {
    if (FWizard == value) return;
    if (FWizard) FWizard->RemovePage(this);
    if (value) value->InsertPage(this);
}

void TVQWizardPage::SetParent(TWinControl* value) {
    if (Parent() == value) return;
    // A page taken out of its wizard's window leaves the wizard's list too.
    if (FWizard && value != FWizard) FWizard->RemovePage(this);
    TCustomControl::SetParent(value);
    // Reading a description parents a page to the wizard it sits in: that makes it a page.
    if (auto* wizard = dynamic_cast<TVQWizard*>(value); wizard && FWizard != wizard)
        wizard->InsertPage(this);
}

int TVQWizardPage::PageIndex() const {
    return FWizard ? FWizard->IndexOfPage(this) : -1;
}

void TVQWizardPage::SetPageIndex(int value) {
    if (FWizard) FWizard->MovePage(PageIndex(), value);
}

void TVQWizardPage::SetInclude(bool value) {
    if (FInclude == value) return;
    FInclude = value;
    if (!value && FWizard && FWizard->ActivePage() == this) FWizard->PageExcluded(this);
}

bool TVQWizardPage::DoneQuery() {
    bool done = true;
    Fire(OnDoneQuery, this, done);
    return done;
}

String TVQWizardPage::AccName() const {
    const String caption = TCustomControl::AccName();
    if (!caption.isEmpty()) return caption;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* c = Controls(i);
        if (c->Visible() && c->AccRole() == arStaticText) {
            const String text = c->AccName().trimmed();
            if (!text.isEmpty()) return text.section(u'\n', 0, 0);
        }
    }
    return caption;
}
