#pragma once
// TVQWizardPage: one step of a TVQWizard. It fills the wizard above the button panel and holds
// the controls of its step. Include false leaves it out of Back/Next navigation; OnDoneQuery
// lets the application hold the user on the page until its input is complete.

#include "components/gfx/VQTypes.h"
#include "framework/controls/CustomControl.h"

class TVQWizard;

// Done enters true; the handler leaves false to keep Next disabled.
using TVQWizardDoneQueryEvent = std::function<void(TObject* Sender, bool& Done)>;

class TVQWizardPage : public TCustomControl {
    VQ_CLASS(TVQWizardPage, TCustomControl)
public:
    explicit TVQWizardPage(TComponent* AOwner);
    // Leaves its wizard first, which activates a neighbour when the page was active.
    ~TVQWizardPage() override;

    // Wizard: the wizard whose page list holds the page; setting it moves the page (removed
    // from the old wizard, inserted into the new one, which also becomes its parent).
    TVQWizard* Wizard() const { return FWizard; }
    void SetWizard(TVQWizard* value);
    // PageIndex: position in the wizard's list, -1 without a wizard; setting it moves the list
    // entry only (EListError outside the list).
    int PageIndex() const;
    void SetPageIndex(int value);
    // Include: true; whether Back and Next stop at the page. Excluding the active page makes
    // the wizard move on (see TVQWizard::PageExcluded).
    bool Include() const { return FInclude; }
    void SetInclude(bool value);

    // Whether the user may go on from the page: true unless OnDoneQuery says otherwise.
    bool DoneQuery();

    TVQWizardDoneQueryEvent OnDoneQuery;

    void SetParent(TWinControl* value) override;

    // A page named by its caption, or by its first text when it has none (the heading).
    TAccRole AccRole() const override { return arPropertyPage; }
    String AccName() const override;

private:
    friend class TVQWizard;
    TVQAboutType FAbout = 0;
    bool FInclude = true;
    TVQWizard* FWizard = nullptr;
};
