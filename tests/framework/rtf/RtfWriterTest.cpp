// TRtfWriter: the exact empty form, the encoding of characters, and round trips through
// TRtfReader that must give back the same document.
#include "framework/rtf/RtfWriter.h"
#include "RtfTestUtil.h"
#include "support/QtPrinters.h"

#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

QByteArray Write(const QTextDocument& doc, const QString& font = "MS Sans Serif") {
    TRtfWriter writer;
    writer.SetDefaultFontName(font);
    return writer.Write(&doc);
}

// Reads rtf, writes it, reads that again: both documents must be the same, and writing the
// second must give the same bytes.
void ExpectRoundTrip(QByteArray rtf) {
    // Without a font table text has no family, and the writer must name one.
    if (!rtf.contains("\\fonttbl")) rtf.insert(6, "{\\fonttbl{\\f0\\fnil MS Sans Serif;}}");
    QString error;
    auto first = ReadRtf(rtf, &error);
    ASSERT_TRUE(first) << error.toStdString();
    const QByteArray written = Write(*first);
    auto second = ReadRtf(written, &error);
    ASSERT_TRUE(second) << error.toStdString() << "\n" << written.toStdString();
    EXPECT_EQ(DumpDocument(*second), DumpDocument(*first)) << written.toStdString();
    EXPECT_EQ(Write(*second), written);
}

TEST(RtfWriterEmpty, EmptyDocumentHasTheControlsForm) {
    QTextDocument doc;
    EXPECT_EQ(
        Write(doc, "Tahoma"),
        QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil"
                   "\\fcharset0 Tahoma;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs17\\par\r\n}\r\n"));
}

TEST(RtfWriterEmpty, EmptyFormReadsBackToItself) {
    const QByteArray form = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil"
                            "\\fcharset0 MS Sans Serif;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs17\\par"
                            "\r\n}\r\n";
    auto doc = ReadRtf(form);
    ASSERT_TRUE(doc);
    EXPECT_EQ(Write(*doc), form);
    TRtfWriter writer;
    writer.SetTerminatingNul(true);
    EXPECT_EQ(writer.Write(doc.get()), form + QByteArray(1, '\0'));
}

TEST(RtfWriterText, CharactersAreEscapedByCodePage) {
    QTextDocument doc;
    doc.setPlainText(QString::fromUtf16(u"a{b}\\c\u00E9\u20AC\u2013\u0416\U0001F600\u00A0\t."));
    const QByteArray rtf = Write(doc);
    EXPECT_TRUE(rtf.contains("a\\{b\\}\\\\c\\'e9\\'80\\'96\\u1046?\\u-10179?\\u-8704?\\~\\tab ."))
        << rtf.toStdString();
}

TEST(RtfWriterText, TextStartingWithDigitOrSpaceStaysText) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText("x");
    c.insertText("9 lives", bold);
    c.insertText(" end", QTextCharFormat());
    auto back = ReadRtf(Write(doc));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->toPlainText(), "x9 lives end");
    EXPECT_EQ(FormatAt(*back, 1).fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatAt(*back, 8).fontWeight(), QFont::Normal);
}

TEST(RtfWriterText, DocumentBuiltInQtKeepsItsFormats) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat f;
    f.setFontFamilies({"DejaVu Serif"});
    f.setFontPointSize(14);
    f.setFontItalic(true);
    f.setForeground(QColor(10, 20, 30));
    f.setBackground(QColor(200, 210, 220));
    f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    c.insertText("styled", f);
    QTextBlockFormat bf;
    bf.setAlignment(Qt::AlignJustify);
    bf.setLeftMargin(30);
    bf.setTabPositions({QTextOption::Tab(100, QTextOption::RightTab)});
    c.insertBlock(bf);
    c.insertText("second");
    c.createList(QTextListFormat::ListDecimal);

    auto back = ReadRtf(Write(doc));
    ASSERT_TRUE(back);
    const QTextCharFormat g = FormatAt(*back, 0);
    EXPECT_EQ(g.fontFamilies().toStringList(), QStringList{"DejaVu Serif"});
    EXPECT_DOUBLE_EQ(g.fontPointSize(), 14.0);
    EXPECT_TRUE(g.fontItalic());
    EXPECT_EQ(g.foreground().color(), QColor(10, 20, 30));
    EXPECT_EQ(g.background().color(), QColor(200, 210, 220));
    EXPECT_EQ(g.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    const QTextBlock second = back->begin().next();
    EXPECT_EQ(second.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    ASSERT_EQ(second.blockFormat().tabPositions().size(), 1);
    EXPECT_EQ(second.blockFormat().tabPositions()[0].type, QTextOption::RightTab);
    ASSERT_TRUE(second.textList());
    EXPECT_EQ(second.textList()->format().style(), QTextListFormat::ListDecimal);
    // The list's own indentation level is kept as margin: text starts where it started.
    EXPECT_DOUBLE_EQ(second.blockFormat().leftMargin(), 30 + doc.indentWidth());
}

struct TRoundTripCase {
    const char* Name;
    QByteArray Rtf;
};

class RtfRoundTrip : public ::testing::TestWithParam<TRoundTripCase> {};

TEST_P(RtfRoundTrip, GivesTheSameDocument) {
    ExpectRoundTrip(GetParam().Rtf);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfRoundTrip,
    ::testing::Values(
        TRoundTripCase{"Styles", "{\\rtf1 n{\\b b{\\i bi{\\ul biu}}}{\\strike s}\\super x\\sub y"
                                 "\\nosupersub z\\par}"},
        TRoundTripCase{"FontsAndSizes", "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}"
                                        "{\\f2 DejaVu Sans Mono;}}\\fs17 a\\f1\\fs30 b\\f2\\fs11 "
                                        "c\\f0 d\\par}"},
        TRoundTripCase{"Colours", "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128"
                                  "\\blue0;}\\cf1 r\\cf2\\highlight1 g\\cf0 n\\highlight0 m\\par}"},
        TRoundTripCase{"ParagraphsAndAlignment",
                       "{\\rtf1\\pard\\qc c\\par\\pard\\qr r\\par\\qj j\\par\\pard l\\par\\par}"},
        TRoundTripCase{"IndentsAndSpacing", "{\\rtf1\\pard\\li1440\\ri720\\fi-200\\sb100\\sa300 a"
                                            "\\par\\pard\\fi300 b\\par}"},
        TRoundTripCase{"Bullets",
                       "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
                       "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent360"
                       "{\\pntxtb\\'B7}}\\fi-360\\li720 one\\par{\\pntext\\f1\\'B7\\tab}"
                       "two\\par\\pard after\\par}"},
        TRoundTripCase{"SymbolTextBesideBullets",
                       "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
                       "\\pard{\\*\\pn\\pnlvlblt\\pnf1}\\li720 \\f1 a\\'b4b 1\\f0  x\\par}"},
        TRoundTripCase{"NumberedAndNestedLists",
                       "{\\rtf1\\pard{\\*\\pn\\pnlvlbody\\pnucrm\\pnindent250}\\li500 a\\par b"
                       "\\par\\pard{\\*\\pn\\pnlvlblt}\\fi-300\\li1000 c\\par}"},
        TRoundTripCase{
            "TabsAndLineBreaks",
            "{\\rtf1\\pard\\tx720\\tqr\\tx2880\\tqc\\tx4000 a\\tab b\\line c\\tab\\par}"},
        TRoundTripCase{"Escapes", "{\\rtf1 \\{\\}\\\\ \\~\\-\\_ \\'80\\'9f\\'a0\\'ff\\par}"},
        TRoundTripCase{"Unicode", "{\\rtf1\\uc1 \\u1046?\\u-10179?\\u-8704?\\u20013?\\u-1?"
                                  "\\u12354?\\par}"},
        TRoundTripCase{"EmptyParagraphFormats",
                       "{\\rtf1{\\fonttbl{\\f0 A;}{\\f1 B;}}\\f1\\fs40\\b\\par\\f0\\fs20 x\\b0\\par"
                       "\\par}"},
        TRoundTripCase{"NoParagraphMark", "{\\rtf1 last words}"}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

} // namespace
