#include "app/Form6.h"

#include "components/std/VQCalendar.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/WinGdi.h"
#include "framework/stdctrls/CheckBox.h"

TForm6Fm* Form6Fm = nullptr;

namespace {
// Weekend cells: red 255, green 255, blue 232.
constexpr TColor clPaleYellow = TColor(0xE8FFFF);

bool IsWeekend(TDateTime date) {
    const int day = DayOfWeek(date);
    return day == 1 || day == 7;
}

bool IsChecked(TObject* checkBox) {
    return static_cast<TCheckBox*>(checkBox)->Checked();
}
} // namespace

VQ_PUBLISH(TForm6Fm) {
    using C = TForm6Fm;
    P.Inherit();
    P.ComponentField("VQCalendar1", &C::VQCalendar1);
    P.ComponentField("VQCalendar2", &C::VQCalendar2);
    P.ComponentField("VQCalendar3", &C::VQCalendar3);
    P.ComponentField("CheckBox1", &C::CheckBox1);
    P.ComponentField("CheckBox2", &C::CheckBox2);
    P.ComponentField("CheckBox3", &C::CheckBox3);
    P.ComponentField("CheckBox4", &C::CheckBox4);
    P.ComponentField("CheckBox5", &C::CheckBox5);
    P.ComponentField("CheckBox6", &C::CheckBox6);
    P.ComponentField("CheckBox7", &C::CheckBox7);
    P.ComponentField("CheckBox8", &C::CheckBox8);
    P.Handler("FormCreate", &C::FormCreate);
    P.Handler("CheckBox1Click", &C::CheckBox1Click);
    P.Handler("CheckBox2Click", &C::CheckBox2Click);
    P.Handler("CheckBox3Click", &C::CheckBox3Click);
    P.Handler("CheckBox4Click", &C::CheckBox4Click);
    P.Handler("CheckBox5Click", &C::CheckBox5Click);
    P.Handler("CheckBox6Click", &C::CheckBox6Click);
    P.Handler("CheckBox7Click", &C::CheckBox7Click);
    P.Handler("CheckBox8Click", &C::CheckBox8Click);
    P.Handler("VQCalendar2SelectColor", &C::VQCalendar2SelectColor);
    P.Handler("VQCalendar2SelectDate", &C::VQCalendar2SelectDate);
    P.Handler("VQCalendar2DrawDate", &C::VQCalendar2DrawDate);
    P.Handler("VQCalendar3SelectColor", &C::VQCalendar3SelectColor);
}

TForm6Fm::TForm6Fm(TComponent* AOwner) : TForm(AOwner) {}

String TForm6Fm::FormResourceName() const {
    return QStringLiteral(":/forms/Form6.vqf");
}

void TForm6Fm::FormCreate(TObject*) {
    const TDateTime today = ::Date();
    VQCalendar1->SetDate(today);
    VQCalendar2->SetDate(today);
    VQCalendar3->SetDate(today);
}

void TForm6Fm::SwitchOption(int option, TObject* checkBox) {
    TVQCalendarOptions options = VQCalendar2->Options();
    if (IsChecked(checkBox))
        options.Include(TVQCalendarOption(option));
    else
        options.Exclude(TVQCalendarOption(option));
    VQCalendar2->SetOptions(options);
}

void TForm6Fm::CheckBox1Click(TObject* Sender) {
    SwitchOption(vqcoShowHeadings, Sender);
}

void TForm6Fm::CheckBox3Click(TObject* Sender) {
    SwitchOption(vqcoDrawGridLines, Sender);
}

void TForm6Fm::CheckBox2Click(TObject* Sender) {
    if (IsChecked(Sender)) {
        SwitchOption(vqcoDrawAllDates, Sender);
        return;
    }
    // Dates that are not drawn cannot be selected either.
    CheckBox4->SetChecked(false);
    TVQCalendarOptions options = VQCalendar2->Options();
    options.Exclude(vqcoDrawAllDates);
    options.Exclude(vqcoSelectAllDates);
    VQCalendar2->SetOptions(options);
}

void TForm6Fm::CheckBox4Click(TObject* Sender) {
    // Selecting every date needs every date drawn.
    if (IsChecked(Sender)) CheckBox2->SetChecked(true);
    SwitchOption(vqcoSelectAllDates, Sender);
}

void TForm6Fm::CheckBox5Click(TObject* Sender) {
    SwitchOption(vqcoDrawSelected, Sender);
}

void TForm6Fm::CheckBox6Click(TObject* Sender) {
    SwitchOption(vqcoDrawFocused, Sender);
}

void TForm6Fm::CheckBox7Click(TObject* Sender) {
    if (IsChecked(Sender)) {
        // The raised button replaces the focus rectangle.
        CheckBox6->SetChecked(false);
        TVQCalendarOptions options = VQCalendar2->Options();
        options.Exclude(vqcoDrawFocused);
        VQCalendar2->SetOptions(options);
    }
    VQCalendar2->Repaint();
}

void TForm6Fm::CheckBox8Click(TObject*) {
    if (DayOfWeek(VQCalendar2->Date()) == 1) VQCalendar2->SetDay(1);
}

void TForm6Fm::VQCalendar2SelectColor(TObject*, TGridDrawState AState, TDateTime ADate,
                                      TColor& AColor, TColor&) {
    const bool selected = AState.Contains(gdSelected);
    if ((!selected || !VQCalendar2->Options().Contains(vqcoDrawSelected)) && IsWeekend(ADate))
        AColor = clPaleYellow;
    else if (CheckBox7->Checked() && selected)
        AColor = clBtnFace;
}

void TForm6Fm::VQCalendar2SelectDate(TObject*, TDateTime ADate, bool& CanSelect) {
    if (CheckBox8->Checked() && DayOfWeek(ADate) == 1) CanSelect = false;
}

void TForm6Fm::VQCalendar2DrawDate(TObject*, TGridDrawState AState, const TRect& ARect, TDateTime) {
    if (!CheckBox7->Checked() || !AState.Contains(gdSelected)) return;
    TCanvas* canvas = VQCalendar2->Canvas();
    canvas->Brush()->SetColor(clBlack);
    canvas->FrameRect(ARect);
    TRect inner{ARect.Left + 1, ARect.Top + 1, ARect.Right - 1, ARect.Bottom - 1};
    // A one-pixel 3D frame: light on the top and left, shadow on the bottom and right.
    canvas->FillRectColor(TRect{inner.Left, inner.Top, inner.Right - 1, inner.Top + 1},
                          clBtnHighlight);
    canvas->FillRectColor(TRect{inner.Left, inner.Top, inner.Left + 1, inner.Bottom - 1},
                          clBtnHighlight);
    canvas->FillRectColor(TRect{inner.Left, inner.Bottom - 1, inner.Right, inner.Bottom},
                          clBtnShadow);
    canvas->FillRectColor(TRect{inner.Right - 1, inner.Top, inner.Right, inner.Bottom},
                          clBtnShadow);
}

void TForm6Fm::VQCalendar3SelectColor(TObject*, TGridDrawState AState, TDateTime ADate,
                                      TColor& AColor, TColor& AFontColor) {
    if (AState.Contains(gdSelected)) return;
    if (ADate == ::Date()) AFontColor = clGreen;
    if (IsWeekend(ADate)) AColor = clPaleYellow;
}
