#include "components/std/VQWizard.h"

#include "framework/classes/ClassRegistry.h"
#include "framework/controls/Form.h"
#include "framework/controls/PopupMenu.h"
#include "framework/stdctrls/Button.h"
#include "framework/system/ResourceStrings.h"
#include "framework/system/UpdateScope.h"

#include <algorithm>

namespace {
const TVQWizardOptions DefaultOptions{vqwoCancelButton};

// The string table's ids of the buttons' captions (VQWizardCaption).
enum TCaptionId : int { ciHelp = 1, ciBack, ciNext, ciFinish, ciCancel };

// The gap a button keeps to the next one on its left, in its Tag for the panel's layout:
// Back and Next touch, like a pair; Cancel and Back stand apart from their neighbours.
constexpr intptr_t ApartGap = 8;
constexpr intptr_t TouchingGap = 0;

// Whether c and its parents up to its form are visible and enabled: it can take the focus
// once the form shows (or now, when the form is showing).
bool Reachable(const TControl* c) {
    for (; c && !dynamic_cast<const TForm*>(c); c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return c != nullptr;
}

// The first control in page's tab order (depth first) that stops Tab and can take the focus.
TWinControl* FirstTabStop(const TWinControl* parent) {
    std::vector<TWinControl*> children;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* win = dynamic_cast<TWinControl*>(parent->Controls(i))) children.push_back(win);
    std::stable_sort(children.begin(), children.end(),
                     [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (TWinControl* c : children) {
        if (c->TabStop() && Reachable(c)) return c;
        if (TWinControl* inner = FirstTabStop(c)) return inner;
    }
    return nullptr;
}

// Whether the focused control of page's form lies on page.
bool HoldsFocus(const TWinControl* page) {
    TForm* form = page->ParentForm();
    TWinControl* focused = form ? form->ActiveControl() : nullptr;
    if (!focused || !focused->Focused()) return false;
    for (const TControl* c = focused; c; c = c->Parent())
        if (c == page) return true;
    return false;
}
} // namespace

String VQWizardCaption(int id) {
    static const char* const defaults[] = {"", "&Help", "< &Back", "Next >", "&Finish", "Cancel"};
    const String fallback = id >= 1 && id <= 5 ? QString::fromLatin1(defaults[id]) : String();
    return LoadResString(id, fallback);
}

VQ_PUBLISH(TVQWizard) {
    using C = TVQWizard;
    P.Inherit();
    P.Field("About", &C::FAbout).Stored(false);
    P.Property("ActivePage", &C::ActivePage, &C::SetActivePage);
    P.Property("Align", &C::Align, &C::SetAlign).Default(alClient);
    P.Property("ButtonsEnabled", &C::ButtonsEnabled, &C::SetButtonsEnabled).Default(true);
    P.Property("Color", &C::Color, &C::SetColor)
        .Default(clWindow)
        .Stored(TStoredFn(&TControl::IsColorStored));
    P.Property("DragCursor", &C::DragCursor, &C::SetDragCursor)
        .Default(crDrag)
        .Idents(CursorIdents());
    P.Property("DragMode", &C::DragMode, &C::SetDragMode).Default(dmManual);
    P.Property("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Property("FirstPage", &C::FirstPage, &C::SetFirstPage);
    P.Property("Font", &C::Font, &C::SetFont).Stored(TStoredFn(&TControl::IsFontStored));
    P.Property("Options", &C::Options, &C::SetOptions).Default(DefaultOptions);
    P.Property("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true);
    P.Property("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
    P.Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
    P.Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    P.Property("ShowHint", &C::ShowHint, &C::SetShowHint)
        .Stored(TStoredFn(&TControl::IsShowHintStored));
    P.Property("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1);
    P.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(false);
    P.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    P.Event("OnCancelClick", &C::OnCancelClick, &C::SetOnCancelClick, "TNotifyEvent");
    P.Event("OnChange", &C::OnChange, "TNotifyEvent");
    P.Event("OnChanging", &C::OnChanging, "TNotifyEvent");
    P.Event("OnFinishClick", &C::OnFinishClick, "TNotifyEvent");
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

TVQWizard::TVQWizard(TComponent* AOwner) : TCustomControl(AOwner) {
    // Descriptions of a wizard name its pages; the first wizard makes their classes known.
    RegisterClassesOnce<TVQWizardPanel, TVQWizardPage>();
    SetAlign(alClient);
    FButtonsEnabled = true;

    FPanel = new TVQWizardPanel(this);
    FPanel->SetParent(this);
    FPanel->SetAlign(alBottom);

    // Created in layout order: the panel places its children from the right.
    FCancelButton = MakeButton(ciCancel, ApartGap);
    FCancelButton->SetCancel(true);
    FCancelButton->SetModalResult(mrCancel);
    FNextButton = MakeButton(ciNext, TouchingGap);
    FNextButton->OnClick = [this](TObject* Sender) { NextClick(Sender); };
    FNextButton->SetDefault(true);
    FBackButton = MakeButton(ciBack, ApartGap);
    FBackButton->OnClick = [this](TObject* Sender) { BackClick(Sender); };
    FHelpButton = MakeButton(ciHelp, TouchingGap);
    FHelpButton->OnClick = [this](TObject* Sender) { HelpClick(Sender); };

    FHelpButton->SetTabOrder(0);
    FBackButton->SetTabOrder(1);
    FNextButton->SetTabOrder(2);
    FCancelButton->SetTabOrder(3);

    FPanel->SetHeight(FNextButton->Height() + TVQWizardPanel::MarginTop +
                      TVQWizardPanel::MarginBottom);
    SetOptions(DefaultOptions);
}

TButton* TVQWizard::MakeButton(int captionId, intptr_t tag) {
    auto* button = new TButton(FPanel);
    button->SetParent(FPanel);
    button->SetCaption(VQWizardCaption(captionId));
    button->SetTag(tag);
    return button;
}

TVQWizard::~TVQWizard() {
    // The pages go with the window below; they must not report to a wizard half gone.
    for (TVQWizardPage* page : FPages)
        page->FWizard = nullptr;
    FPages.clear();
    FActivePage = nullptr;
    if (FFirstPage) FFirstPage->RemoveFreeNotification(this);
    FFirstPage = nullptr;
}

bool TVQWizard::Quiet() const {
    // While the wizard or its form is being freed, pages leave without activating others.
    return ComponentState().Contains(csDestroying) ||
           (Owner() && Owner()->ComponentState().Contains(csDestroying));
}

TVQWizardPage* TVQWizard::Pages(int index) const {
    if (index < 0 || index >= int(FPages.size()))
        throw EListError(Exception::Format(QStringLiteral("List index out of bounds (%d)"),
                                           {QString::number(index)}));
    return FPages[size_t(index)];
}

int TVQWizard::IndexOfPage(const TVQWizardPage* page) const {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    return it == FPages.end() ? -1 : int(it - FPages.begin());
}

TVQWizardPage* TVQWizard::FindNextPage(TVQWizardPage* Page, bool GoForward,
                                       bool IncludedOnly) const {
    const int start = IndexOfPage(Page);
    if (!Page || start < 0) return nullptr;
    const int step = GoForward ? 1 : -1;
    for (int i = start + step; i >= 0 && i < int(FPages.size()); i += step)
        if (!IncludedOnly || FPages[size_t(i)]->Include()) return FPages[size_t(i)];
    return nullptr;
}

void TVQWizard::SelectNextPage(bool GoForward) {
    if (TVQWizardPage* page = FindNextPage(FActivePage, GoForward, true)) SetActivePage(page);
}

void TVQWizard::CheckDone() {
    if (FActivePage) UpdateButtons();
}

void TVQWizard::UpdateButtons() {
    FHelpButton->SetEnabled(FButtonsEnabled);
    FCancelButton->SetEnabled(FButtonsEnabled);
    FBackButton->SetEnabled(FButtonsEnabled && FindNextPage(FActivePage, false, true));
    // Without a page Next keeps its state until the buttons are disabled.
    if (FActivePage || !FButtonsEnabled)
        FNextButton->SetEnabled(FButtonsEnabled && FActivePage->DoneQuery());
    FNextButton->SetCaption(
        VQWizardCaption(FindNextPage(FActivePage, true, true) ? ciNext : ciFinish));
}

void TVQWizard::SetActivePage(TVQWizardPage* value) {
    if (value == FActivePage || (value && value->FWizard != this)) return;
    const TLifeToken target = value ? value->LifeToken() : TLifeToken();
    if (!Fire(OnChanging, this)) return;
    // The handler may have freed the page or moved it to another wizard.
    if (value && (!target || value->FWizard != this)) return;
    TVQWizardPage* old = FActivePage;
    {
        TUpdateScope align([this] { DisableAlign(); }, [this] { EnableAlign(); });
        if (value) {
            value->BringToFront();
            value->SetVisible(true);
            FocusPage(value, old);
        }
        if (old) {
            old->SetVisible(false);
        } else if (FFirstPage != value) {
            if (FFirstPage) FFirstPage->RemoveFreeNotification(this);
            FFirstPage = value;
            if (value) value->FreeNotification(this);
        }
        FActivePage = value;
        UpdateButtons();
    }
    Fire(OnChange, this);
}

void TVQWizard::FocusPage(TVQWizardPage* page, TVQWizardPage* old) {
    TForm* form = ParentForm();
    if (!form || !Reachable(page)) return;
    TWinControl* target = FirstTabStop(page);
    if (!target) {
        // Left on the page being hidden, the focus would pass to the next control (a button,
        // which Enter would then press), and a form shown for the first time would focus the
        // first button: the wizard takes it instead, so Enter reaches the default button.
        if (form->Showing() && !(old && HoldsFocus(old))) return;
        target = this;
    }
    // A form not showing yet focuses the control when it shows.
    if (form->Showing())
        target->SetFocus();
    else
        form->SetActiveControl(target);
}

void TVQWizard::SetButtonsEnabled(bool value) {
    if (FButtonsEnabled == value) return;
    FButtonsEnabled = value;
    UpdateButtons();
}

void TVQWizard::SetFirstPage(TVQWizardPage* value) {
    if (FFirstPage == value) return;
    if (FFirstPage) FFirstPage->RemoveFreeNotification(this);
    FFirstPage = value;
    if (value) value->FreeNotification(this);
    // The description's ActivePage is resolved before FirstPage: a loaded wizard starts here.
    if (Loading()) SetActivePage(value);
}

void TVQWizard::SetOptions(TVQWizardOptions value) {
    if (FOptions == value) return;
    FHelpButton->SetVisible(value.Contains(vqwoHelpButton));
    FCancelButton->SetVisible(value.Contains(vqwoCancelButton));
    FOptions = value;
    FPanel->Realign();
}

TNotifyEvent TVQWizard::OnCancelClick() const {
    return FCancelButton->OnClick;
}

void TVQWizard::SetOnCancelClick(TNotifyEvent value) {
    FCancelButton->OnClick = std::move(value);
}

void TVQWizard::InsertPage(TVQWizardPage* Page) {
    if (!Page) return;
    if (Page->FWizard && Page->FWizard != this) Page->FWizard->RemovePage(Page);
    if (IndexOfPage(Page) < 0) FPages.push_back(Page);
    // Set before parenting, so the page's SetParent sees it is already ours.
    Page->FWizard = this;
    Page->SetParent(this);
    if (!Loading()) SetActivePage(Page);
}

void TVQWizard::RemovePage(TVQWizardPage* Page) {
    if (IndexOfPage(Page) < 0) return;
    if (Page == FActivePage) {
        if (Quiet()) {
            FActivePage = nullptr;
        } else {
            TVQWizardPage* next = FindNextPage(Page, true, false);
            if (!next) next = FindNextPage(Page, false, false);
            SetActivePage(next);
        }
    }
    Page->FWizard = nullptr;
    // The handlers of the activation may have changed the list: find the page again.
    const int index = IndexOfPage(Page);
    if (index >= 0) FPages.erase(FPages.begin() + index);
}

void TVQWizard::MovePage(int FromIndex, int ToIndex) {
    const int count = int(FPages.size());
    for (int index : {FromIndex, ToIndex})
        if (index < 0 || index >= count)
            throw EListError(Exception::Format(QStringLiteral("List index out of bounds (%d)"),
                                               {QString::number(index)}));
    TVQWizardPage* page = FPages[size_t(FromIndex)];
    FPages.erase(FPages.begin() + FromIndex);
    FPages.insert(FPages.begin() + ToIndex, page);
}

void TVQWizard::PageExcluded(TVQWizardPage* Page) {
    // The page cannot stay on show while it is out of the navigation: the next included page
    // takes over, else the previous one, else none (as with a single page).
    TVQWizardPage* next = FindNextPage(Page, true, true);
    if (!next) next = FindNextPage(Page, false, true);
    SetActivePage(next);
}

void TVQWizard::BackClick(TObject*) {
    SelectNextPage(false);
}

void TVQWizard::NextClick(TObject*) {
    if (!FActivePage || !FActivePage->DoneQuery()) return;
    if (FindNextPage(FActivePage, true, true))
        SelectNextPage(true);
    else
        Fire(OnFinishClick, this);
}

void TVQWizard::HelpClick(TObject*) {
    if (FActivePage) FActivePage->ShowHelp();
}

void TVQWizard::ShowControl(TControl* AControl) {
    if (auto* page = dynamic_cast<TVQWizardPage*>(AControl); page && page->FWizard == this)
        SetActivePage(page);
    TCustomControl::ShowControl(AControl);
}

void TVQWizard::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
    for (TVQWizardPage* page : FPages)
        if (page->Owner() == root) proc(page);
}

void TVQWizard::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FFirstPage) FFirstPage = nullptr;
    if (AComponent == FActivePage) FActivePage = nullptr;
}

String TVQWizard::AccName() const {
    return FActivePage ? FActivePage->AccName() : TCustomControl::AccName();
}
