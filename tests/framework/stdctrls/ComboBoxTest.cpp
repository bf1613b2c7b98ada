// Combo boxes: what code sets stays silent, what the user does is reported once, and both
// styles read and write their settings through form descriptions.
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/StdCtrls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char* const kComboForm = R"(object F: TComboFm
  Left = 0
  Top = 0
  Width = 300
  Height = 120
  object MonthCb: TComboBox
    Left = 8
    Top = 8
    Width = 78
    Height = 21
    Style = csDropDownList
    DropDownCount = 12
    ItemHeight = 13
    Items = (
      'January'
      'February'
      'March')
    ItemIndex = 1
    TabOrder = 0
    OnChange = Changed
  end
  object NameCb: TComboBox
    Left = 100
    Top = 8
    Width = 120
    Height = 21
    Items = (
      'beta'
      'Alpha')
    Sorted = True
    TabOrder = 1
    Text = 'typed'
    OnChange = Changed
  end
end)";

class TComboFm : public TForm {
    VQ_CLASS(TComboFm, TForm)
public:
    using TForm::TForm;
    void Changed(TObject* sender) {
        auto* c = static_cast<TComboBox*>(sender);
        Log.push_back(c->Name() + QStringLiteral(" %1 '%2'").arg(c->ItemIndex()).arg(c->Text()));
    }
    QStringList Log;
};

VQ_PUBLISH(TComboFm) {
    P.Inherit();
    P.Handler("Changed", &TComboFm::Changed);
}

class ComboBox : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterStdCtrlsClasses();
        Form = std::make_unique<TComboFm>(nullptr);
        Form->ReadFromText(kComboForm, QStringLiteral("combo"));
        Month = static_cast<TComboBox*>(Form->FindComponent(QStringLiteral("MonthCb")));
        Name = static_cast<TComboBox*>(Form->FindComponent(QStringLiteral("NameCb")));
        ASSERT_TRUE(Month && Name);
    }
    void Show() {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
        Form->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    }
    static QComboBox* Q(TComboBox* c) { return static_cast<QComboBox*>(c->Widget()); }

    std::unique_ptr<TComboFm> Form;
    TComboBox* Month = nullptr;
    TComboBox* Name = nullptr;
};

TEST_F(ComboBox, DescriptionsReadAndWriteBothStyles) {
    EXPECT_EQ(Month->Style(), csDropDownList);
    EXPECT_EQ(Month->ItemIndex(), 1);
    EXPECT_EQ(Month->Text(), QStringLiteral("February"));
    EXPECT_EQ(Month->DropDownCount(), 12);
    EXPECT_EQ(Name->Items()->ToStringList(), QStringList({"Alpha", "beta"}));
    EXPECT_EQ(Name->Text(), QStringLiteral("typed"));
    EXPECT_EQ(Name->ItemIndex(), -1);
    const std::string text = TFormWriter::Write(Form.get());
    // A pick-only list's text is its item's and is not written.
    EXPECT_EQ(text.find("Text = 'February'"), std::string::npos);
    auto again = std::make_unique<TComboFm>(nullptr);
    again->ReadFromText(text, QStringLiteral("written"));
    EXPECT_EQ(TFormWriter::Write(again.get()), text);

    Show();
    EXPECT_FALSE(Q(Month)->isEditable());
    EXPECT_EQ(Q(Month)->currentIndex(), 1);
    EXPECT_EQ(Q(Month)->maxVisibleItems(), 12);
    EXPECT_TRUE(Q(Name)->isEditable());
    EXPECT_EQ(Q(Name)->currentText(), QStringLiteral("typed"));
    EXPECT_TRUE(Form->Log.isEmpty());
}

TEST_F(ComboBox, DroppedListShowsDropDownCountRowsAndScrolls) {
    // 41 years, as the calendar dialog's year box holds.
    QStringList years;
    for (int year = 1980; year <= 2020; ++year)
        years << QString::number(year);
    struct Case {
        TComboBoxStyle style;
        int count; // 0: the default
        int rows;
    };
    for (const Case& c :
         {Case{csDropDownList, 0, 8}, Case{csDropDownList, 10, 10}, Case{csDropDown, 5, 5}}) {
        SCOPED_TRACE(std::to_string(c.style) + " " + std::to_string(c.rows));
        auto fresh = std::make_unique<TComboBox>(Form.get());
        fresh->SetParent(Form.get());
        fresh->SetStyle(c.style);
        fresh->SetItemHeight(13);
        if (c.count) fresh->SetDropDownCount(c.count);
        fresh->Items()->SetText(years.join(u'\n'));
        fresh->SetItemIndex(0);
        Show();
        fresh->SetDroppedDown(true);
        ASSERT_TRUE(fresh->DroppedDown());
        QAbstractItemView* view = Q(fresh.get())->view();
        const QRect box(fresh->Widget()->mapToGlobal(QPoint()), fresh->Widget()->size());
        EXPECT_GE(view->mapToGlobal(QPoint()).y(), box.bottom()) << "drops below the box";
        const int last = view->indexAt(QPoint(2, view->viewport()->height() - 2)).row();
        EXPECT_EQ(last, c.rows - 1);
        EXPECT_EQ(view->viewport()->height() / 13, c.rows);
        QTest::keyClick(view, Qt::Key_End);
        EXPECT_EQ(view->indexAt(QPoint(2, view->viewport()->height() - 2)).row(), 40);
        EXPECT_EQ(view->indexAt(QPoint(2, 2)).row(), 41 - c.rows);
        fresh->SetDroppedDown(false);
    }
}

TEST_F(ComboBox, CodeChangesAreSilentAndReachTheWidget) {
    Show();
    struct Case {
        const char* what;
        std::function<void()> change;
        TComboBox* box;
        int index;
        const char* text;
    };
    const Case cases[] = {
        {"index", [&] { Month->SetItemIndex(2); }, Month, 2, "March"},
        {"index out of range", [&] { Month->SetItemIndex(7); }, Month, -1, ""},
        {"list text names an item", [&] { Month->SetText("january"); }, Month, 0, "January"},
        {"list text names none", [&] { Month->SetText("Smarch"); }, Month, -1, ""},
        {"items cut below the index",
         [&] {
             Month->SetItemIndex(2);
             Month->Items()->Delete(2);
         },
         Month, -1, ""},
        {"edit text matching an item", [&] { Name->SetText("beta"); }, Name, 1, "beta"},
        {"edit text of its own", [&] { Name->SetText("gamma"); }, Name, -1, "gamma"},
        {"edit index", [&] { Name->SetItemIndex(0); }, Name, 0, "Alpha"},
        {"unsorting keeps the item",
         [&] {
             Name->SetSorted(false);
             Name->Items()->Insert(0, "first");
             Name->SetItemIndex(2);
             Name->SetSorted(true);
         },
         Name, 1, "beta"},
    };
    for (const Case& c : cases) {
        c.change();
        EXPECT_EQ(c.box->ItemIndex(), c.index) << c.what;
        EXPECT_EQ(c.box->Text(), QString::fromUtf8(c.text)) << c.what;
        EXPECT_EQ(Q(c.box)->currentIndex(), c.index) << c.what;
        EXPECT_EQ(Q(c.box)->currentText(), QString::fromUtf8(c.text)) << c.what;
    }
    EXPECT_TRUE(Form->Log.isEmpty()) << Form->Log.join(", ").toStdString();
}

TEST_F(ComboBox, UserPicksAndTypingAreReportedOnce) {
    Show();
    Month->SetFocus();
    QTest::keyClick(Month->Widget(), Qt::Key_Down);
    QTest::keyClick(Month->Widget(), Qt::Key_Down);
    QTest::keyClick(Month->Widget(), Qt::Key_Down); // already on the last item
    // Picking the selected item again from the list changes nothing.
    emit Q(Month)->activated(2);
    Name->SetFocus();
    QTest::keyClicks(Q(Name)->lineEdit(), QStringLiteral("Al"));
    QTest::keyClick(Name->Widget(), Qt::Key_Down);
    EXPECT_EQ(Form->Log, QStringList({"MonthCb 2 'March'", "NameCb -1 'typedA'",
                                      "NameCb -1 'typedAl'", "NameCb 0 'Alpha'"}));
    EXPECT_EQ(Q(Name)->currentText(), QStringLiteral("Alpha"));

    // Dropping down with the keyboard and picking with Enter.
    Form->Log.clear();
    Month->SetFocus();
    Month->SetDroppedDown(true);
    ASSERT_TRUE(Month->DroppedDown());
    QTest::keyClick(Q(Month)->view(), Qt::Key_Up);
    QTest::keyClick(Q(Month)->view(), Qt::Key_Return);
    EXPECT_FALSE(Month->DroppedDown());
    EXPECT_EQ(Form->Log, QStringList({"MonthCb 1 'February'"}));
}

} // namespace
