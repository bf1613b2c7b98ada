// The rich edit: its Lines view of the paragraphs, the stream transfer, size requests and the
// checks on user edits (length limit, protected text, Enter).
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/Form.h"

#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class RichEdit : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterComCtrlsClasses();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Edit = new TRichEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 20, 200, 100);
    }

    void ShowAndFocus() {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
        Form->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
        Edit->SetFocus();
        QCoreApplication::processEvents();
    }

    QStringList Lines() const { return Edit->Lines()->ToStringList(); }

    std::unique_ptr<TForm> Form;
    TRichEdit* Edit = nullptr;
};

TEST_F(RichEdit, LinesAreTheParagraphs) {
    TStrings* lines = Edit->Lines();
    EXPECT_EQ(lines->Count(), 0);
    lines->Add(QStringLiteral("b"));
    lines->Insert(0, QStringLiteral("a"));
    lines->Add(QString());
    lines->Add(QStringLiteral("d"));
    EXPECT_EQ(Lines(), QStringList({"a", "b", "", "d"}));
    lines->Put(2, QStringLiteral("c"));
    lines->Delete(0);
    EXPECT_EQ(Lines(), QStringList({"b", "c", "d"}));
    lines->Delete(2); // the last one goes with the break before it
    EXPECT_EQ(Lines(), QStringList({"b", "c"}));
    EXPECT_THROW(lines->Delete(2), EListError);
    EXPECT_THROW(lines->Insert(4, QStringLiteral("x")), EListError);
    lines->SetText(QStringLiteral("x\r\ny\r\n"));
    EXPECT_EQ(Lines(), QStringList({"x", "y"}));
    EXPECT_EQ(Edit->Document()->toPlainText(), "x\ny");
    lines->Clear();
    EXPECT_EQ(lines->Count(), 0);
}

TEST_F(RichEdit, PlainStreamRoundTrip) {
    Edit->SetPlainText(true);
    struct Case {
        QByteArray In;
        QStringList Lines;
        QByteArray Out;
    };
    const Case cases[] = {
        {"", {}, ""},
        {"one", {"one"}, "one\r\n"},
        {"one\r\ntwo\r\n", {"one", "two"}, "one\r\ntwo\r\n"},
        {"one\ntwo\rthree", {"one", "two", "three"}, "one\r\ntwo\r\nthree\r\n"},
        {"a\r\n\r\nb", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
        {"caf\xc3\xa9", {QStringLiteral("caf\u00e9")}, "caf\xc3\xa9\r\n"},
        // Not UTF-8: the classic code page.
        {"caf\xe9 \x80", {QStringLiteral("caf\u00e9 \u20ac")}, "caf\xc3\xa9 \xe2\x82\xac\r\n"},
        {QByteArray("end", 4), {"end"}, "end\r\n"},
    };
    for (const Case& c : cases) {
        Edit->Lines()->LoadFromStream(c.In);
        EXPECT_EQ(Lines(), c.Lines) << c.In.toStdString();
        QByteArray out;
        Edit->Lines()->SaveToStream(out);
        EXPECT_EQ(out, c.Out) << c.In.toStdString();
    }
}

TEST_F(RichEdit, RtfStreamKeepsFormatsAndEndsWithNul) {
    Edit->Lines()->LoadFromStream("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 \\b bold\\b0  "
                                  "text\\par second\\par}");
    EXPECT_EQ(Lines(), QStringList({"bold text", "second"}));
    QByteArray rtf;
    Edit->Lines()->SaveToStream(rtf);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.endsWith(QByteArray("}\r\n\0", 4)));
    EXPECT_TRUE(rtf.contains("\\b"));
    TRichEdit other(nullptr);
    other.Lines()->LoadFromStream(rtf);
    EXPECT_EQ(other.Lines()->ToStringList(), Lines());
}

TEST_F(RichEdit, DataThatIsNoTextRaisesAndKeepsTheContent) {
    Edit->Lines()->Add(QStringLiteral("kept"));
    EXPECT_THROW(Edit->Lines()->LoadFromStream(QByteArray("a\0b", 3)), EOutOfResources);
    EXPECT_EQ(Lines(), QStringList({"kept"}));
}

TEST_F(RichEdit, OneChangePerLoad) {
    int changes = 0;
    Edit->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, Edit);
        ++changes;
    };
    Edit->Lines()->LoadFromStream("{\\rtf1 a\\par b\\par c\\par}");
    EXPECT_EQ(changes, 1);
    Edit->Lines()->Add(QStringLiteral("d"));
    EXPECT_EQ(changes, 2);
}

TEST_F(RichEdit, LoadedTextShowsFromItsStart) {
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 40; ++i)
        rtf += "line\\par ";
    rtf += "}";
    Edit->SetScrollBars(ssVertical);
    Edit->Lines()->LoadFromStream(rtf); // before the window exists
    EXPECT_EQ(Edit->SelStart(), 0);
    ShowAndFocus();
    auto* e = static_cast<QTextEdit*>(Edit->Widget());
    EXPECT_GT(e->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(e->verticalScrollBar()->value(), 0);
    e->verticalScrollBar()->setValue(e->verticalScrollBar()->maximum());
    Edit->Lines()->LoadFromStream(rtf); // and into a shown, scrolled window
    QCoreApplication::processEvents();
    EXPECT_EQ(Edit->SelStart(), 0);
    EXPECT_EQ(e->verticalScrollBar()->value(), 0);
}

TEST_F(RichEdit, ResizeRequestKeepsPositionAndWidth) {
    std::vector<TRect> requests;
    Edit->OnResizeRequest = [&](TObject*, const TRect& r) { requests.push_back(r); };
    Edit->Lines()->Add(QStringLiteral("one"));
    ASSERT_FALSE(requests.empty());
    const TRect one = requests.back();
    EXPECT_EQ(one.Left, 10);
    EXPECT_EQ(one.Top, 20);
    EXPECT_EQ(one.Width(), 200);
    for (int i = 0; i < 5; ++i)
        Edit->Lines()->Add(QStringLiteral("more"));
    EXPECT_GT(requests.back().Height(), one.Height());
    requests.clear();
    Edit->RequestSize();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], Edit->RequiredBounds());
}

TEST_F(RichEdit, FormattingRectangleNarrowsTheText) {
    Edit->Lines()->Add(QStringLiteral("words that wrap when the text area gets narrow"));
    const int full = Edit->RequiredBounds().Height();
    Edit->SetFormattingRect(Rect(0, 0, 60, 100));
    EXPECT_GT(Edit->RequiredBounds().Height(), full);
    Edit->ResetFormattingRect();
    EXPECT_EQ(Edit->RequiredBounds().Height(), full);
    Edit->SetWordWrap(false);
    Edit->SetFormattingRect(Rect(0, 0, 60, 100));
    EXPECT_LT(Edit->RequiredBounds().Height(), full + 2);
}

TEST_F(RichEdit, TypingStopsAtMaxLength) {
    Edit->SetMaxLength(5);
    ShowAndFocus();
    QTest::keyClicks(Edit->Widget(), "abcdefgh");
    EXPECT_EQ(Lines(), QStringList({"abcde"}));
    // Replacing a selection frees its room.
    Edit->SetSelStart(0);
    Edit->SetSelLength(2);
    QTest::keyClicks(Edit->Widget(), "XY");
    EXPECT_EQ(Lines(), QStringList({"XYcde"}));
}

TEST_F(RichEdit, ProtectedTextAsksBeforeEdits) {
    Edit->Lines()->Add(QStringLiteral("keep this"));
    Edit->SetSelStart(0);
    Edit->SetSelLength(4);
    Edit->SetSelProtected(true);
    std::vector<std::pair<int, int>> asked;
    bool allow = false;
    Edit->OnProtectChange = [&](TObject*, int start, int end, bool& allowChange) {
        asked.emplace_back(start, end);
        allowChange = allow;
    };
    ShowAndFocus();
    Edit->SetSelStart(1);
    Edit->SetSelLength(2);
    QTest::keyClick(Edit->Widget(), Qt::Key_Delete);
    EXPECT_EQ(Lines(), QStringList({"keep this"}));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], std::make_pair(1, 3));
    // Unprotected text is edited without asking.
    Edit->SetSelStart(9);
    QTest::keyClick(Edit->Widget(), Qt::Key_Backspace);
    EXPECT_EQ(Lines(), QStringList({"keep thi"}));
    EXPECT_EQ(asked.size(), 1u);
    allow = true;
    Edit->SetSelStart(0);
    Edit->SetSelLength(1);
    QTest::keyClick(Edit->Widget(), Qt::Key_Delete);
    EXPECT_EQ(Lines(), QStringList({"eep thi"}));
}

TEST_F(RichEdit, EnterBelongsToTheFormWithoutWantReturns) {
    ShowAndFocus();
    QTest::keyClicks(Edit->Widget(), "ab");
    QTest::keyClick(Edit->Widget(), Qt::Key_Return);
    QTest::keyClicks(Edit->Widget(), "c");
    EXPECT_EQ(Lines(), QStringList({"ab", "c"}));
    Edit->SetWantReturns(false);
    EXPECT_FALSE(Edit->WantsKey(VK_RETURN));
    QTest::keyClick(Edit->Widget(), Qt::Key_Return);
    EXPECT_EQ(Lines(), QStringList({"ab", "c"}));
}

TEST_F(RichEdit, SelectionChangesAreReported) {
    Edit->Lines()->Add(QStringLiteral("hello"));
    ShowAndFocus();
    int changes = 0;
    Edit->OnSelectionChange = [&](TObject*) { ++changes; };
    Edit->SetSelStart(2);
    EXPECT_EQ(changes, 1);
    Edit->SetSelStart(2);
    EXPECT_EQ(changes, 1);
    QTest::keyClick(Edit->Widget(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(Edit->SelText(), "l");
}

TEST_F(RichEdit, ContentOutlivesItsWindow) {
    Edit->Lines()->Add(QStringLiteral("kept"));
    Edit->HandleNeeded();
    ASSERT_TRUE(Edit->HandleAllocated());
    Edit->RecreateWnd();
    EXPECT_EQ(Lines(), QStringList({"kept"}));
    EXPECT_EQ(static_cast<QTextEdit*>(Edit->Widget())->document(), Edit->Document());
}

// The document is made when first needed: settings made before then reach it as they reach a
// document that exists, and an edit nobody asked yet reads as empty with its caret at 0.
TEST_F(RichEdit, SettingsMadeBeforeTheDocumentReachIt) {
    const std::vector<std::pair<const char*, std::function<void(TRichEdit*)>>> settings = {
        {"none", [](TRichEdit*) {}},
        {"centred", [](TRichEdit* e) { e->SetAlignment(taCenter); }},
        {"right", [](TRichEdit* e) { e->SetAlignment(taRightJustify); }},
        {"font",
         [](TRichEdit* e) {
             e->Font()->SetName(QStringLiteral("Courier New"));
             e->Font()->SetHeight(-17);
             e->Font()->SetStyle(TFontStyles{fsBold});
         }},
        {"rectangle", [](TRichEdit* e) { e->SetFormattingRect(Rect(4, 4, 150, 80)); }},
        {"rectangle reset",
         [](TRichEdit* e) {
             e->SetFormattingRect(Rect(4, 4, 150, 80));
             e->ResetFormattingRect();
         }},
        {"no wrap", [](TRichEdit* e) { e->SetWordWrap(false); }},
    };
    for (const auto& [name, apply] : settings) {
        auto* early = new TRichEdit(Form.get());
        early->SetParent(Form.get());
        apply(early);
        EXPECT_EQ(early->SelStart(), 0) << name;
        EXPECT_EQ(early->SelLength(), 0) << name;
        EXPECT_EQ(early->Lines()->Count(), 0) << name;
        auto* late = new TRichEdit(Form.get());
        late->SetParent(Form.get());
        late->Document();
        apply(late);
        const QTextDocument* a = early->Document();
        const QTextDocument* b = late->Document();
        EXPECT_EQ(a->defaultTextOption().alignment(), b->defaultTextOption().alignment()) << name;
        EXPECT_EQ(a->defaultFont(), b->defaultFont()) << name;
        EXPECT_EQ(a->documentMargin(), b->documentMargin()) << name;
        early->Lines()->Add(QStringLiteral("text that wraps or not at the edit's width"));
        late->Lines()->Add(QStringLiteral("text that wraps or not at the edit's width"));
        EXPECT_EQ(early->RequiredBounds(), late->RequiredBounds()) << name;
    }
}

TEST_F(RichEdit, MemoLinesAndDescription) {
    Form->ReadFromText(R"(object F: TForm
  object Memo: TMemo
    Left = 8
    Top = 8
    Width = 200
    Height = 100
    Lines = (
      'first'
      ''
      'third')
    ScrollBars = ssBoth
    WordWrap = False
  end
end)");
    auto* memo = dynamic_cast<TMemo*>(Form->FindComponent(QStringLiteral("Memo")));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Lines()->ToStringList(), QStringList({"first", "", "third"}));
    EXPECT_FALSE(memo->WordWrap());
    const std::string text = TFormWriter::Write(Form.get());
    EXPECT_NE(text.find("ScrollBars = ssBoth"), std::string::npos);
    EXPECT_NE(text.find("'third'"), std::string::npos);
}

} // namespace
