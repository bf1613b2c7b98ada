#pragma once
// TForm3Fm: the menu button and splitter demo window, "Menu Button and Splitter"; shown modally
// from the main window and only hidden when closed, so the chosen items and the bar position
// last until the program ends. Everything is set up by its description
// (resources/forms/Form3.vqf); the code is the Choice button's handler.

#include "framework/controls/Form.h"

class TListView;
class TTreeView;
class TVQMenuButton;
class TVQSplitter;

class TForm3Fm : public TForm {
    VQ_CLASS(TForm3Fm, TForm)
public:
    explicit TForm3Fm(TComponent* AOwner);
    // ":/forms/Form3.vqf".
    String FormResourceName() const override;

    // Components bound by name when the description is read.
    TVQMenuButton* VQMenuButton1 = nullptr;
    TVQMenuButton* VQMenuButton2 = nullptr;
    TVQSplitter* VQSplitter1 = nullptr;
    TTreeView* TreeView1 = nullptr;
    TListView* ListView1 = nullptr;

    // Shows the chosen item's text in a confirmation box with one OK button.
    void VQMenuButton2Change(TObject* Sender);
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm3Fm* Form3Fm;
