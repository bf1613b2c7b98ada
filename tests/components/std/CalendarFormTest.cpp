// Form descriptions: the three calendars of the "Standard" demo window, stored date parts, and
// writing back what was read. With VQ_CALENDAR_HOLD_MS set, the window stays shown that long
// (for a look at it on a real X server).
#include "CalendarTestSupport.h"

#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"

namespace {

class TCalendarStandardFm : public TForm {
    VQ_CLASS(TCalendarStandardFm, TForm)
public:
    using TForm::TForm;
    TVQCalendar* VQCalendar1 = nullptr;
    TVQCalendar* VQCalendar2 = nullptr;
    TVQCalendar* VQCalendar3 = nullptr;

    void FormCreate(TObject*) {
        VQCalendar1->SetDate(::Date());
        VQCalendar2->SetDate(::Date());
        VQCalendar3->SetDate(::Date());
    }
    static bool Weekend(TDateTime d) { return DayOfWeek(d) == 1 || DayOfWeek(d) == 7; }
    void VQCalendar2SelectColor(TObject*, TGridDrawState s, TDateTime d, TColor& bg, TColor&) {
        if ((!s.Contains(gdSelected) || !VQCalendar2->Options().Contains(vqcoDrawSelected)) &&
            Weekend(d))
            bg = MakeColor(0xE8FFFF);
    }
    void VQCalendar3SelectColor(TObject*, TGridDrawState s, TDateTime d, TColor& bg, TColor& fg) {
        if (d == ::Date() && !s.Contains(gdSelected)) fg = clGreen;
        if (!s.Contains(gdSelected) && Weekend(d)) bg = MakeColor(0xE8FFFF);
    }
};

} // namespace

VQ_PUBLISH(TCalendarStandardFm) {
    P.Inherit();
    P.ComponentField("VQCalendar1", &TCalendarStandardFm::VQCalendar1);
    P.ComponentField("VQCalendar2", &TCalendarStandardFm::VQCalendar2);
    P.ComponentField("VQCalendar3", &TCalendarStandardFm::VQCalendar3);
    P.Handler("FormCreate", &TCalendarStandardFm::FormCreate);
    P.Handler("VQCalendar2SelectColor", &TCalendarStandardFm::VQCalendar2SelectColor);
    P.Handler("VQCalendar3SelectColor", &TCalendarStandardFm::VQCalendar3SelectColor);
}

namespace {

// The calendars of the demo's calendar-options window, as its description sets them.
const char* const kStandardForm = R"(object CalendarStandardFm: TCalendarStandardFm
  Left = 100
  Top = 100
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Calendar'
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Scaled = False
  ShowHint = True
  OnCreate = FormCreate
  object VQCalendar1: TVQCalendar
    Left = 20
    Top = 64
    Width = 185
    Height = 96
    Ctl3D = True
    HeadingFont.Color = clBlack
    HeadingFont.Height = -11
    HeadingFont.Name = 'MS Sans Serif'
    HeadingFont.Style = [fsBold]
    HeadingStyle = vqdSingleLetter
    Options = [vqcoIntegralSize, vqcoShowHeadings, vqcoUseHeadingFont, vqcoDefaultDrawing, vqcoDrawGridLines, vqcoDrawSelected, vqcoDrawFocused]
    ParentCtl3D = False
    StartOfWeek = vqdSunday
    TabOrder = 0
  end
  object VQCalendar3: TVQCalendar
    Left = 216
    Top = 64
    Width = 185
    Height = 96
    HeadingFont.Color = clYellow
    HeadingFont.Height = -11
    HeadingFont.Name = 'MS Sans Serif'
    HeadingStyle = vqdSingleLetter
    Font.Color = 4194432
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Options = [vqcoIntegralSize, vqcoShowHeadings, vqcoUseHeadingFont, vqcoDefaultDrawing, vqcoDrawAllDates, vqcoDrawGridLines, vqcoDrawSelected, vqcoDrawFocused]
    ParentFont = False
    StartOfWeek = vqdSunday
    TabOrder = 1
    OnSelectColor = VQCalendar3SelectColor
  end
  object VQCalendar2: TVQCalendar
    Left = 168
    Top = 200
    Width = 234
    Height = 150
    Ctl3D = True
    HeadingColor = clPurple
    HeadingFont.Color = clWhite
    HeadingFont.Height = -11
    HeadingFont.Name = 'MS Sans Serif'
    HeadingFont.Style = [fsBold, fsItalic]
    Options = [vqcoIntegralSize, vqcoShowHeadings, vqcoUseHeadingFont, vqcoDefaultDrawing, vqcoDrawAllDates, vqcoDrawGridLines, vqcoDrawSelected, vqcoDrawFocused]
    ParentCtl3D = False
    StartOfWeek = vqdMonday
    TabOrder = 2
    OnSelectColor = VQCalendar2SelectColor
  end
end
)";

class CalendarFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetFormatSettings(TFormatSettings::English());
        RegisterVQStdCmpClasses();
    }
    void TearDown() override { ResetFormatSettings(); }
};

} // namespace

TEST_F(CalendarFormTest, StandardWindowCalendars) {
    auto form = std::make_unique<TCalendarStandardFm>(nullptr);
    form->SetBounds(100, 100, 436, 406);
    form->ReadFromText(kStandardForm, QStringLiteral("CalendarStandard"));
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
    for (TVQCalendar* c : {form->VQCalendar1, form->VQCalendar3}) {
        EXPECT_EQ(c->Width(), 185);
        EXPECT_EQ(c->Height(), 96);
        EXPECT_EQ(c->ColWidths(0), 25);
        EXPECT_EQ(c->RowHeights(0), 14);
        EXPECT_EQ(c->RowHeights(1), 12);
        EXPECT_EQ(c->Date(), ::Date());
    }
    TVQCalendar* c2 = form->VQCalendar2;
    EXPECT_EQ(c2->Width(), 234);
    EXPECT_EQ(c2->Height(), 150);
    EXPECT_EQ(c2->ColWidths(6), 32);
    EXPECT_EQ(c2->RowHeights(6), 21);
    EXPECT_EQ(c2->CellText(0, 0), "Mon");
    EXPECT_EQ(form->VQCalendar1->CellText(0, 0), "S");
    EXPECT_EQ(form->VQCalendar3->Font()->Color(), RGB(128, 0, 64));
    EXPECT_EQ(form->VQCalendar3->HeadingFont()->Color(), clYellow);
    EXPECT_TRUE(static_cast<bool>(c2->OnSelectColor));

    if (const int hold = qEnvironmentVariableIntValue("VQ_CALENDAR_HOLD_MS"); hold > 0)
        QTest::qWait(hold);
}

TEST_F(CalendarFormTest, WrittenDescriptionReadsBackTheSame) {
    auto form = std::make_unique<TCalendarStandardFm>(nullptr);
    form->ReadFromText(kStandardForm, QStringLiteral("CalendarStandard"));
    const std::string text = TFormWriter::Write(form.get());
    EXPECT_EQ(text.find("About"), std::string::npos);
    EXPECT_NE(text.find("StartOfWeek = vqdMonday"), std::string::npos);
    EXPECT_NE(text.find("HeadingFont.Style = [fsBold, fsItalic]"), std::string::npos);
    auto again = std::make_unique<TCalendarStandardFm>(nullptr);
    again->ReadFromText(text, QStringLiteral("written"));
    // The calendars' part of the text (the window's own frame sizes are the form's business).
    const auto calendars = [](const std::string& t) { return t.substr(t.find("  object ")); };
    EXPECT_EQ(calendars(TFormWriter::Write(again.get())), calendars(text));
    EXPECT_EQ(again->VQCalendar2->Date(), form->VQCalendar2->Date());
}

TEST_F(CalendarFormTest, StoredDatePartsApplyInPublishedOrder) {
    auto form = std::make_unique<TForm>(nullptr);
    form->ReadFromText(R"(object F: TForm
  object Cal: TVQCalendar
    Day = 20
    Month = 2
    Year = 2021
    HeadingStyle = vqdLongName
  end
  object Today: TVQCalendar
  end
end
)");
    auto* cal = dynamic_cast<TVQCalendar*>(form->FindComponent("Cal"));
    ASSERT_NE(cal, nullptr);
    EXPECT_EQ(cal->Date(), EncodeDate(2021, 2, 20));
    // Without vqcoUseHeadingFont the heading font is not written; the date parts are when a
    // date was given, and the today a calendar starts with is not.
    std::string text = TFormWriter::Write(form.get());
    EXPECT_EQ(text.find("HeadingFont"), std::string::npos);
    EXPECT_EQ(text.find("Day = "), text.rfind("Day = "));
    EXPECT_NE(text.find("Day = 20"), std::string::npos);
    EXPECT_NE(text.find("Month = 2"), std::string::npos);
    EXPECT_NE(text.find("Year = 2021"), std::string::npos);
    EXPECT_NE(text.find("StartOfWeek = vqdSunday"), std::string::npos);
    EXPECT_NE(text.find("HeadingStyle = vqdLongName"), std::string::npos);
    auto* today = dynamic_cast<TVQCalendar*>(form->FindComponent("Today"));
    today->SetDay(today->Day() == 1 ? 2 : 1);
    text = TFormWriter::Write(form.get());
    EXPECT_NE(text.find("Day = "), text.rfind("Day = "));
}
