#pragma once
// TVQTipDialog: a non-visual tip-of-the-day component. Execute builds a TVQTipDialogFm from its
// description, shows one of Tips chosen at random, lets Next Tip step through the following
// ones cyclically, offers help buttons for the two help contexts, and after the box closes
// normally stores the check box in ShowAtStartup. The form is freed on every path; a failure
// leaves ShowAtStartup as it was.

#include "components/gfx/VQTypes.h"
#include "framework/classes/Component.h"
#include "framework/controls/Control.h"

#include <functional>
#include <memory>

class TPicture;
class TStrings;
class TStringList;
class TVQTipDialogFm;

class TVQTipDialog : public TComponent {
    VQ_CLASS(TVQTipDialog, TComponent)
public:
    explicit TVQTipDialog(TComponent* AOwner);
    ~TVQTipDialog() override;

    // Caption: empty keeps the form's "Tip of the Day".
    String Caption() const { return FCaption; }
    void SetCaption(const String& value) { FCaption = value; }
    // HelpContext: 0, always stored; 0 hides the Help button.
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    // MoreTipsContext: 0, always stored; 0 hides the More Tips button.
    int MoreTipsContext() const { return FMoreTipsContext; }
    void SetMoreTipsContext(int value) { FMoreTipsContext = value; }
    // Picture: owned, empty; setting copies. Empty keeps the form's light bulb.
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* value);
    // ShowAtStartup: true; the check box's state, updated after each normal close.
    bool ShowAtStartup() const { return FShowAtStartup; }
    void SetShowAtStartup(bool value) { FShowAtStartup = value; }
    // Tips: owned, empty; setting copies the lines.
    TStrings* Tips() const;
    void SetTips(TStrings* value);
    // TipTitle: empty keeps the form's "Did you know...".
    String TipTitle() const { return FTipTitle; }
    void SetTipTitle(const String& value) { FTipTitle = value; }

    void Execute();
    // Next Tip's handler: the tip after the last shown one, wrapping to the first.
    void NextTip(TObject* Sender);

    // The box while Execute runs (nullptr otherwise) and the index of the tip shown last.
    TVQTipDialogFm* Form() const { return FForm; }
    int LastTip() const { return FLastTip; }
    // Tests force the first pick: the function gets the tip count, returns an index.
    using TRandomPick = std::function<int(int Count)>;
    static void SetRandomPick(TRandomPick pick);

private:
    void ShowTip(int index);

    String FCaption, FTipTitle;
    int FHelpContext = 0;
    int FMoreTipsContext = 0;
    std::unique_ptr<TPicture> FPicture;
    bool FShowAtStartup = true;
    std::unique_ptr<TStringList> FTips;
    int FLastTip = 0;
    TVQAboutType FAbout = 0;
    TVQTipDialogFm* FForm = nullptr;
};
