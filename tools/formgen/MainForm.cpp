// resources/forms/MainForm.vqf, the main window: a page control whose pages describe the
// library's groups in rich labels, with the non-visual components behind them (image list,
// tray icon and menu, hot keys, dialogs); and bench/StartupPeerPages.h, the same pages for the
// plain Qt peer the start-up benchmark compares the program with.

#include "tools/formgen/FormGen.h"

#include <QColor>

#include <map>

namespace {

const TStyle kKey{.Bold = true, .Color = kPurple};

// A rich label's document and tab stop, for the peer.
using TRichTexts = std::map<const TComponent*, std::pair<TDocument, int>>;

struct TMainForm {
    TFormBuilder F{"TMainFm", "MainFm"};
    TRichTexts Texts;
    TComponent* Sheet = nullptr;

    TProps Control(const char* cls, const char* name, int l, int t, int w, int h) {
        return F.Make(Sheet, cls, name).Bounds(l, t, w, h);
    }
    TProps Button(TComponent* parent, const char* name, int l, int t, int w, const char* caption,
                  int tabOrder, const char* onClick) {
        return F.Make(parent, "TButton", name)
            .Bounds(l, t, w, 25)
            .Set("Caption", caption)
            .Set("TabOrder", tabOrder)
            .On("OnClick", onClick);
    }
    void Show(const char* name, int top, const char* caption, int tabOrder, const char* onClick) {
        Button(Sheet, name, 292, top, 89, caption, tabOrder, onClick);
    }
    void Label(const char* name, int l, int t, int w, int h, int tabOrder, TDocument doc,
               int tabStop = 0) {
        // The text first: the label sizes itself to it, the size stored is the designed one.
        TProps label = F.Make(Sheet, "TVQRichLabel", name)
                           .Set("RichText", RichText(doc, tabStop))
                           .Bounds(l, t, w, h)
                           .Set("ParentColor", true)
                           .Set("TabOrder", tabOrder)
                           .Set("TabStop", false);
        Texts[label] = {std::move(doc), tabStop};
    }
    void Page(TComponent* pages, const char* name, const char* caption) {
        Sheet = F.Make(pages, "TTabSheet", name).Set("Caption", caption);
    }
    void Build();
};

void TMainForm::Build() {
    TComponent* root = F.Root()
                           .Set("Left", 200)
                           .Set("Top", 120)
                           .Set("BorderIcons", Id("[biSystemMenu, biMinimize]"))
                           .Set("BorderStyle", Id("bsSingle"))
                           .Set("Caption", "Varnholt Quill Controls 2 Demo")
                           .Set("HelpContext", 100)
                           .Set("ClientHeight", 373)
                           .Set("ClientWidth", 422)
                           .Set("Font.Color", Id("clWindowText"))
                           .Set("Font.Height", -11)
                           .Set("Font.Name", "MS Sans Serif")
                           .Set("Position", Id("poScreenCenter"))
                           .Set("Scaled", false)
                           .Set("PixelsPerInch", 96)
                           .Set("TextHeight", 13)
                           .On("OnCreate", "FormCreate");
    const auto title = [&](int top, int w, int h, const char* caption, const char* color,
                           int height, const char* font, const char* style) {
        F.Make(root, "TLabel", "")
            .Bounds(12, top, w, h)
            .Set("Caption", caption)
            .Set("Font.Color", Id(color))
            .Set("Font.Height", height)
            .Set("Font.Name", font)
            .Set("Font.Style", Id(style))
            .Set("ParentFont", false);
    };
    title(10, 107, 29, "Varnholt", "clNavy", -24, "Arial", "[fsBold]");
    title(36, 208, 33, "Quill Controls 2", "clPurple", -29, "Times New Roman",
          "[fsBold, fsItalic]");
    TComponent* pages = F.Make(root, "TPageControl", "MainPc")
                            .Bounds(8, 80, 405, 217)
                            .Ref("ActivePage", "TabSheet3")
                            .Set("MultiLine", true)
                            .Set("TabOrder", 0);

    Page(pages, "WelcomeWp", "Welcome!");
    Label("VQRichLabel9", 16, 8, 365, 120, 0,
          {{B("Welcome to the Varnholt Quill Controls 2 demo!",
              {.Font = kSerif, .Size = 11, .Color = kNavy})},
           {},
           {B("Varnholt Quill Controls 2"),
            T(" is a package of more than two dozen controls and functions for Windows 95 "
              "applications: calendars, borders, images and meters, buttons, a wizard, rich "
              "text, tray icons, hot keys, dialogs and shell functions.")},
           {},
           {T("Each page of this demo presents one group. Read the description, then try the "
              "controls on the page or press "),
            B("Show..."), T(" to open a window full of them.")}});

    Page(pages, "TabSheet1", "Border, Image, and Meter");
    Label(
        "VQRichLabel6", 8, 16, 257, 70, 1,
        {{B("TVQBorder"), T(", "), B("TVQImage"), T(" and "), B("TVQMeter"),
          T(" are light graphic controls that follow the Windows 95 guidelines: "), B("borders"),
          T(" and group frames, "), B("images"), T(" with placement styles and transparency, and "),
          B("meters"), T(" drawn as bars or LED blocks.")}});
    Show("Form2Bt", 16, "Show...", 0, "Form2BtClick");

    Page(pages, "TabSheet11", "Bitmap button");
    Label("VQRichLabel14", 8, 16, 237, 57, 0,
          {{B("TVQBitmapButton"),
            T(" makes transparent, irregularly shaped buttons, with an image for each of the "),
            B("normal"), T(", "), B("pushed"), T(", "), B("disabled"), T(" and "), B("focused"),
            T(" states.")}});
    // The star pictures on magenta (the bottom-left pixel, so the corners and the gaps between
    // the points are see-through), the pressed one sunk; the button shows its pictures only
    // within the normal picture's shape.
    Control("TVQBitmapButton", "VQBitmapButton1", 256, 12, 104, 100)
        .Set("Caption", "VQBitmapButton1")
        .Set("TabOrder", 1)
        .Picture("BitmapNormal", "resources/pictures/StarNormal.bmp")
        .Picture("BitmapPressed", "resources/pictures/StarPressed.bmp");

    Page(pages, "TabSheet2", "Menu button and Splitter");
    Label("VQRichLabel5", 8, 16, 257, 70, 1,
          {{T("The "), B("menu button"), T(" drops down a menu of actions or choices, and the "),
            B("splitter"),
            T(" divides an area into two resizable panes: standard controls of today's leading "
              "applications, ready to drop on your forms.")}});
    Show("Form3Bt", 16, "Show...", 0, "Form3BtClick");

    Page(pages, "TabSheet3", "Calendar");
    Label("VQRichLabel4", 8, 16, 256, 57, 3,
          {{B("TVQCalendar"),
            T(" is a month calendar for selecting dates, for personal information managers and "
              "for daily data. The "),
            B("popup calendar"), T(" drops down automatically and returns the chosen date.")}});
    Show("Button1", 16, "Popup", 0, "Button1Click");
    Show("Button2", 48, "Standard", 1, "Button2Click");
    Show("Button3", 80, "Read Only", 2, "Button3Click");

    Page(pages, "TabSheet7", "Rich label");
    Label("VQRichLabel7", 8, 16, 377, 592, 0,
          {{B("TVQRichLabel"),
            T(" shows formatted text without a line of code: fonts, sizes, colours and "
              "paragraphs all come from its "),
            B("RichText"), T(" property.")},
           {},
           {T("You can use another font, such as "), T("Courier New", {.Font = kCourier}),
            T(", a larger size, such as "), T("10 point", {.Size = 10}),
            T(", or a colour, such as "), T("red", {.Color = kRed}), T(".")},
           {},
           {T("At design time the "), B("rich text property editor"),
            T(" lets you type and format the text with a tool bar, much like a word processor: "
              "bold, italic and underlined text, fonts, sizes, colours and paragraph "
              "alignment.")},
           {},
           {T("The label sizes itself to its text ("), B("AutoSize"),
            T("), wraps its lines to its width ("), B("WordWrap"),
            T(") and takes the colour of the form it sits on ("), B("ParentColor"), T(").")},
           {},
           {T("Labels like this one describe every page of this demo and every page of the "
              "sample wizard.")},
           {},
           {T("This label is taller than its page, so the page cuts it off here. The rest of "
              "the text is there all the same.")},
           {},
           {T("Rich labels never take the focus and never show a caret: they are for "
              "reading.")}});

    Page(pages, "TabSheet10", "Anim image");
    Control("TVQAnimImage", "VQAnimImage1", 292, 16, 89, 70)
        .Set("BorderSpace", 3)
        .Ref("ImageList", "ImageList1")
        .Set("Index", 9)
        .Set("Period", 1000);
    Control("TCheckBox", "AnimateCb", 292, 100, 97, 17)
        .Set("Caption", "Animate image")
        .Set("TabOrder", 0)
        .On("OnClick", "AnimateCbClick");
    Label("VQRichLabel13", 8, 16, 256, 141, 1,
          {{B("TVQAnimImage"), T(" steps through the frames of an "), B("image list"),
            T(" on a timer. Give it the image list and a "), B("Period"), T(", switch on "),
            B("Animate"), T(", and there is nothing more to do.")},
           {},
           {T("Check "), B("Animate image"), T(" to start the animation.")}});

    Page(pages, "TabSheet8", "Tray icon");
    Control("TCheckBox", "ShowTrayIconCb", 292, 16, 97, 17)
        .Set("Caption", "Show tray icon")
        .Set("TabOrder", 0)
        .On("OnClick", "ShowTrayIconCbClick");
    Label("VQRichLabel2", 8, 16, 257, 57, 1,
          {{B("TVQTrayIcon"),
            T(" puts your program into the notification area of the task bar, with an "), B("icon"),
            T(", a "), B("hint text"), T(", an automatic "), B("popup menu"), T(" and "),
            B("mouse events"), T(".")}});
    Label("VQRichLabel15", 292, 40, 97, 16, 2,
          {{T("Try the "), B("right mouse button"), T(" or a "), B("double click"),
            T(" on the task bar icon.")}});

    Page(pages, "TabSheet6", "Wizard");
    Label("VQRichLabel8", 8, 16, 257, 57, 1,
          {{B("TVQWizard"), T(" builds step-by-step dialogs with "), B("Back"), T(", "), B("Next"),
            T(", "), B("Finish"), T(", "), B("Cancel"), T(" and "), B("Help"),
            T(" buttons. The sample print wizard needs nothing more than a few images and rich "
              "labels.")}});
    Show("Form4Bt", 16, "Show...", 0, "Form4BtClick");

    Page(pages, "TabSheet9", "Hot key");
    Label("VQRichLabel10", 8, 16, 377, 70, 0,
          {{B("TVQHotKey"), T(" fires an event when its key combination is pressed. A "),
            B("global"), T(" hot key fires whatever application has the focus; a "), B("local"),
            T(" hot key fires only while this application is active, even past a modal window. "
              "Try both:")}});
    Label("VQRichLabel11", 24, 104, 333, 16, 1,
          {{B("Ctrl+L", kKey), Tab,
            T("Local hot key, only works if an application form is active.")}},
          720);
    Label("VQRichLabel12", 24, 124, 333, 16, 2,
          {{B("Ctrl+G", kKey), Tab,
            T("Global hot key, works no matter what application is active.")}},
          720);

    Page(pages, "TabSheet4", "Dialog controls");
    Label("VQRichLabel1", 8, 16, 257, 16, 2,
          {{B("TVQAboutDialog"), T(" and "), B("TVQTipDialog"),
            T(": about boxes and tips of the day.")}});
    Show("AboutBt", 16, "About...", 0, "AboutBtClick");
    Show("TipsBt", 48, "Tips...", 1, "TipsBtClick");

    Page(pages, "TabSheet5", "Shell functions");
    Label("VQRichLabel3", 8, 16, 373, 16, 6,
          {{T("Browse "), B("program folders"), T(", "), B("paths"), T(" and "), B("networks"),
            T(", find "), B("system folders"), T(" and make "), B("shortcuts"), T(".")}});
    Control("TEdit", "ProgramsEd", 20, 62, 261, 21).Set("TabOrder", 0);
    Show("BrowseProgramsBt", 60, "Programs...", 1, "BrowseProgramsBtClick");
    Control("TEdit", "FoldersEd", 20, 92, 261, 21).Set("TabOrder", 2);
    Show("BrowseFoldersBt", 90, "Folders...", 3, "BrowseFoldersBtClick");
    Control("TEdit", "ShortcutEd", 20, 122, 261, 21)
        .Set("TabOrder", 4)
        .Set("Text", "Sample Shortcut");
    Show("ShortcutBt", 120, "Make Shortcut", 5, "ShortcutBtClick");

    const auto link = [&](const char* name, int top, int w, const char* caption) {
        F.Make(root, "TLabel", name)
            .Bounds(12, top, w, 16)
            .Set("Caption", caption)
            .Set("Font.Color", Id("clPurple"))
            .Set("Font.Height", -13)
            .Set("Font.Name", "MS Sans Serif")
            .Set("Font.Style", Id("[fsBold]"))
            .Set("ParentFont", false);
    };
    link("Label2", 312, 273, "Visit us at www.example.com:");
    Button(root, "WebSiteBt", 308, 308, 105, "Access Web Site", 1, "WebSiteBtClick");
    link("Label4", 344, 284, "Place an order with your favorite reseller:");
    Button(root, "Button5", 308, 340, 105, "Order Information", 2, "Button5Click");

    // ImageList1: the ten 64 by 64 frames of VQAnimImage1, a pinwheel turning.
    F.Make(root, "TImageList", "ImageList1")
        .Set("Height", 64)
        .Set("Width", 64)
        .Picture("Bitmap", "resources/pictures/Pinwheel.png");
    // The tray icon with its menu, and the two hot keys (Ctrl+L local, Ctrl+G global).
    F.Make(root, "TVQTrayIcon", "TrayIconTi")
        .Set("Hint", "This is a sample hint!")
        .Picture("Icon", "resources/pictures/TrayQuill.ico")
        .Ref("PopupMenu", "PopupMenu1")
        .On("OnDblClick", "TrayIconTiDblClick");
    TComponent* menu = F.Make(root, "TPopupMenu", "PopupMenu1");
    F.Make(menu, "TMenuItem", "A1")
        .Set("Caption", "&Activate")
        .Set("Default", true)
        .On("OnClick", "A1Click");
    F.Make(menu, "TMenuItem", "N1").Set("Caption", "E&xit");
    F.Make(root, "TVQHotKey", "VQHotKey1")
        .Set("Global", false)
        .Set("HotKey", 16460)
        .On("OnHotKey", "VQHotKey1HotKey");
    F.Make(root, "TVQHotKey", "VQHotKey2").Set("HotKey", 16455).On("OnHotKey", "VQHotKey2HotKey");
    // The components behind the dialog page's buttons.
    F.Make(root, "TVQAboutDialog", "VQAboutDialog1")
        .Set("Caption", "About")
        .Set("Copyright", "Copyright \u00a9 2026 The Author")
        .Set("CustomButton", "&Custom Stuff")
        .Set("Description", "Published by the Varnholt Quill Controls team.\r\n")
        .Set("Product", "Varnholt Quill Controls - v1.1")
        .Set("Serial", "Serial number: 0000-0000-0000")
        .On("OnCustomClick", "VQAboutDialog1CustomClick")
        .On("OnIconDblClick", "VQAboutDialog1IconDblClick");
    F.Make(root, "TVQTipDialog", "VQTipDialog1")
        .Set("HelpContext", 1000)
        .Set("MoreTipsContext", 1001)
        .Set("ShowAtStartup", false)
        .Lines("Tips", {"Don't cross the street on a red light.",
                        "Never follow a horse while looking down.",
                        "Never follow a horse while looking up.", "You get the idea..."});
}

// ---------------------------------------------------------------------------------------------
// The peer: each rich label as HTML in the same fonts, sizes and colours, each button, check
// box and edit at the same place.

// The families the program's RTF reader maps the classic names to.
QString Family(const char* font) {
    if (font == kSerif) return QStringLiteral("Liberation Serif");
    if (font == kCourier) return QStringLiteral("Liberation Mono");
    return QStringLiteral("Liberation Sans");
}

// A run in the label's own font (the body font, 8 point) needs no span.
QString RunHtml(const TRun& run) {
    QString text = run.Text.toHtmlEscaped().replace(QLatin1String("&quot;"), QLatin1String("\""));
    if (run.Style.Bold) text = QStringLiteral("<b>%1</b>").arg(text);
    QStringList style;
    if (run.Style.Font != kSans)
        style << QStringLiteral("font-family:'%1'").arg(Family(run.Style.Font));
    if (run.Style.Size != 8) style << QStringLiteral("font-size:%1pt").arg(run.Style.Size);
    if (run.Style.Color != kAuto)
        style << QStringLiteral("color:%1").arg(QColor(run.Style.Color).name());
    if (style.isEmpty()) return text;
    return QStringLiteral("<span style=\"%1\">%2</span>")
        .arg(style.join(QLatin1String("; ")), text);
}

// A paragraph with a tab becomes a two-column table, the first column as wide as the tab stop
// (15 twips to a pixel): QLabel's rich text has no tab stops of its own.
QString Html(const TDocument& doc, int tabStop) {
    QString out;
    for (const TPara& para : doc) {
        if (para.Runs.empty()) {
            out += QStringLiteral("<p style=\"margin:0\">&nbsp;</p>");
            continue;
        }
        QString cells[2];
        int cell = 0;
        for (const TRun& run : para.Runs) {
            if (run.Text == Tab.Text)
                cell = 1;
            else
                cells[cell] += RunHtml(run);
        }
        if (cell)
            out += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr><td width=\"%1\">"
                                  "%2</td><td>%3</td></tr></table>")
                       .arg((tabStop ? tabStop : 720) / 15)
                       .arg(cells[0], cells[1]);
        else
            out += QStringLiteral("<p style=\"margin:0\">%1</p>").arg(cells[0]);
    }
    return out;
}

QString CString(QString text) {
    text.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\""));
    return u'"' + text.replace(u'\t', QLatin1String("\\t")) + u'"';
}

// The peer's item for a control: its kind, place and text.
QString PeerItem(const TComponent* c, const TRichTexts& texts, bool oneLine) {
    const auto prop = [&](const char* name) -> int64_t {
        return c->ClassType()->FindProperty(name)->GetOrd(c);
    };
    const auto text = [&](const char* name) {
        const TPropInfo* p = c->ClassType()->FindProperty(name);
        return p ? p->GetString(c) : QString();
    };
    const std::string& cls = c->ClassType()->Name();
    QString kind = QStringLiteral("PeerButton"), value = text("Caption");
    if (const auto it = texts.find(c); it != texts.end()) {
        kind = QStringLiteral("PeerRichLabel");
        value = Html(it->second.first, it->second.second);
    } else if (cls == "TCheckBox") {
        kind = QStringLiteral("PeerCheckBox");
    } else if (cls == "TEdit") {
        kind = QStringLiteral("PeerEdit");
        value = text("Text");
    } else if (cls == "TVQAnimImage") {
        kind = QStringLiteral("PeerImage");
    }
    return QStringLiteral("    {%1, %2, %3, %4, %5,%6%7},\n")
        .arg(kind)
        .arg(prop("Left"))
        .arg(prop("Top"))
        .arg(prop("Width"))
        .arg(prop("Height"))
        .arg(oneLine ? QStringLiteral(" ") : QStringLiteral("\n     "), CString(value));
}

} // namespace

std::string MainFormDescription() {
    TMainForm form;
    form.Build();
    return form.F.Write();
}

std::string StartupPeerHeader() {
    TMainForm form;
    form.Build();
    TComponent* root = form.F.Root();
    const TComponent* pages = root->FindComponent(QStringLiteral("MainPc"));
    QString out = QStringLiteral(
        "// Written by tools/formgen (vqformgen) from the main window's description; do not\n"
        "// edit. The pages of bench_startup's plain Qt peer; each rich label's own font is\n"
        "// Liberation Sans 8 point.\n\n#pragma once\n\n// clang-format off\n\n"
        "enum PeerKind { PeerRichLabel, PeerButton, PeerCheckBox, PeerEdit, PeerImage };\n\n"
        "struct PeerItem {\n    PeerKind kind;\n    int left, top, width, height;\n"
        "    const char* text; // HTML for a rich label\n};\n\n"
        "struct PeerPage {\n    const char* caption;\n    const PeerItem* items;\n"
        "    int count;\n};\n\n");
    QString table;
    int page = 0;
    pages->GetChildren(
        [&](TComponent* sheet) {
            out += QStringLiteral("inline constexpr PeerItem PeerPage%1Items[] = {\n").arg(page);
            int count = 0;
            sheet->GetChildren(
                [&](TComponent* c) {
                    out += PeerItem(c, form.Texts, false);
                    ++count;
                },
                root);
            out += QStringLiteral("};\n");
            const TPropInfo* caption = sheet->ClassType()->FindProperty("Caption");
            table += QStringLiteral("    {%1, PeerPage%2Items, %3},\n")
                         .arg(CString(caption->GetString(sheet)))
                         .arg(page++)
                         .arg(count);
        },
        root);
    out += QStringLiteral("\ninline constexpr PeerPage PeerPages[] = {\n") + table + "};\n";
    // The window's own buttons (after the pages in the description).
    out += QStringLiteral("\ninline constexpr PeerItem PeerWindowItems[] = {\n");
    root->GetChildren(
        [&](TComponent* c) {
            if (c->ClassType()->Name() == "TButton") out += PeerItem(c, form.Texts, true);
        },
        root);
    out += QStringLiteral("};\n\n// clang-format on\n");
    return out.toStdString();
}
