// resources/forms/Form4.vqf, the print wizard demo window: one wizard of five pages, each with
// a picture at the left and rich-text explanations at the right. Every page but the last shows
// resources/pictures/WizardPrinter.bmp (stored once, in VQImage1 on page 4, and linked from the
// other pages); the last shows WizardDone.bmp.

#include "tools/formgen/FormGen.h"

#include <QRegularExpression>

namespace {

// text as runs, the words of bold (whole words, in order) in bold.
TPara Emphasised(const QString& text, const QStringList& bold, QRgb color) {
    TPara para;
    qsizetype pos = 0;
    const auto add = [&](const QString& part, bool isBold) {
        para.Runs.push_back({part, {isBold, kSans, 8, color}});
    };
    for (const QString& word : bold) {
        const QRegularExpression re(
            QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(word)));
        const QRegularExpressionMatch m = re.match(text, pos);
        if (!m.hasMatch()) throw Exception(word + QStringLiteral(" not found in ") + text);
        if (m.capturedStart() > pos) add(text.mid(pos, m.capturedStart() - pos), false);
        add(word, true);
        pos = m.capturedEnd();
    }
    if (pos < text.size()) add(text.mid(pos), false);
    return para;
}

// Paragraphs with an empty line between each; the bold words go to the paragraphs in order, a
// paragraph taking those it contains.
TDocument Body(TDocument doc, const QStringList& paragraphs, QStringList bold, QRgb color) {
    for (const QString& text : paragraphs) {
        QStringList mine;
        qsizetype pos = 0;
        while (!bold.isEmpty()) {
            const QRegularExpression re(
                QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(bold.front())));
            const QRegularExpressionMatch m = re.match(text, pos);
            if (!m.hasMatch()) break;
            mine << bold.takeFirst();
            pos = m.capturedEnd();
        }
        if (!doc.empty()) doc.emplace_back();
        doc.push_back(Emphasised(text, mine, color));
    }
    if (!bold.isEmpty())
        throw Exception(QStringLiteral("bold words left over: ") + bold.join(u' '));
    return doc;
}

// A 12-point bold serif title, then black body paragraphs.
QString Heading(const char* title, const QStringList& paragraphs, const QStringList& bold) {
    return RichText(Body({{B(title, {.Font = kSerif, .Size = 12})}}, paragraphs, bold, kAuto));
}

// Navy body paragraphs with bold words.
QString Explanation(const QStringList& paragraphs, const QStringList& bold) {
    return RichText(Body({}, paragraphs, bold, kNavy));
}

} // namespace

std::string Form4Description() {
    TFormBuilder f("TForm4Fm", "Form4Fm");
    f.Root()
        .Set("Left", 200)
        .Set("Top", 120)
        .Set("BorderIcons", Id("[]"))
        .Set("BorderStyle", Id("bsDialog"))
        .Set("Caption", "Print wizard")
        .Set("ClientHeight", 300)
        .Set("ClientWidth", 512)
        .Set("Font.Color", Id("clWindowText"))
        .Set("Font.Height", -11)
        .Set("Font.Name", "MS Sans Serif")
        .Set("Position", Id("poScreenCenter"))
        .Set("ShowHint", true)
        .Set("PixelsPerInch", 96)
        .Set("TextHeight", 13);
    TComponent* wizard = f.Make(f.Root(), "TVQWizard", "VQWizard1")
                             .Bounds(0, 0, 512, 300)
                             .Ref("ActivePage", "VQWizardPage5")
                             .Ref("FirstPage", "VQWizardPage1")
                             .Set("Options", Id("[vqwoHelpButton, vqwoCancelButton]"))
                             .Set("TabOrder", 0)
                             .On("OnFinishClick", "VQWizard1FinishClick");
    TComponent* page = nullptr;
    const auto newPage = [&](const char* name) {
        TProps p = f.Make(wizard, "TVQWizardPage", name);
        page = p;
        return p;
    };
    // The page's picture: its own, or the first page's linked.
    const auto image = [&](const char* name, const char* picture = nullptr) {
        TProps im = f.Make(page, "TVQImage", name)
                        .Bounds(12, 12, 137, 233)
                        .Set("AutoColor", true)
                        .Set("BorderStyle", Id("vqbsLowered"))
                        .Set("Color", 41975808) // teal, palette-relative: the pictures' corner
                        .Set("ParentColor", false);
        if (picture)
            im.Picture("Picture", QStringLiteral("resources/pictures/") + picture);
        else
            im.Ref("PictureControl", "VQImage1");
        im.Set("Style", Id("vqisCenter"));
    };
    const auto label = [&](const char* name, int top, int height, int tabOrder,
                           const QString& rtf) {
        f.Make(page, "TVQRichLabel", name)
            .Set("RichText", rtf) // first: the size stored is the designed one
            .Bounds(164, top, 337, height)
            .Set("ParentColor", true)
            .Set("TabOrder", tabOrder)
            .Set("TabStop", false);
    };
    const QString next = QStringLiteral("Next");

    newPage("VQWizardPage1");
    image("VQImage2");
    label("VQRichLabel1", 12, 84, 0,
          Heading("Welcome to the Printing Wizard!",
                  {"This wizard will walk you through the steps required to print a document.",
                   "When you're ready to start, press Next."},
                  {next}));
    label("VQRichLabel3", 128, 117, 1,
          Explanation(
              {"This sample wizard gives you an idea of how easy it is to use our wizard "
               "control. This is one form with one TVQWizard control on it. The control shows "
               "and manages the buttons, activation of the next page, backing up, etc. It "
               "handles everything!",
               "This sample wizard uses our TVQImage control to reproduce the same image on "
               "each page without using more than one bitmap (cuts down the size of those "
               ".exes!), and a TVQRichLabel control to provide nice appealing text formatting."},
              {"TVQWizard", "everything", "TVQImage", "TVQRichLabel"}));

    newPage("VQWizardPage2").On("OnDoneQuery", "VQWizardPage2DoneQuery");
    image("VQImage3");
    label("VQRichLabel2", 12, 58, 0,
          Heading("Where do you want to print?",
                  {"Use the list below to select a printer to send your document to. When "
                   "you've selected the printer, press Next."},
                  {next}));
    QStringList printers;
    for (int i = 1; i <= 5; ++i)
        printers << QStringLiteral("Really Cool Printer %1").arg(i);
    f.Make(page, "TComboBox", "ComboBox1")
        .Bounds(180, 80, 273, 21)
        .Set("ItemHeight", 13)
        .Lines("Items", printers)
        .Set("TabOrder", 1)
        .On("OnChange", "ComboBox1Change");
    label("VQRichLabel4", 192, 52, 2,
          Explanation({"This page uses the OnDoneQuery event and CheckDone method to enable and "
                       "disabled the Next button automatically. As soon as you select a "
                       "printer, the button becomes enabled. This allows for easy validation of "
                       "the data. before allowing the user to proceed."},
                      {"OnDoneQuery", "CheckDone", next}));

    newPage("VQWizardPage3");
    image("VQImage4");
    label("VQRichLabel5", 12, 58, 0,
          Heading("What do you want to print?",
                  {"You can choose to print the entire document, or just a few pages. When "
                   "you've selected the method that you want to use, press Next."},
                  {next}));
    label("VQRichLabel6", 168, 78, 1,
          Explanation({"This page uses the Include property to insert or remove a page from the "
                       "wizard sequence. This allows you to remove steps that don't apply based "
                       "on user input. On this page, the user decides if they want to enter a "
                       "range of pages to print. If they do, the next page asks them for the "
                       "range. Otherwise, it skips to the next page and prints the whole "
                       "document."},
                      {"Include"}));
    f.Make(page, "TRadioButton", "RadioButton1")
        .Bounds(180, 80, 313, 17)
        .Set("Caption", "Print the entire document")
        .Set("Checked", true)
        .Set("TabOrder", 2)
        .Set("TabStop", true)
        .On("OnClick", "RadioButton2Click");
    f.Make(page, "TRadioButton", "RadioButton2")
        .Bounds(180, 100, 313, 17)
        .Set("Caption", "Print only a few pages (you'll be prompted for which pages)")
        .Set("TabOrder", 3)
        .On("OnClick", "RadioButton2Click");

    newPage("VQWizardPage4").Set("Include", false).On("OnDoneQuery", "VQWizardPage4DoneQuery");
    image("VQImage1", "WizardPrinter.bmp");
    f.Make(page, "TLabel", "Label1").Bounds(180, 84, 26, 13).Set("Caption", "From:");
    f.Make(page, "TLabel", "Label2").Bounds(280, 84, 16, 13).Set("Caption", "To:");
    label("VQRichLabel7", 12, 58, 0,
          Heading("Which pages do you want to print?",
                  {"Enter the range of pages to print. When you've entered the pages to print, "
                   "press Next."},
                  {next}));
    label("VQRichLabel8", 180, 65, 1,
          Explanation({"If the user chose to print a range of pages, this page gets displayed. "
                       "Otherwise the wizard would have skipped directly to the next one.",
                       "To see the alternate behaviour, go back to the previous page, and "
                       "select \"Print the entire document\"."},
                      {}));
    f.Make(page, "TEdit", "Edit1")
        .Bounds(216, 80, 45, 21)
        .Set("TabOrder", 2)
        .On("OnChange", "Edit1Change");
    f.Make(page, "TEdit", "Edit2")
        .Bounds(304, 80, 45, 21)
        .Set("TabOrder", 3)
        .On("OnChange", "Edit1Change");

    newPage("VQWizardPage5");
    image("VQImage6", "WizardDone.bmp");
    label("VQRichLabel9", 12, 45, 0,
          Heading("All done, you're ready to print!",
                  {"You are now ready to print. To proceed, press Finish."}, {"Finish"}));
    label("VQRichLabel10", 128, 117, 1,
          Explanation(
              {"Once the wizard determines that there are no more included pages to display, "
               "it shows the Finish button. When the user presses Finish, your form receives "
               "an OnFinishClick event so the wizard can do its work. ",
               "That's it! Pretty easy? The interface to this wizard was finished in about 10 "
               "minutes. The only coding required was 1 line for testing if a printer was "
               "selected, and another line to select full or partial printing. It doesn't get "
               "any easier than that!"},
              {"included", "Finish", "Finish", "OnFinishClick"}));
    return f.Write();
}
