// The calendar windows: the drop-down calendar dialog of the VQCalPop unit
// (components/dialogs/VQCalPop/resources/forms/VQCalendarFm.vqf) and the three calendar demo
// windows (resources/forms/Form5.vqf, Form6.vqf, Form7.vqf).

#include "tools/formgen/FormGen.h"

namespace {

// A font spelled out whole (prefix "Font" or "HeadingFont").
TProps& Font(TProps& p, const char* prefix, const char* color, int height = -11,
             const char* name = "MS Sans Serif", const char* style = "[]") {
    const std::string s(prefix);
    return p.Set(s + ".Color", Id(color))
        .Set(s + ".Height", height)
        .Set(s + ".Name", name)
        .Set(s + ".Style", Id(style));
}

// A demo window's frame: a dialog centred on the screen, in the classic font.
TProps Window(TFormBuilder& f, const char* caption, int width, int height) {
    TProps root = f.Root()
                      .Set("Left", 200)
                      .Set("Top", 120)
                      .Set("BorderIcons", Id("[biSystemMenu]"))
                      .Set("BorderStyle", Id("bsDialog"))
                      .Set("Caption", caption)
                      .Set("ClientHeight", height)
                      .Set("ClientWidth", width);
    return Font(root, "Font", "clWindowText")
        .Set("Position", Id("poScreenCenter"))
        .Set("PixelsPerInch", 96)
        .Set("TextHeight", 13);
}

constexpr const char* kOptions = "vqcoIntegralSize, vqcoShowHeadings, vqcoUseHeadingFont, "
                                 "vqcoDefaultDrawing, vqcoDrawGridLines, vqcoDrawSelected, "
                                 "vqcoDrawFocused";

std::string Options(const char* extra = nullptr) {
    std::string options = "[";
    options += kOptions;
    if (extra) {
        options += ", ";
        options += extra;
    }
    return options + "]";
}

} // namespace

std::string CalendarFmDescription() {
    const char* const pictures = "components/dialogs/VQCalPop/resources/pictures/";
    TFormBuilder f("TVQCalendarFm", "VQCalendarFm");
    TProps root = f.Root()
                      .Set("Left", 0)
                      .Set("Top", 0)
                      .Set("BorderIcons", Id("[]"))
                      .Set("BorderStyle", Id("bsNone"))
                      // No title bar shows it; it names the window to the window manager.
                      .Set("Caption", "Calendar")
                      .Set("ClientHeight", 120)
                      .Set("ClientWidth", 181)
                      .Set("Color", Id("clBtnFace"))
                      .Set("Ctl3D", false);
    Font(root, "Font", "clWindowText")
        .Set("FormStyle", Id("fsStayOnTop"))
        .Set("KeyPreview", true)
        .Set("Scaled", false)
        .Ref("ActiveControl", "CalendarCd")
        .On("OnClose", "FormClose")
        .On("OnCreate", "FormCreate")
        .On("OnKeyDown", "CalendarFmKeyDown")
        .Set("PixelsPerInch", 96)
        .Set("TextHeight", 13);
    TComponent* panel = f.Make(root, "TPanel", "Panel1")
                            .Bounds(0, 0, 181, 22)
                            .Set("Align", Id("alTop"))
                            .Set("BevelOuter", Id("bvNone"))
                            .Set("TabOrder", 1);
    const auto combo = [&](const char* name, int left, int width, int count, int tabOrder,
                           const char* onChange) {
        f.Make(panel, "TComboBox", name)
            .Bounds(left, 0, width, 21)
            .Set("Style", Id("csDropDownList"))
            .Set("Ctl3D", false)
            .Set("DropDownCount", count)
            .Set("ItemHeight", 13)
            .Set("ParentCtl3D", false)
            .Set("TabOrder", tabOrder)
            .On("OnChange", onChange)
            .On("OnKeyDown", "CalendarFmKeyDown");
    };
    combo("MonthCb", 0, 78, 12, 0, "MonthCbChange");
    combo("YearCb", 79, 60, 10, 1, "YearCbChange");
    const auto glyph = [&](const char* name, int left, const char* picture, const char* onClick) {
        f.Make(panel, "TSpeedButton", name)
            .Bounds(left, 2, 17, 17)
            .Picture("Glyph", QString::fromUtf8(pictures) + picture)
            .Set("Spacing", 0)
            .On("OnClick", onClick);
    };
    glyph("OKBt", 142, "Check.bmp", "OKBtClick");
    glyph("CancelBt", 162, "Cross.bmp", "CancelBtClick");
    TProps cal = f.Make(root, "TVQCalendar", "CalendarCd")
                     .Bounds(0, 22, 181, 98)
                     .Set("Align", Id("alClient"))
                     .Set("BorderStyle", Id("bsNone"))
                     .Set("Color", Id("clBtnHighlight"))
                     .Set("Ctl3D", true)
                     .Set("GrayTextColor", Id("clBtnShadow"));
    Font(Font(cal, "HeadingFont", "clBtnText"), "Font", "clBtnText")
        .Set("Options", Id("[vqcoShowHeadings, vqcoUseHeadingFont, vqcoDefaultDrawing, "
                           "vqcoDrawAllDates, vqcoDrawSelected, vqcoDrawFocused]"))
        .Set("ParentCtl3D", false)
        .Set("ParentFont", false)
        .Set("StartOfWeek", Id("vqdSunday"))
        .Set("TabOrder", 0)
        .On("OnDblClick", "CalendarCdDblClick");
    return f.Write();
}

std::string Form5Description() {
    TFormBuilder f("TForm5Fm", "Form5Fm");
    TComponent* root =
        Window(f, "Popup Calendar", 333, 141).Set("Scaled", false).Set("ShowHint", true);
    f.Make(root, "TVQBorder", "VQBevel1")
        .Bounds(12, 12, 309, 77)
        .Set("Caption", "Popup Calendar")
        .Set("BorderStyle", Id("vqbsGroup"));
    f.Make(root, "TLabel", "Label2")
        .Bounds(20, 28, 189, 53)
        .Set("AutoSize", false)
        .Set("Caption", "A popup calendar allows you to display a complete calendar, with \"OK\" "
                        "and \"Cancel\" buttons, month and year combo boxes, and a calendar "
                        "control.")
        .Set("WordWrap", true);
    f.Make(root, "TButton", "Button1")
        .Bounds(224, 28, 89, 25)
        .Set("Caption", "&Popup")
        .Set("TabOrder", 0)
        .On("OnClick", "Button1Click");
    f.Make(root, "TButton", "CloseBt")
        .Bounds(122, 104, 89, 25)
        .Set("Cancel", true)
        .Set("Caption", "&Close")
        .Set("Default", true)
        .Set("ModalResult", 1)
        .Set("TabOrder", 1);
    f.Make(root, "TVQCalendarPopup", "VQCalendarPopup1");
    return f.Write();
}

std::string Form6Description() {
    TFormBuilder f("TForm6Fm", "Form6Fm");
    TComponent* root = Window(f, "Calendar", 430, 377)
                           .Set("Scaled", false)
                           .Set("ShowHint", true)
                           .Ref("ActiveControl", "VQCalendar1")
                           .On("OnCreate", "FormCreate");
    f.Make(root, "TVQImage", "HintIm")
        .Bounds(12, 6, 24, 24)
        .Set("ParentColor", false)
        .Picture("Picture", "resources/pictures/HintNote.bmp")
        .Set("Transparent", true);
    f.Make(root, "TLabel", "Label1")
        .Bounds(44, 12, 248, 13)
        .Set("Caption", "Move pointer over controls to see popup information.")
        .Set("Font.Color", Id("clNavy"))
        .Set("Font.Height", -11)
        .Set("Font.Name", "MS Sans Serif")
        .Set("ParentFont", false)
        .Set("WordWrap", true);
    f.Make(root, "TVQBorder", "VQBevel2")
        .Bounds(12, 44, 405, 129)
        .Set("Caption", "Standard")
        .Set("BorderStyle", Id("vqbsGroup"));
    f.Make(root, "TVQBorder", "VQBevel3")
        .Bounds(12, 184, 405, 181)
        .Set("Caption", "Custom")
        .Set("BorderStyle", Id("vqbsGroup"));
    TProps cal1 =
        f.Make(root, "TVQCalendar", "VQCalendar1").Bounds(20, 64, 185, 96).Set("Ctl3D", true);
    Font(cal1, "HeadingFont", "clBlack", -11, "MS Sans Serif", "[fsBold]")
        .Set("HeadingStyle", Id("vqdSingleLetter"))
        .Set("Hint", Crlf({"Calendar showing only the dates for the current month.",
                           "It uses a bolded font for the heading."}))
        .Set("Options", Id(Options().c_str()))
        .Set("ParentCtl3D", false)
        .Set("StartOfWeek", Id("vqdSunday"))
        .Set("TabOrder", 0);
    TProps cal3 = f.Make(root, "TVQCalendar", "VQCalendar3").Bounds(216, 64, 185, 96);
    Font(Font(cal3, "HeadingFont", "clYellow").Set("HeadingStyle", Id("vqdSingleLetter")), "Font",
         "4194432")
        .Set("Hint", Crlf({"Shows all dates but can only select current month dates.",
                           "The heading uses a bold blue font. The \"OnSelectColor\"",
                           "event is used to shade weekends and set the current day", "to green."}))
        .Set("Options", Id(Options("vqcoDrawAllDates").c_str()))
        .Set("ParentFont", false)
        .Set("StartOfWeek", Id("vqdSunday"))
        .Set("TabOrder", 1)
        .On("OnSelectColor", "VQCalendar3SelectColor");
    TProps cal2 = f.Make(root, "TVQCalendar", "VQCalendar2")
                      .Bounds(168, 200, 234, 150)
                      .Set("Ctl3D", true)
                      .Set("HeadingColor", Id("clPurple"));
    Font(cal2, "HeadingFont", "clWhite", -11, "MS Sans Serif", "[fsBold, fsItalic]")
        .Set("Hint", Crlf({"Customized calendar with: First day set to Monday,",
                           "the text aligned to the top right, and the \"OnSelectColor\"",
                           "is used to shade weekends. Use the settings on the left,",
                           "to change just some of the available properties."}))
        .Set("Options", Id(Options("vqcoDrawAllDates").c_str()))
        .Set("ParentCtl3D", false)
        .Set("StartOfWeek", Id("vqdMonday"))
        .Set("TabOrder", 10)
        .On("OnDrawDate", "VQCalendar2DrawDate")
        .On("OnSelectColor", "VQCalendar2SelectColor")
        .On("OnSelectDate", "VQCalendar2SelectDate");
    struct TCheck {
        const char* Name;
        int Top;
        const char* Caption;
        bool Checked;
        int TabOrder;
        QString Hint;
        const char* OnClick;
    };
    const TCheck checks[] = {
        {"CheckBox1", 204, "Show &headings.", true, 2,
         Crlf({"Show or hide the headings of this calendar. It uses short",
               "day names for its heading; single letters, short names or",
               "long names can be chosen, and all of them follow the language",
               "of the system the program runs on."}),
         "CheckBox1Click"},
        {"CheckBox3", 224, "Draw &gridlines", true, 3,
         Crlf({"Toggle showing and hiding of the gridlines. You can also",
               "hide the \"3D\" gridlines of the headings to have a completely", "flush look."}),
         "CheckBox3Click"},
        {"CheckBox2", 244, "Draw &all dates", true, 4,
         Crlf({"Toggle between showing only current month dates,",
               "or current, previous, and next month dates."}),
         "CheckBox2Click"},
        {"CheckBox4", 264, "&Select all dates", false, 5,
         Crlf({"Toggle between selecting only current month dates,",
               "or current, previous, and next month dates."}),
         "CheckBox4Click"},
        {"CheckBox8", 284, "&Do not select Sundays", false, 6,
         Crlf({"Select to block out Sundays, using the \"OnSelectDate\" event."}),
         "CheckBox8Click"},
        {"CheckBox5", 304, "Draw se&lection rect", true, 7,
         Crlf({"Select to draw the highlighted selection square."}), "CheckBox5Click"},
        {"CheckBox6", 324, "Draw &focus rect", true, 8,
         Crlf({"Select to draw the focus square when the calendar", "is the active control."}),
         "CheckBox6Click"},
        {"CheckBox7", 344, "C&ustom draw cell", false, 9,
         Crlf({"Select to enable custom drawing using the \"OnDrawCell\" event.",
               "In this case, we draw a \"3D\" button on the highlighted date."}),
         "CheckBox7Click"},
    };
    for (const TCheck& c : checks) {
        TProps box =
            f.Make(root, "TCheckBox", c.Name).Bounds(20, c.Top, 141, 17).Set("Caption", c.Caption);
        if (c.Checked) box.Set("State", Id("cbChecked"));
        box.Set("Hint", c.Hint).Set("TabOrder", c.TabOrder).On("OnClick", c.OnClick);
    }
    return f.Write();
}

std::string Form7Description() {
    TFormBuilder f("TForm7Fm", "Form7Fm");
    TComponent* root = Window(f, "Calendar", 590, 400).On("OnCreate", "FormCreate");
    f.Make(root, "TBitBtn", "BitBtn1")
        .Bounds(12, 16, 69, 61)
        .Set("Caption", "Drag Me!")
        .Set("DragMode", Id("dmAutomatic"))
        .Set("Hint", Crlf({"Drag from this component to the calendar to see",
                           "drag and drop detection in action!"}))
        .Set("TabOrder", 1)
        .Picture("Glyph", "resources/pictures/CalendarPage.bmp")
        .Set("Layout", Id("blGlyphTop"));
    f.Make(root, "TVQBorder", "VQBevel1")
        .Bounds(100, 12, 481, 65)
        .Set("Caption", "Read-Only")
        .Set("BorderStyle", Id("vqbsGroup"));
    f.Make(root, "TLabel", "Label1")
        .Bounds(108, 28, 465, 41)
        .Set("AutoSize", false)
        .Set("Caption", "A perfect use for the calendar control is in read-only mode, as a "
                        "means of displaying \"PIM\" information. For example, the calendar on "
                        "this form is tied to month and year controls, and displays "
                        "appointments and \"todo's\" drawn using the \"OnDrawDate\" event. ")
        .Set("WordWrap", true);
    // The labels in the larger font.
    const auto label = [&](const char* name, int left, int width, const char* caption, bool right) {
        TProps l = f.Make(root, "TLabel", name).Bounds(left, 88, width, 16);
        if (right) l.Set("Alignment", Id("taRightJustify")).Set("AutoSize", false);
        l.Set("Caption", caption);
        Font(l, "Font", "clWindowText", -13).Set("ParentFont", false);
    };
    const auto upDown = [&](const char* name, int left, int min, int max, int tabOrder,
                            const char* onClick) {
        f.Make(root, "TUpDown", name)
            .Bounds(left, 86, 14, 20)
            .Set("Min", min)
            .Set("Max", max)
            .Set("Position", min)
            .Set("TabOrder", tabOrder)
            // The month and year can be stepped from the keyboard too.
            .Set("TabStop", true)
            .On("OnClick", onClick);
    };
    label("Label2", 12, 85, "Current Date:", false);
    label("CurrentDateLb", 104, 4, " ", false);
    label("MonthLb", 356, 102, "  ", true);
    upDown("MonthUd", 464, 1, 12, 2, "MonthUdClick");
    label("YearLb", 516, 46, "  ", true);
    upDown("YearUd", 568, 1981, 2020, 3, "YearUdClick");
    TProps cal = f.Make(root, "TVQCalendar", "VQCalendar1")
                     .Bounds(12, 112, 569, 277)
                     .Set("Alignment", Id("vqcaTopLeft"))
                     .Set("Ctl3D", true)
                     .Set("HeadingColor", Id("clSilver"));
    Font(Font(cal, "HeadingFont", "clGreen", -13, "Arial", "[fsBold]")
             .Set("HeadingStyle", Id("vqdLongName")),
         "Font", "clWindowText", -9, "Arial")
        .Set("Options", Id("[vqcoShowHeadings, vqcoUseHeadingFont, vqcoDefaultDrawing, "
                           "vqcoDrawAllDates, vqcoDrawGridLines, vqcoReadOnly]"))
        .Set("ParentCtl3D", false)
        .Set("ParentFont", false)
        .Set("StartOfWeek", Id("vqdSunday"))
        .Set("TabOrder", 0)
        .On("OnDragDrop", "VQCalendar1DragDrop")
        .On("OnDragOver", "VQCalendar1DragOver")
        .On("OnDrawDate", "VQCalendar1DrawDate")
        .On("OnSelectColor", "VQCalendar1SelectColor");
    return f.Write();
}
