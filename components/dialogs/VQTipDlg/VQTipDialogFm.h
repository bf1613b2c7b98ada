#pragma once
// TVQTipDialogFm: the tip-of-the-day window, built from its description at each execution of
// a TVQTipDialog, which fills it. Its one handler opens the application's help at the
// clicked button's own help context.

#include "framework/controls/Form.h"

class TButton;
class TCheckBox;
class TLabel;
class TPanel;
class TVQImage;

class TVQTipDialogFm : public TForm {
    VQ_CLASS(TVQTipDialogFm, TForm)
public:
    explicit TVQTipDialogFm(TComponent* AOwner);

    TButton* CloseBt = nullptr;
    TCheckBox* ShowTipsCb = nullptr;
    TButton* NextTipBt = nullptr;
    TButton* MoreTipsBt = nullptr;
    TButton* HelpBt = nullptr;
    TPanel* Panel1 = nullptr;
    TLabel* TipLb = nullptr;
    TLabel* TipTitleLb = nullptr;
    TVQImage* LightBulbIm = nullptr;

    // More Tips and Help: Application->HelpContext(sender's HelpContext).
    void HelpContextClick(TObject* Sender);
};
