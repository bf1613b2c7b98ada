#pragma once
// TVQAboutDialogFm: the about box's window, built from its description at each execution of a
// TVQAboutDialog, which fills it. It has no code of its own.

#include "framework/controls/Form.h"

class TButton;
class TLabel;
class TVQImage;

class TVQAboutDialogFm : public TForm {
    VQ_CLASS(TVQAboutDialogFm, TForm)
public:
    explicit TVQAboutDialogFm(TComponent* AOwner);

    TButton* OKBt = nullptr;
    TButton* CustomBt = nullptr;
    TLabel* ProductLb = nullptr;
    TLabel* CopyrightLb = nullptr;
    TLabel* DescriptionLb = nullptr;
    TLabel* SerialLb = nullptr;
    TLabel* MemoryLb = nullptr;    // its caption is the number format of the memory line
    TLabel* ResourcesLb = nullptr; // its caption is the format of the resources line
    TVQImage* AboutIm = nullptr;
};
