#include "app/Form7.h"

#include "components/std/VQCalendar.h"
#include "framework/comctrls/UpDown.h"
#include "framework/controls/Dialogs.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"
#include "framework/stdctrls/BitBtn.h"
#include "framework/stdctrls/Label.h"

TForm7Fm* Form7Fm = nullptr;

namespace {
constexpr TColor clPaleYellow = TColor(0xE8FFFF);
// Note lines: below the day number, one font height apart.
constexpr int kNotesLeft = 2;
constexpr int kNotesTop = 12;
constexpr int kLineHeight = 9;
} // namespace

VQ_PUBLISH(TForm7Fm) {
    using C = TForm7Fm;
    P.Inherit();
    P.ComponentField("BitBtn1", &C::BitBtn1);
    P.ComponentField("CurrentDateLb", &C::CurrentDateLb);
    P.ComponentField("MonthLb", &C::MonthLb);
    P.ComponentField("YearLb", &C::YearLb);
    P.ComponentField("MonthUd", &C::MonthUd);
    P.ComponentField("YearUd", &C::YearUd);
    P.ComponentField("VQCalendar1", &C::VQCalendar1);
    P.Handler("FormCreate", &C::FormCreate);
    P.Handler("MonthUdClick", &C::MonthUdClick);
    P.Handler("YearUdClick", &C::YearUdClick);
    P.Handler("VQCalendar1SelectColor", &C::VQCalendar1SelectColor);
    P.Handler("VQCalendar1DragOver", &C::VQCalendar1DragOver);
    P.Handler("VQCalendar1DragDrop", &C::VQCalendar1DragDrop);
    P.Handler("VQCalendar1DrawDate", &C::VQCalendar1DrawDate);
}

TForm7Fm::TForm7Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm7Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form7.vqf");
}

TForm7Fm::TNotes TForm7Fm::NotesOf(int day) {
    switch (day) {
    case 1:
        return {QStringLiteral("Meet Sandra Whitlow at 4:15 pm."),
                QStringLiteral("Tom will go over Linda's figures."),
                QStringLiteral("Prepare last month's reports.")};
    case 4:
        return {QStringLiteral("Staff meeting at 10:00 am."),
                QStringLiteral("Was meeting at 9 or 10?"),
                QStringLiteral("Pick-up last month's reports for meeting.")};
    case 11:
        return {QStringLiteral("Appointment with broker at 3:00 pm"), {}, {}};
    case 16:
        return {{}, QStringLiteral("Check options for QRTZ, FENX and MOLB."), {}};
    case 17:
        return {QStringLiteral("Lunch with Peter Allard at 1:00 pm."),
                {},
                QStringLiteral("Pick up the Hargreaves campaign.")};
    case 26:
        return {QStringLiteral("General meeting at 9:00 am."), {}, {}};
    case 27:
        return {{},
                QStringLiteral("Read Market Week on the Orrin, Dalby and Kestel alliance."),
                QStringLiteral("Laundry day.")};
    default:
        return {};
    }
}

void TForm7Fm::FormCreate(TObject*) {
    VQCalendar1->SetDate(::Date());
    UpdateLabels();
    MonthUd->SetPosition(VQCalendar1->Month());
    YearUd->SetPosition(VQCalendar1->Year());
}

void TForm7Fm::UpdateLabels() {
    CurrentDateLb->SetCaption(FormatDateTime(QStringLiteral("dddddd"), VQCalendar1->Date()));
    MonthLb->SetCaption(LongMonthNames(VQCalendar1->Month()));
    YearLb->SetCaption(QString::number(VQCalendar1->Year()));
}

void TForm7Fm::MonthUdClick(TObject*, TUDBtnType) {
    VQCalendar1->SetMonth(MonthUd->Position());
    UpdateLabels();
}

void TForm7Fm::YearUdClick(TObject*, TUDBtnType) {
    VQCalendar1->SetYear(YearUd->Position());
    UpdateLabels();
}

void TForm7Fm::VQCalendar1SelectColor(TObject*, TGridDrawState, TDateTime ADate, TColor& AColor,
                                      TColor& AFontColor) {
    const int day = DayOfWeek(ADate);
    if (day == 1 || day == 7) AColor = clPaleYellow;
    if (ADate == ::Date()) AFontColor = clRed;
}

void TForm7Fm::VQCalendar1DragOver(TObject*, TObject*, int, int, TDragState, bool& Accept) {
    Accept = true;
}

void TForm7Fm::VQCalendar1DragDrop(TObject*, TObject*, int X, int Y) {
    int col = 0, row = 0;
    if (!VQCalendar1->CellAtPoint(TPoint{X, Y}, col, row)) return;
    MessageDlg(QStringLiteral("You dropped on: ") + VQCalendar1->CellText(col, row), mtInformation,
               TMsgDlgButtons{mbOK}, 0);
}

void TForm7Fm::VQCalendar1DrawDate(TObject*, TGridDrawState, const TRect& ARect, TDateTime ADate) {
    int year = 0, month = 0, day = 0;
    DecodeDate(ADate, year, month, day);
    const int weekday = DayOfWeek(ADate);
    if (month != VQCalendar1->Month() || year != VQCalendar1->Year() || weekday == 1 ||
        weekday == 7)
        return;
    const TNotes notes = NotesOf(day);
    TCanvas* canvas = VQCalendar1->Canvas();
    canvas->Font()->Assign(VQCalendar1->Font());
    canvas->Brush()->SetStyle(bsClear);
    const int mode = canvas->SetBkMode(TRANSPARENT);
    int y = ARect.Top + kNotesTop;
    const std::pair<const String*, TColor> lines[] = {
        {&notes.Appointment, clNavy}, {&notes.Note, clGreen}, {&notes.ToDo, clRed}};
    for (const auto& [text, color] : lines) {
        if (text->isEmpty()) continue;
        canvas->Font()->SetColor(color);
        canvas->TextRect(ARect, ARect.Left + kNotesLeft, y, *text);
        y += kLineHeight;
    }
    canvas->SetBkMode(mode);
}
