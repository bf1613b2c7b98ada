// TRtfReader: documents as rich-text controls and word processors write them, character
// decoding, the empty document, and malformed input.
#include "RtfTestUtil.h"
#include "support/QtPrinters.h"
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

const QByteArray EmptyDocument =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans "
    "Serif;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs17\\par\r\n}\r\n";

TEST(RtfReaderEmpty, EmptyFormGivesOneEmptyParagraphWithItsFont) {
    auto doc = ReadRtf(EmptyDocument);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->blockCount(), 1);
    EXPECT_TRUE(doc->isEmpty());
    const QTextCharFormat mark = doc->begin().charFormat();
    EXPECT_EQ(mark.fontFamilies().toStringList(), QStringList{"Liberation Sans"});
    EXPECT_DOUBLE_EQ(mark.fontPointSize(), 8.5);
}

TEST(RtfReaderEmpty, TrailingNulReadsLikeWithout) {
    auto plain = ReadRtf(EmptyDocument);
    auto withNul = ReadRtf(EmptyDocument + QByteArray(1, '\0'));
    ASSERT_TRUE(plain && withNul);
    EXPECT_EQ(DumpDocument(*withNul), DumpDocument(*plain));
    const QByteArray text = "{\\rtf1 one\\par two\\par}\r\n";
    auto a = ReadRtf(text);
    auto b = ReadRtf(text + QByteArray(1, '\0'));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(DumpDocument(*b), DumpDocument(*a));
}

TEST(RtfReaderEmpty, ReadingReplacesContentAndKeepsUndoSetting) {
    QTextDocument doc;
    QTextCursor(&doc).insertText("old\nlines");
    ASSERT_TRUE(doc.isUndoAvailable());
    TRtfReader reader;
    ASSERT_TRUE(reader.Read("{\\rtf1 new}", &doc));
    EXPECT_EQ(BlockTexts(doc), "new");
    EXPECT_TRUE(doc.isUndoRedoEnabled());
    EXPECT_FALSE(doc.isUndoAvailable());
}

TEST(RtfReaderParagraphs, LastParagraphWithoutParIsKept) {
    auto doc = ReadRtf("{\\rtf1 a\\par\\par b}");
    ASSERT_TRUE(doc);
    EXPECT_EQ(BlockTexts(*doc), "a||b");
}

// A sample as a word processor writes it: header, font and colour tables, a style sheet and
// document information to skip, formats in nested groups, a field, bullets.
TEST(RtfReaderSample, WordProcessorDocument) {
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\\deflangfe1033"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
        "{\\f1\\fswiss\\fprq2\\fcharset0 Arial{\\*\\falt Helvetica};}"
        "{\\f2\\fnil\\fcharset2 Symbol;}{\\f3\\fmodern Courier New;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}\r\n"
        "{\\stylesheet{\\s0 Normal;}{\\s1\\b Heading 1;}}"
        "{\\info{\\title Sample}{\\author Someone}}"
        "{\\*\\generator Some Writer 1.0;}\\viewkind4\\uc1"
        "\\pard\\qc\\sa120\\b\\f1\\fs32 Title\\b0\\par\r\n"
        "\\pard\\fi360\\li720\\ri144\\sb60\\f0\\fs24 Plain {\\i italic} "
        "{\\cf1 red} {\\ul under\\ulnone line} {\\strike gone} {\\highlight2 marked} "
        "{\\field{\\*\\fldinst HYPERLINK \"http://x.example\"}{\\fldrslt link}}\\par\r\n"
        "\\pard{\\pntext\\f2\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf2\\pnindent360{\\pntxtb\\'B7}}"
        "\\fi-360\\li720 first\\par\r\n"
        "{\\pntext\\f2\\'B7\\tab}second\\par\r\n"
        "\\pard\\f3 code\\tab x\\line y\\par\r\n}\r\n";
    auto doc = ReadRtf(rtf);
    ASSERT_TRUE(doc);
    EXPECT_EQ(BlockTexts(*doc),
              "Title|Plain italic red underline gone marked link|first|second|code\tx\u2028y");

    QTextBlock title = doc->begin();
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(title.blockFormat().bottomMargin(), 8.0); // 120 twips
    const QTextCharFormat tf = FormatAt(*doc, title.position());
    EXPECT_EQ(tf.fontWeight(), QFont::Bold);
    EXPECT_EQ(tf.fontFamilies().toStringList(), QStringList{"Liberation Sans"});
    EXPECT_DOUBLE_EQ(tf.fontPointSize(), 16.0);

    QTextBlock body = title.next();
    EXPECT_DOUBLE_EQ(body.blockFormat().leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(body.blockFormat().textIndent(), 24.0);
    EXPECT_DOUBLE_EQ(body.blockFormat().rightMargin(), 9.6);
    EXPECT_DOUBLE_EQ(body.blockFormat().topMargin(), 4.0);
    const int p = body.position();
    const QString text = body.text();
    const QTextCharFormat plain = FormatAt(*doc, p);
    EXPECT_EQ(plain.fontFamilies().toStringList(), QStringList{"Liberation Serif"});
    EXPECT_EQ(plain.fontWeight(), QFont::Normal);
    EXPECT_FALSE(plain.fontItalic());
    EXPECT_TRUE(FormatAt(*doc, p + int(text.indexOf("italic"))).fontItalic());
    EXPECT_EQ(FormatAt(*doc, p + int(text.indexOf("red"))).foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(
        FormatAt(*doc, p + int(text.indexOf(" red"))).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_TRUE(FormatAt(*doc, p + int(text.indexOf("under"))).fontUnderline());
    EXPECT_FALSE(FormatAt(*doc, p + int(text.indexOf("line"))).fontUnderline());
    EXPECT_TRUE(FormatAt(*doc, p + int(text.indexOf("gone"))).fontStrikeOut());
    EXPECT_EQ(FormatAt(*doc, p + int(text.indexOf("marked"))).background().color(),
              QColor(0, 0, 128));

    QTextBlock first = body.next();
    QTextBlock second = first.next();
    ASSERT_TRUE(first.textList());
    EXPECT_EQ(first.textList(), second.textList());
    EXPECT_EQ(first.textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(first.textList()->format().intProperty(TRtfReader::HangingIndentProperty), 360);
    EXPECT_DOUBLE_EQ(first.blockFormat().leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(first.blockFormat().textIndent(), 0.0);
    EXPECT_FALSE(second.next().textList());
    EXPECT_EQ(FormatAt(*doc, second.next().position()).fontFamilies().toStringList(),
              QStringList{"Liberation Mono"});
}

// A stored RichText value: a colour table whose entry 0 is black, \\plain runs, the NUL.
TEST(RtfReaderSample, StoredPropertyValue) {
    const QByteArray rtf =
        QByteArray("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
                   "{\\f1\\froman\\fcharset2 Symbol;}{\\f3\\froman MS Serif;}}\r\n"
                   "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue128;}\r\n"
                   "\\deflang1033\\pard\\plain\\f3\\fs22\\cf1\\b Welcome!\\par\r\n"
                   "\\plain\\f0\\fs16\\par\r\n\\plain\\f0\\fs16\\b Bold\\plain\\f0\\fs16  "
                   "and \\cf0 black.\\par\r\n}\r\n") +
        QByteArray(1, '\0');
    auto doc = ReadRtf(rtf);
    ASSERT_TRUE(doc);
    EXPECT_EQ(BlockTexts(*doc), "Welcome!||Bold and black.");
    const QTextCharFormat welcome = FormatAt(*doc, 0);
    EXPECT_EQ(welcome.fontFamilies().toStringList(), QStringList{"Liberation Serif"});
    EXPECT_DOUBLE_EQ(welcome.fontPointSize(), 11.0);
    EXPECT_EQ(welcome.foreground().color(), QColor(0, 0, 128));
    const QTextBlock last = doc->begin().next().next();
    const QString text = last.text();
    EXPECT_EQ(FormatAt(*doc, last.position()).fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatAt(*doc, last.position() + int(text.indexOf("and")))
                     .hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(FormatAt(*doc, last.position() + int(text.indexOf("black"))).foreground().color(),
              QColor(0, 0, 0));
}

TEST(RtfReaderSample, NumberedItemsAndModernListsBecomeLists) {
    auto doc = ReadRtf("{\\rtf1{\\*\\listtable{\\list\\listid1}}"
                       "\\pard{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnindent200}a\\par "
                       "b\\par\\pard c\\par"
                       "\\pard\\ls1{\\listtext\\'95\\tab}d\\par}");
    ASSERT_TRUE(doc);
    EXPECT_EQ(BlockTexts(*doc), "a|b|c|d");
    QTextBlock a = doc->begin();
    ASSERT_TRUE(a.textList());
    EXPECT_EQ(a.textList()->format().style(), QTextListFormat::ListDecimal);
    EXPECT_EQ(a.textList()->format().intProperty(TRtfReader::HangingIndentProperty), 200);
    EXPECT_EQ(a.next().textList(), a.textList());
    EXPECT_FALSE(a.next().next().textList());
    ASSERT_TRUE(a.next().next().next().textList());
    EXPECT_EQ(a.next().next().next().textList()->format().style(), QTextListFormat::ListDisc);
}

struct TDecodeCase {
    const char* Name;
    QByteArray Rtf;
    QString Text;
};

class RtfReaderDecode : public ::testing::TestWithParam<TDecodeCase> {};

TEST_P(RtfReaderDecode, GivesText) {
    QString error;
    auto doc = ReadRtf(GetParam().Rtf, &error);
    ASSERT_TRUE(doc) << error.toStdString();
    EXPECT_EQ(BlockTexts(*doc), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfReaderDecode,
    ::testing::Values(
        TDecodeCase{"Escapes", "{\\rtf1 a\\{b\\}c\\\\d\\~e\\-f\\_g}",
                    QString::fromUtf16(u"a{b}c\\d\u00A0e\u00ADf\u2011g")},
        TDecodeCase{"Cp1252TypographicBytes",
                    "{\\rtf1\\ansi\\ansicpg1252 \\'80\\'93\\'94\\'85\\'e9}",
                    QString::fromUtf16(u"\u20AC\u201C\u201D\u2026\u00E9")},
        TDecodeCase{"UnicodeWithDefaultFallback", "{\\rtf1 x\\u8364?y}",
                    QString::fromUtf16(u"x\u20ACy")},
        TDecodeCase{"UnicodeNegative", "{\\rtf1 \\u-3971?}", QString::fromUtf16(u"\uF07D")},
        TDecodeCase{"SurrogatePair", "{\\rtf1 \\u-10179?\\u-8704?!}",
                    QString::fromUtf16(u"\U0001F600!")},
        TDecodeCase{"Uc2SkipsHexPair", "{\\rtf1\\uc2 \\u12354\\'82\\'a0z}",
                    QString::fromUtf16(u"\u3042z")},
        TDecodeCase{"Uc0SkipsNothing", "{\\rtf1\\uc0 \\u233 e}", QString::fromUtf16(u"\u00E9e")},
        TDecodeCase{"UcScopedToGroup", "{\\rtf1 {\\uc2 \\u233 ab}\\u233 ab}",
                    QString::fromUtf16(u"\u00E9\u00E9b")},
        TDecodeCase{"FallbackEndsAtGroup", "{\\rtf1\\uc3 {\\u233 a}bc}",
                    QString::fromUtf16(u"\u00E9bc")},
        TDecodeCase{"FontCharsetCodePage",
                    "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset204 X;}}\\f1 \\'c0\\f0 \\'c0}",
                    QString::fromUtf16(u"\u0410\u00C0")},
        TDecodeCase{"SymbolCharset",
                    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
                    "\\f1 pa\\'b7\\'e5\\'a3 1\\f0 pa\\'b7}",
                    QString::fromUtf16(u"\u03C0\u03B1\u2022\u2211\u2264 1pa\u00B7")},
        TDecodeCase{"UnknownCodePageFallsBackTo1252", "{\\rtf1\\ansicpg125 \\'80{\\f0 \\'80}\\'80}",
                    QString::fromUtf16(u"\u20AC\u20AC\u20AC")},
        TDecodeCase{"IgnorableAndUnknown",
                    "{\\rtf1 a{\\*\\unknowndest b{c}d}\\unknownword e{\\*\\bkmkstart x}f}", "aef"},
        TDecodeCase{"SkippedPictureWithBinary", "{\\rtf1 a{\\pict\\wmetafile8 \\bin4 }}{{ 0f}b}",
                    "ab"},
        TDecodeCase{"HiddenText", "{\\rtf1 a{\\v hidden}b}", "ab"},
        TDecodeCase{"NamedCharacters", "{\\rtf1 \\lquote x\\rquote \\emdash \\bullet}",
                    QString::fromUtf16(u"\u2018x\u2019\u2014\u2022")},
        TDecodeCase{"ControlCharactersDropped", "{\\rtf1 a\\u0?b\\u13?c\\u8233?d\\u64976?e}",
                    "abcde"},
        TDecodeCase{"BackslashNewlineIsPar", "{\\rtf1 a\\\nb}", "a|b"},
        TDecodeCase{"TableCellsAndRows", "{\\rtf1 \\trowd a\\cell b\\cell\\row c}", "a\tb\t|c"},
        // The document ends with its outer group; what a writer adds after it is not read.
        TDecodeCase{"OuterGroupClosedEarly",
                    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Dear reader,\\par thanks.}"
                    "\\par P.S. more\\par}\r\n",
                    "Dear reader,|thanks."},
        TDecodeCase{"ExtraClose", "{\\rtf1 a}}", "a"},
        TDecodeCase{"TextAfterEnd", "{\\rtf1 a} trailing {\\b x}", "a"}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(RtfReaderFormats, PlainAndPardReset) {
    auto doc = ReadRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier;}}"
                       "\\qr\\li300\\f1\\fs40\\b\\i x\\plain y\\par\\pard z\\par}");
    ASSERT_TRUE(doc);
    const QTextCharFormat x = FormatAt(*doc, 0);
    const QTextCharFormat y = FormatAt(*doc, 1);
    EXPECT_EQ(x.fontFamilies().toStringList(), QStringList{"Liberation Mono"});
    EXPECT_TRUE(x.fontItalic());
    EXPECT_EQ(y.fontFamilies().toStringList(), QStringList{"Liberation Sans"});
    EXPECT_DOUBLE_EQ(y.fontPointSize(), 12.0);
    EXPECT_FALSE(y.fontItalic());
    EXPECT_EQ(y.fontWeight(), QFont::Normal);
    EXPECT_EQ(doc->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_DOUBLE_EQ(doc->begin().blockFormat().leftMargin(), 20.0);
    EXPECT_EQ(doc->begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(doc->begin().next().blockFormat().leftMargin(), 0.0);
}

TEST(RtfReaderFormats, TabStopsFollowGroupsAndParagraphs) {
    QByteArray many;
    for (int i = 1; i <= 100; ++i)
        many += "\\tx" + QByteArray::number(i * 15);
    auto doc = ReadRtf("{\\rtf1\\pard\\tx150{\\tx300}\\tqr\\tx450 a\\par\\tx600 b\\par\\pard" +
                       many + " c\\par}");
    ASSERT_TRUE(doc);
    const auto positions = [](const QTextBlock& b) {
        QList<qreal> result;
        for (const QTextOption::Tab& t : b.blockFormat().tabPositions())
            result << t.position;
        return result;
    };
    const QTextBlock a = doc->begin();
    EXPECT_EQ(positions(a), (QList<qreal>{10, 30}));
    EXPECT_EQ(a.blockFormat().tabPositions().value(1).type, QTextOption::RightTab);
    EXPECT_EQ(positions(a.next()), (QList<qreal>{10, 30, 40}));
    EXPECT_EQ(positions(a.next().next()).size(), 64);
}

TEST(RtfReaderFormats, AutoAndMissingColoursLeaveTheDefault) {
    auto doc = ReadRtf("{\\rtf1{\\colortbl;\\red1\\green2\\blue3}\\cf0 a\\cf1 b\\cf7 c}");
    ASSERT_TRUE(doc);
    EXPECT_FALSE(FormatAt(*doc, 0).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(FormatAt(*doc, 1).foreground().color(), QColor(1, 2, 3));
    EXPECT_FALSE(FormatAt(*doc, 2).hasProperty(QTextFormat::ForegroundBrush));
}

TEST(RtfReaderFormats, HugeValuesAreBounded) {
    auto doc = ReadRtf("{\\rtf1\\fs99999999999\\li-99999999999 a\\fs0 b\\par}");
    ASSERT_TRUE(doc);
    EXPECT_DOUBLE_EQ(FormatAt(*doc, 0).fontPointSize(), 1638.0);
    EXPECT_DOUBLE_EQ(FormatAt(*doc, 1).fontPointSize(), 0.5);
    EXPECT_DOUBLE_EQ(doc->begin().blockFormat().leftMargin(), -31680 / 15.0);
}

struct TMalformedCase {
    const char* Name;
    QByteArray Rtf;
    const char* MessagePart;
};

class RtfReaderMalformed : public ::testing::TestWithParam<TMalformedCase> {};

TEST_P(RtfReaderMalformed, IsRejectedAndLeavesDocumentAlone) {
    QTextDocument doc;
    doc.setPlainText("keep");
    TRtfReader reader;
    EXPECT_FALSE(reader.Read(GetParam().Rtf, &doc));
    EXPECT_TRUE(reader.ErrorMessage().contains(GetParam().MessagePart))
        << reader.ErrorMessage().toStdString();
    EXPECT_GE(reader.ErrorOffset(), 0);
    EXPECT_LE(reader.ErrorOffset(), GetParam().Rtf.size());
    EXPECT_EQ(doc.toPlainText(), "keep");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfReaderMalformed,
    ::testing::Values(
        TMalformedCase{"Empty", "", "begin with"},
        TMalformedCase{"PlainText", "Hello world", "begin with"},
        TMalformedCase{"OtherFormat", "{\\pict 00}", "begin with"},
        TMalformedCase{"LeadingSpace", " {\\rtf1 a}", "begin with"},
        TMalformedCase{"UnclosedGroup", "{\\rtf1 a{\\b b}", "Truncated"},
        TMalformedCase{"TruncatedInSkippedGroup", "{\\rtf1{\\info{\\title x", "Truncated"},
        TMalformedCase{"TruncatedHex", "{\\rtf1 \\'4", "Truncated"},
        TMalformedCase{"TruncatedBackslash", "{\\rtf1 a\\", "Truncated"},
        TMalformedCase{"NulInside", QByteArray("{\\rtf1 a\0b}", 11), "Truncated"},
        TMalformedCase{"BinaryPastEnd", "{\\rtf1{\\pict\\bin999 ab}}", "Truncated"},
        TMalformedCase{"DeepNesting",
                       "{\\rtf1" + QByteArray(100000, '{') + "a" + QByteArray(100000, '}') + "}",
                       "nested"}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(RtfReaderLimits, DeepSkippedGroupsAreFineAndDepthIsConfigurable) {
    const QByteArray deep =
        "{\\rtf1 a{\\*\\x" + QByteArray(100000, '{') + QByteArray(100000, '}') + "}b}";
    auto doc = ReadRtf(deep);
    ASSERT_TRUE(doc);
    EXPECT_EQ(BlockTexts(*doc), "ab");

    const QByteArray nested = "{\\rtf1{{{a}}}}";
    TRtfReader reader;
    QTextDocument target;
    reader.SetMaxDepth(4);
    EXPECT_TRUE(reader.Read(nested, &target));
    reader.SetMaxDepth(3);
    EXPECT_FALSE(reader.Read(nested, &target));
    EXPECT_EQ(reader.ErrorOffset(), 8); // the fourth '{'
}

} // namespace
