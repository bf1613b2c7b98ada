// RichText stream rules of the rich edit and the rich label's construction, auto-sizing and
// input behaviour.
#include "components/std/VQStdCmp.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Graphics.h"
#include "framework/stdctrls/Label.h"
#include "framework/stdctrls/StdCtrls.h"

#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const char* const kTwoParagraphs =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss MS Sans Serif;}}\r\n"
    "\\pard\\plain\\f0\\fs16\\b Bold\\plain\\f0\\fs16  plain\\par\r\n"
    "second\\par\r\n}\r\n";

String WithNul(const char* rtf) {
    return QString::fromLatin1(rtf) + QChar(0);
}

// A label that records the resize requests reaching its handler.
class TRecordingLabel : public TVQRichLabel {
public:
    using TVQRichLabel::TVQRichLabel;
    std::vector<TRect> Requests;

protected:
    void ResizeRequest(const TRect& R) override {
        Requests.push_back(R);
        TVQRichLabel::ResizeRequest(R);
    }
};

class RichText : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterVQStdCmpClasses();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Edit = new TVQRichEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(8, 8, 200, 100);
    }

    std::unique_ptr<TForm> Form;
    TVQRichEdit* Edit = nullptr;
};

TEST_F(RichText, EmptyValueEmptiesTheControlAndReadsBackAnEmptyDocument) {
    Edit->Lines()->Add(QStringLiteral("old"));
    Edit->SetRichText(String());
    EXPECT_EQ(Edit->Lines()->Count(), 0);
    const String rtf = Edit->RichText();
    EXPECT_TRUE(rtf.startsWith(QStringLiteral("{\\rtf1\\ansi")));
    // One \par for the one empty paragraph, then the closing brace, line break and NUL.
    EXPECT_EQ(rtf.count(QStringLiteral("\\par")) - rtf.count(QStringLiteral("\\pard")), 1);
    EXPECT_TRUE(rtf.endsWith(QStringLiteral("}\r\n") + QChar(0)));
}

TEST_F(RichText, ValueTheReaderRejectsShowsAsPlainText) {
    Edit->SetRichText(QStringLiteral("Not {rtf} at all\r\nsecond line"));
    ASSERT_EQ(Edit->Lines()->Count(), 2);
    EXPECT_EQ(Edit->Lines()->Strings(0), "Not {rtf} at all");
    EXPECT_EQ(Edit->Lines()->Strings(1), "second line");
}

TEST_F(RichText, TrailingNulLoadsLikeTheValueWithoutIt) {
    Edit->SetRichText(QString::fromLatin1(kTwoParagraphs));
    const String without = Edit->RichText();
    const QStringList linesWithout = Edit->Lines()->ToStringList();
    Edit->SetRichText(WithNul(kTwoParagraphs));
    EXPECT_EQ(Edit->Lines()->ToStringList(), linesWithout);
    EXPECT_EQ(Edit->RichText(), without);
    EXPECT_EQ(linesWithout, QStringList({"Bold plain", "second"}));
    const QTextBlock first = Edit->Document()->firstBlock();
    EXPECT_TRUE(first.begin().fragment().charFormat().font().bold());
}

TEST_F(RichText, DataThatIsNoTextLeavesTheControlEmptyWithoutError) {
    Edit->Lines()->Add(QStringLiteral("old"));
    Edit->SetPlainText(true);
    QString binary = QStringLiteral("abc");
    binary += QChar(0);
    binary += QStringLiteral("def");
    EXPECT_NO_THROW(Edit->SetRichText(binary));
    EXPECT_EQ(Edit->Lines()->Count(), 0);
    EXPECT_TRUE(Edit->PlainText());
}

TEST_F(RichText, PlainTextIsRestoredAroundReadingAndWriting) {
    Edit->SetPlainText(true);
    Edit->SetRichText(QString::fromLatin1(kTwoParagraphs));
    EXPECT_TRUE(Edit->PlainText());
    // Loaded as RTF, not shown as its source.
    EXPECT_EQ(Edit->Lines()->Strings(0), "Bold plain");
    const String rtf = Edit->RichText();
    EXPECT_TRUE(rtf.startsWith(QStringLiteral("{\\rtf1")));
    EXPECT_TRUE(Edit->PlainText());
    // The control's own stream is plain text again.
    QByteArray plain;
    Edit->Lines()->SaveToStream(plain);
    EXPECT_EQ(plain, QByteArray("Bold plain\r\nsecond\r\n"));
}

TEST_F(RichText, RoundTripThroughAFormDescription) {
    auto* label = new TVQRichLabel(Form.get());
    label->SetName(QStringLiteral("Label1"));
    label->SetParent(Form.get());
    label->SetBounds(10, 120, 300, 40);
    label->SetRichText(WithNul(kTwoParagraphs));
    Edit->SetName(QStringLiteral("Edit1"));
    Edit->SetRichText(QStringLiteral("{\\rtf1\\ansi it's \\i italic\\i0\\par}"));
    Form->SetName(QStringLiteral("F"));
    const std::string text = TFormWriter::Write(Form.get());
    // A constructor default that differs from the declared one is stored.
    EXPECT_NE(text.find("ParentColor = True"), std::string::npos);
    EXPECT_NE(text.find("TabStop = False"), std::string::npos);
    EXPECT_NE(text.find("#13#10#0"), std::string::npos);

    auto again = std::make_unique<TForm>(nullptr);
    again->ReadFromText(text, QStringLiteral("written"));
    auto* label2 = dynamic_cast<TVQRichLabel*>(again->FindComponent(QStringLiteral("Label1")));
    auto* edit2 = dynamic_cast<TVQRichEdit*>(again->FindComponent(QStringLiteral("Edit1")));
    ASSERT_TRUE(label2 && edit2);
    EXPECT_EQ(label2->RichText(), label->RichText());
    EXPECT_EQ(edit2->RichText(), Edit->RichText());
    EXPECT_EQ(edit2->Lines()->Strings(0), "it's italic");
    EXPECT_EQ(label2->BoundsRect(), label->BoundsRect());
    EXPECT_EQ(TFormWriter::Write(again.get()), text);
}

// Text read from a description into controls without a window reaches their documents when
// first needed, as the description gave it.
TEST_F(RichText, DescriptionTextIsReadWhenFirstNeeded) {
    auto form = std::make_unique<TForm>(nullptr);
    form->ReadFromText(R"(object F: TForm
  object Rtf: TVQRichEdit
    RichText = '{\rtf1\ansi \b Bold\b0  plain\par second\par}'#0
    PlainText = True
  end
  object Binary: TVQRichEdit
    PlainText = True
    RichText = 'abc'#0'def'
  end
  object Caret: TVQRichEdit
    Height = 40
    ScrollBars = ssVertical
    RichText = '{\rtf1\ansi 1\par 2\par 3\par 4\par 5\par 6\par}'
  end
  object Listed: TVQRichEdit
    RichText = '{\rtf1\ansi first\par second\par}'
  end
  object Replaced: TVQRichEdit
    RichText = '{\rtf1\ansi old\par}'
  end
  object Measured: TVQRichLabel
    Width = 200
    RichText = '{\rtf1\ansi one\par two\par three\par}'
  end
end)",
                       QStringLiteral("deferred"));
    auto edit = [&](const char* name) {
        return dynamic_cast<TCustomRichEdit*>(form->FindComponent(QString::fromLatin1(name)));
    };
    // Read as RTF although PlainText came after it.
    EXPECT_EQ(edit("Rtf")->Document()->toPlainText(), "Bold plain\nsecond");
    EXPECT_EQ(edit("Listed")->Lines()->ToStringList(), QStringList({"first", "second"}));
    EXPECT_EQ(edit("Binary")->Lines()->Count(), 0);
    // New content replaces what waits, unread.
    int changes = 0;
    auto* replaced = dynamic_cast<TVQRichEdit*>(edit("Replaced"));
    replaced->OnChange = [&](TObject*) { ++changes; };
    replaced->Lines()->LoadFromStream("{\\rtf1\\ansi new\\par}");
    EXPECT_EQ(replaced->Lines()->ToStringList(), QStringList({"new"}));
    EXPECT_EQ(changes, 1);
    // An auto-sized label takes the height of all three lines, as one given the text at once.
    TVQRichLabel direct(nullptr);
    direct.SetWidth(200);
    direct.SetRichText(QStringLiteral("{\\rtf1\\ansi one\\par two\\par three\\par}"));
    EXPECT_EQ(edit("Measured")->Height(), direct.Height());
    EXPECT_GT(direct.Height(), 3 * 10);
    // An edit nobody asked is read when its window is made, the caret at the text's start.
    form->Show();
    auto* widget = qobject_cast<QTextEdit*>(edit("Caret")->Widget());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->toPlainText(), "1\n2\n3\n4\n5\n6");
    EXPECT_EQ(widget->textCursor().position(), 0);
}

TEST_F(RichText, EditKeepsTheFormattingRectangleAtItsFullSize) {
    Edit->SetFormattingRect(Rect(5, 5, 50, 50));
    Edit->SetBounds(20, 30, 150, 80);
    EXPECT_EQ(Edit->FormattingRect(), Rect(0, 0, 150, 80));
    Edit->SetFormattingRect(Rect(5, 5, 50, 50));
    Edit->SetLeft(25); // a move alone counts too
    EXPECT_EQ(Edit->FormattingRect(), Rect(0, 0, 150, 80));
}

// The rich label -------------------------------------------------------------------------------

class RichLabel : public RichText {
protected:
    TRecordingLabel* MakeLabel() {
        auto* label = new TRecordingLabel(Form.get());
        label->SetParent(Form.get());
        label->SetBounds(16, 8, 200, 120);
        return label;
    }
};

TEST_F(RichLabel, ConstructionMakesAnInertBorderlessLabel) {
    TRecordingLabel* label = MakeLabel();
    EXPECT_EQ(label->BorderStyle(), bsNone);
    EXPECT_TRUE(label->ParentColor());
    EXPECT_FALSE(label->Enabled());
    EXPECT_FALSE(label->TabStop());
    EXPECT_TRUE(label->AutoSize());
    EXPECT_FALSE(label->ControlStyle().Contains(csClickEvents));
    EXPECT_EQ(label->Color(), Form->Color());
}

TEST_F(RichLabel, TakesTheHeightOfItsContent) {
    TRecordingLabel* label = MakeLabel();
    label->SetRichText(WithNul(kTwoParagraphs));
    const int two = label->Height();
    EXPECT_EQ(label->Left(), 16);
    EXPECT_EQ(label->Top(), 8);
    EXPECT_EQ(label->Width(), 200);
    EXPECT_LT(two, 120);
    EXPECT_GT(two, 10);
    label->Lines()->Add(QStringLiteral("third"));
    label->Lines()->Add(QStringLiteral("fourth"));
    EXPECT_GT(label->Height(), two);
    // A narrower label wraps its text and grows.
    label->Lines()->Clear();
    label->Lines()->Add(QStringLiteral("a line long enough to wrap in a narrow label"));
    const int wide = label->Height();
    label->SetWidth(40);
    EXPECT_GT(label->Height(), wide);
    EXPECT_EQ(label->FormattingRect(), Rect(0, 0, 40, label->Height()));
}

TEST_F(RichLabel, AutoSizeOffKeepsTheSizeAndOnResizesAtOnce) {
    TRecordingLabel* label = MakeLabel();
    label->SetRichText(WithNul(kTwoParagraphs));
    const int content = label->Height();
    label->SetAutoSize(false);
    label->SetHeight(300);
    EXPECT_EQ(label->Height(), 300);
    label->Lines()->Add(QStringLiteral("more"));
    EXPECT_EQ(label->Height(), 300);
    label->Lines()->Delete(2);
    label->SetAutoSize(true);
    EXPECT_EQ(label->Height(), content);
    // The same value again does nothing.
    const size_t requests = label->Requests.size();
    label->SetAutoSize(true);
    EXPECT_EQ(label->Requests.size(), requests);
}

TEST_F(RichLabel, MovingReRequestsItsSizeAndResetsTheRectangle) {
    TRecordingLabel* label = MakeLabel();
    label->SetRichText(WithNul(kTwoParagraphs));
    const int width = label->Width(), height = label->Height();
    label->SetFormattingRect(Rect(3, 3, 20, 20));
    label->Requests.clear();
    label->SetBounds(40, 50, width, height);
    // Without a window the request waits for the bounds to be read.
    EXPECT_TRUE(label->Requests.empty());
    EXPECT_EQ(label->Height(), height);
    ASSERT_EQ(label->Requests.size(), 1u);
    // Relative to the parent: applying it as bounds keeps the label where it is.
    EXPECT_EQ(label->Requests[0], Bounds(40, 50, width, height));
    EXPECT_EQ(label->FormattingRect(), Rect(0, 0, label->Width(), label->Height()));
    EXPECT_EQ(label->Left(), 40);
    EXPECT_EQ(label->Top(), 50);
}

TEST_F(RichLabel, AssignedResizeHandlerReplacesAutoSizing) {
    auto* label = new TRecordingLabel(Form.get());
    int calls = 0;
    label->OnResizeRequest = [&](TObject*, const TRect&) { ++calls; };
    label->SetParent(Form.get());
    label->SetBounds(16, 8, 200, 120);
    label->SetRichText(WithNul(kTwoParagraphs));
    EXPECT_GT(calls, 0);
    EXPECT_EQ(label->Height(), 120);
    EXPECT_TRUE(label->Requests.empty());
}

TEST_F(RichLabel, ClickFiresNothingAndDoesNotFocus) {
    TRecordingLabel* label = MakeLabel();
    label->SetRichText(WithNul(kTwoParagraphs));
    Edit->SetBounds(8, 200, 200, 60);
    int labelClicks = 0, editClicks = 0;
    label->OnClick = [&](TObject*) { ++labelClicks; };
    Edit->OnClick = [&](TObject*) { ++editClicks; };
    Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    Form->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));

    // The editable box next to it does take the click and the focus, so the clicks arrive.
    QTextEdit* box = static_cast<QTextEdit*>(Edit->Widget());
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(Edit->Focused());
    EXPECT_EQ(editClicks, 1);

    QTextEdit* text = static_cast<QTextEdit*>(label->Widget());
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseDClick(text->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(labelClicks, 0);
    EXPECT_FALSE(label->Focused());
    EXPECT_TRUE(Edit->Focused());
    EXPECT_FALSE(text->textCursor().hasSelection());
}

} // namespace

namespace {

// A page control holding rich labels, as the main window shows its descriptions.
TEST(RichLabelOnPage, PaintsItsTextOnThePageColour) {
    RegisterVQStdCmpClasses();
    auto form = std::make_unique<TForm>(nullptr);
    form->ReadFromText(R"(object F: TForm
  Left = 100
  Top = 100
  ClientWidth = 422
  ClientHeight = 250
  Caption = 'Rich labels'
  object Pc: TPageControl
    Left = 8
    Top = 8
    Width = 405
    Height = 217
    ActivePage = Wp1
    MultiLine = True
    object Wp1: TTabSheet
      Caption = 'Welcome!'
      object Label1: TVQRichLabel
        Left = 16
        Top = 8
        Width = 365
        Height = 120
        ParentColor = True
        TabStop = False
        RichText = '{\rtf1\ansi\deff0{\fonttbl{\f0\fswiss MS Sans Serif;}{\f1\froman MS Serif;}}' +
          '{\colortbl\red0\green0\blue0;\red0\green0\blue128;\red255\green0\blue0;}'#13#10 +
          '\pard\plain\f1\fs22\cf1\b Welcome to the rich label!\par'#13#10 +
          '\plain\f0\fs16 Body text with \b bold\b0  and \cf2 red\cf0  words.\par'#13#10'}'#13#10#0
      end
    end
    object Wp2: TTabSheet
      Caption = 'Border, Image, and Meter'
    end
    object Wp3: TTabSheet
      Caption = 'Menu button and Splitter'
    end
    object Wp4: TTabSheet
      Caption = 'Calendar'
    end
    object Wp5: TTabSheet
      Caption = 'Rich label'
    end
  end
end)",
                       QStringLiteral("richpage"));
    auto* label = dynamic_cast<TVQRichLabel*>(form->FindComponent(QStringLiteral("Label1")));
    ASSERT_NE(label, nullptr);
    EXPECT_LT(label->Height(), 120);
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
    if (const int hold = qEnvironmentVariableIntValue("VQ_RICH_HOLD_MS"); hold > 0)
        QTest::qWait(hold);

    const QImage image = label->Widget()->grab().toImage();
    const QColor page = label->Widget()->palette().color(QPalette::Base);
    EXPECT_EQ(page.rgb(), ColorToQColor(clBtnFace).rgb());
    // The corner is background; the heading is navy, the body has red.
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1).rgb(), page.rgb());
    bool navy = false, red = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 90 && c.red() < 60 && c.green() < 60) navy = true;
            if (c.red() > 180 && c.green() < 80 && c.blue() < 80) red = true;
        }
    EXPECT_TRUE(navy);
    EXPECT_TRUE(red);
}

} // namespace

namespace {

// Labels of a page not shown are laid out only when the page shows or their size is read, and
// then take the same height as if laid out at once.
TEST(RichLabelOnPage, HiddenPageLabelsLayOutWhenNeeded) {
    RegisterVQStdCmpClasses();
    RegisterStdCtrlsClasses();
    const char* label = R"(
      object %1: TVQRichLabel
        Left = 8
        Top = 8
        Width = 200
        Height = 120
        RichText = '{\rtf1\ansi{\fonttbl{\f0\fswiss MS Sans Serif;}}\f0\fs16 A paragraph ' +
          'long enough to wrap over a few lines of a label two hundred pixels wide.\par}'#0
      end)";
    auto form = std::make_unique<TForm>(nullptr);
    form->ReadFromText(QStringLiteral(R"(object F: TForm
  ClientWidth = 300
  ClientHeight = 250
  object Pc: TPageControl
    Width = 280
    Height = 200
    ActivePage = Wp1
    object Wp1: TTabSheet%1
    end
    object Wp2: TTabSheet%2
      object Plain: TLabel
        Left = 8
        Top = 150
        Caption = 'A plain label'
      end
    end
  end
end)")
                           .arg(QString::fromLatin1(label).arg(QStringLiteral("Shown")),
                                QString::fromLatin1(label).arg(QStringLiteral("Hidden")))
                           .toUtf8()
                           .toStdString(),
                       QStringLiteral("hiddenpage"));
    auto find = [&](const char* name) {
        return dynamic_cast<TVQRichLabel*>(form->FindComponent(QString::fromLatin1(name)));
    };
    TVQRichLabel* shown = find("Shown");
    TVQRichLabel* hidden = find("Hidden");
    auto* pc = dynamic_cast<TPageControl*>(form->FindComponent(QStringLiteral("Pc")));
    ASSERT_TRUE(shown && hidden && pc);
    auto laidOut = [](TVQRichLabel* l) {
        return l->Document()->firstBlock().layout()->lineCount() > 0;
    };
    EXPECT_FALSE(laidOut(hidden));
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
    EXPECT_TRUE(laidOut(shown));
    EXPECT_FALSE(laidOut(hidden));
    const int height = shown->Height();
    EXPECT_GT(height, 20);
    EXPECT_LT(height, 120);
    pc->SetActivePage(dynamic_cast<TTabSheet*>(form->FindComponent(QStringLiteral("Wp2"))));
    ASSERT_NE(hidden->Widget(), nullptr);
    EXPECT_TRUE(laidOut(hidden));
    EXPECT_EQ(hidden->BoundsRect(), Bounds(8, 8, 200, height));
    EXPECT_EQ(hidden->Widget()->geometry().height(), height);
    // A plain auto-sized label of the page is measured by then too, its window with it.
    auto* plain = dynamic_cast<TLabel*>(form->FindComponent(QStringLiteral("Plain")));
    ASSERT_TRUE(plain && plain->Widget());
    EXPECT_GT(plain->Width(), 40);
    EXPECT_EQ(plain->Widget()->size(), QSize(plain->Width(), plain->Height()));
}

} // namespace
