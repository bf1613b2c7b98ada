#pragma once
// A shown form with one calendar on it, English day names and a fixed date, and an event log.

#include "components/std/VQStdCmp.h"
#include "framework/controls/Form.h"
#include "framework/system/DateUtils.h"

#include <QImage>
#include <QPoint>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class CalendarFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SetFormatSettings(TFormatSettings::English());
        RegisterVQStdCmpClasses();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 420, 320);
        Cal = new TVQCalendar(Form);
        Cal->SetParent(Form);
        Cal->SetBounds(10, 10, 185, 96);
        Cal->SetDate(EncodeDate(2024, 5, 15)); // a Wednesday; May 2024 starts on a Wednesday
    }
    void TearDown() override {
        delete Form;
        ResetFormatSettings();
    }

    void ShowForm() {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
        Form->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
        Cal->SetFocus();
        QCoreApplication::processEvents();
    }

    // Widget coordinates of the middle of a cell (the widget includes the border).
    QPoint CellPoint(int col, int row) const {
        const TRect r = Cal->CellRect(col, row);
        const int border = (Cal->Width() - Cal->ClientWidth()) / 2;
        return QPoint(r.Left + r.Width() / 2 + border, r.Top + r.Height() / 2 + border);
    }

    // Records OnSelectDate, OnClick, OnDblClick, OnChange, and one "paint" per run of painted
    // date cells.
    void RecordEvents() {
        Cal->OnSelectDate = [this](TObject*, TDateTime d, bool& can) {
            Log.push_back("select " + DayText(d));
            if (RefuseSundays && DayOfWeek(d) == 1) can = false;
        };
        Cal->OnClick = [this](TObject*) { Log.push_back("click"); };
        Cal->OnDblClick = [this](TObject*) { Log.push_back("dblclick"); };
        Cal->OnChange = [this](TObject*) { Log.push_back("change " + DayText(Cal->Date())); };
        Cal->OnDrawDate = [this](TObject*, TGridDrawState, const TRect&, TDateTime) {
            if (Log.empty() || Log.back() != "paint") Log.push_back("paint");
        };
    }

    static std::string DayText(TDateTime d) {
        int y, m, day;
        DecodeDate(d, y, m, day);
        return std::to_string(m) + "/" + std::to_string(day);
    }

    QImage Grab() const { return Cal->Widget()->grab().toImage(); }

    TForm* Form = nullptr;
    TVQCalendar* Cal = nullptr;
    std::vector<std::string> Log;
    bool RefuseSundays = false;
};

using Events = std::vector<std::string>;
