#pragma once
// TVQWizard: a step-by-step dialog container. It holds an ordered list of TVQWizardPage, shows
// one of them (the active page) above a TVQWizardPanel with Help, Back, Next/Finish and Cancel
// buttons, and moves between the included pages. Next waits for the page's DoneQuery and, on
// the last included page, reads "Finish" and fires OnFinishClick; the wizard closes nothing by
// itself. Next is the form's default button and Cancel its cancel button (modal result 2).
//
// Descriptions hold exactly the pages, in list order; the panel and buttons are built by the
// constructor. A loaded wizard starts on FirstPage.

#include "components/gfx/VQTypes.h"
#include "components/std/VQWizardPage.h"
#include "components/std/VQWizardPanel.h"

#include <vector>

class TButton;

VQ_ENUM(TVQWizardOption, uint8_t, vqwoHelpButton, vqwoCancelButton)
using TVQWizardOptions = TSet<TVQWizardOption>;

class TVQWizard : public TCustomControl {
    VQ_CLASS(TVQWizard, TCustomControl)
public:
    explicit TVQWizard(TComponent* AOwner);
    // Lets go of its pages before they go with the window, so none reports back to a wizard
    // half destroyed.
    ~TVQWizard() override;

    // ActivePage: the page shown; setting a page of another wizard is ignored. Activation
    // fires OnChanging, shows the page (focusing its first tab stop when it can take the
    // focus), hides the old one, updates Back, Next and Next's caption, then fires OnChange.
    // The first page ever activated becomes FirstPage.
    TVQWizardPage* ActivePage() const { return FActivePage; }
    void SetActivePage(TVQWizardPage* value);
    // ButtonsEnabled: true; false disables all four buttons, true restores them.
    bool ButtonsEnabled() const { return FButtonsEnabled; }
    void SetButtonsEnabled(bool value);
    // FirstPage: the page a loaded wizard starts on (set while loading, it activates).
    TVQWizardPage* FirstPage() const { return FFirstPage; }
    void SetFirstPage(TVQWizardPage* value);
    // Options: [vqwoCancelButton]; which of Help and Cancel are shown.
    TVQWizardOptions Options() const { return FOptions; }
    void SetOptions(TVQWizardOptions value);

    int PageCount() const { return int(FPages.size()); }
    TVQWizardPage* Pages(int index) const; // EListError when out of range
    // Position of page in the list, -1 when it is not there.
    int IndexOfPage(const TVQWizardPage* page) const;

    // The page after (or before) Page in list order, only included ones when IncludedOnly;
    // nullptr at the end of the list or when Page is not in it.
    TVQWizardPage* FindNextPage(TVQWizardPage* Page, bool GoForward, bool IncludedOnly) const;
    // Activates the next (or previous) included page from the active one, if there is one.
    void SelectNextPage(bool GoForward);
    // Asks the active page's DoneQuery again and enables Next accordingly.
    void CheckDone();

    // List maintenance behind the page's Wizard and PageIndex. Inserting appends the page,
    // parents it here and activates it (not while loading). Removing activates the page after
    // it (else the one before it) when it was the active page. Moving is a plain list move.
    virtual void InsertPage(TVQWizardPage* Page);
    virtual void RemovePage(TVQWizardPage* Page);
    virtual void MovePage(int FromIndex, int ToIndex);

    TVQWizardPanel* Panel() const { return FPanel; }
    TButton* HelpButton() const { return FHelpButton; }
    TButton* BackButton() const { return FBackButton; }
    TButton* NextButton() const { return FNextButton; }
    TButton* CancelButton() const { return FCancelButton; }

    // OnCancelClick is the Cancel button's own click event.
    TNotifyEvent OnCancelClick() const;
    void SetOnCancelClick(TNotifyEvent value);

    TNotifyEvent OnChange;      // after the active page changed
    TNotifyEvent OnChanging;    // before the active page changes (cannot stop it)
    TNotifyEvent OnFinishClick; // Next pressed on the last included page

    // A page's controls asking to be shown activate the page.
    void ShowControl(TControl* AControl) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

protected:
    friend class TVQWizardPage;
    // A dialog named by the active page, whose name comes first.
    TAccRole AccRole() const override { return arDialog; }
    String AccName() const override;
    // The active page was excluded: the next included page takes over, else the previous
    // one, else none.
    virtual void PageExcluded(TVQWizardPage* Page);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void BackClick(TObject* Sender);
    void NextClick(TObject* Sender);
    void HelpClick(TObject* Sender);
    TButton* MakeButton(int captionId, intptr_t tag);
    // Back, Next (its enabling and its Next/Finish caption), Help and Cancel from the state:
    // the active page, ButtonsEnabled and which pages are included.
    void UpdateButtons();
    // Activation's focus step: the page's first tab stop, else (see there) the wizard.
    void FocusPage(TVQWizardPage* page, TVQWizardPage* old);
    bool Quiet() const;

    TVQAboutType FAbout = 0;
    TVQWizardPage* FActivePage = nullptr;
    bool FButtonsEnabled = true;
    TVQWizardPage* FFirstPage = nullptr;
    TVQWizardOptions FOptions;
    std::vector<TVQWizardPage*> FPages;
    TVQWizardPanel* FPanel = nullptr;
    TButton* FHelpButton = nullptr;
    TButton* FBackButton = nullptr;
    TButton* FNextButton = nullptr;
    TButton* FCancelButton = nullptr;
};

// The default button captions, by string id (1 Help ... 5 Cancel); the program's string table
// overrides them (LoadResString).
String VQWizardCaption(int id);
