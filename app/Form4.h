#pragma once
// TForm4Fm: the print wizard demo window. One wizard of five pages (resources/forms/Form4.vqf,
// written by tools/formgen): page 2 holds Next until a printer is named, page 4 (the page
// range) is included only when the second radio button of page 3 is chosen and holds Next until
// both edits have text, and Finish on page 5 reports "Printing completed!". Shown modally from
// the main window; Cancel or Escape closes it, and closing only hides it, so the wizard keeps
// its page and inputs between showings.

#include "framework/controls/Form.h"

class TComboBox;
class TEdit;
class TRadioButton;
class TVQWizard;
class TVQWizardPage;

class TForm4Fm : public TForm {
    VQ_CLASS(TForm4Fm, TForm)
public:
    explicit TForm4Fm(TComponent* AOwner);
    // ":/forms/Form4.vqf".
    String FormResourceName() const override;

    // Components bound by name when the description is read.
    TVQWizard* VQWizard1 = nullptr;
    TVQWizardPage* VQWizardPage1 = nullptr;
    TVQWizardPage* VQWizardPage2 = nullptr;
    TVQWizardPage* VQWizardPage3 = nullptr;
    TVQWizardPage* VQWizardPage4 = nullptr;
    TVQWizardPage* VQWizardPage5 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TRadioButton* RadioButton1 = nullptr;
    TRadioButton* RadioButton2 = nullptr;
    TEdit* Edit1 = nullptr;
    TEdit* Edit2 = nullptr;

    // Page 2 may be left once the printer box holds text.
    void VQWizardPage2DoneQuery(TObject* Sender, bool& Done);
    // Typing in or picking from the printer box asks page 2 again.
    void ComboBox1Change(TObject* Sender);
    // Both radio buttons: page 4 takes part when the second one is chosen.
    void RadioButton2Click(TObject* Sender);
    // Finish: an information box; the wizard stays on its last page.
    void VQWizard1FinishClick(TObject* Sender);
    // Both page-range edits ask page 4 again.
    void Edit1Change(TObject* Sender);
    // Page 4 may be left once both edits hold text.
    void VQWizardPage4DoneQuery(TObject* Sender, bool& Done);
};

// The program's instance, made hidden at start and freed at exit; nullptr outside that time.
extern TForm4Fm* Form4Fm;
