#include "TestClasses.h"

#include "framework/classes/FormParser.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"

#include <gtest/gtest.h>

namespace {

class FormStream : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClasses();
        TTestThing::LoadedLog().clear();
    }

    // Reads into a fresh root; the test owns it.
    std::unique_ptr<TTestRoot> Read(const std::string& text) {
        auto root = std::make_unique<TTestRoot>(nullptr);
        TFormReader::ReadInto(root.get(), text, "test.vqf");
        return root;
    }

    // The message of the reading error the text raises.
    String ErrorOf(const std::string& text) {
        try {
            Read(text);
        } catch (const EReadError& e) {
            return e.Message();
        }
        return "no error";
    }
};

const char* const kEveryKind = R"(object Root1: TTestRoot
  Tag = 7
  object Thing1: TTestThing
    Count = 3
    Mask = 4000000000
    Active = False
    Shape = tsTriangle
    Shapes = [tsCircle, tsTriangle]
    Caption = 'It''s a '#13#10'line'#233#8364
    Ratio = 0.25
    Color = clHighlight
    Font.FaceName = 'Mono'
    Font.Height = 20
    Lines = (
      'first'
      ''
      'third')
    Buddy = Thing2
    Data = {
      00FF10AB}
    Items = <
      item
        Width = 7
        Text = 'a'
      end
      item
      end>
    Cursor = crHourGlass
    OnClick = Thing1Click
    OnValue = ThingValue
    object Inner: TTestThing
      Count = 1
    end
  end
  object Thing2: TTestThing
    Color = $00123456
  end
end
)";

TEST_F(FormStream, EveryPropertyKindReadsAndWritesBackIdentically) {
    auto root = Read(kEveryKind);
    TTestThing* t = root->Thing1;
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(root->Tag(), 7);
    EXPECT_EQ(t->Count(), 3);
    EXPECT_EQ(t->Mask(), 4000000000u);
    EXPECT_FALSE(t->Active());
    EXPECT_EQ(t->Shape(), tsTriangle);
    EXPECT_EQ(t->Shapes(), (TTestShapes{tsCircle, tsTriangle}));
    EXPECT_EQ(t->Caption(), QString::fromUtf8("It's a \r\nline\u00e9\u20ac"));
    EXPECT_DOUBLE_EQ(t->Ratio(), 0.25);
    EXPECT_EQ(t->Color(), clHighlight);
    EXPECT_EQ(t->Font()->FaceName(), "Mono");
    EXPECT_EQ(t->Font()->Height(), 20);
    EXPECT_EQ(t->Lines()->ToStringList(), (QStringList{"first", "", "third"}));
    EXPECT_EQ(t->Buddy(), root->Thing2);
    EXPECT_EQ(t->Data(), QByteArray::fromHex("00FF10AB"));
    ASSERT_EQ(t->Items()->Count(), 2);
    EXPECT_EQ(static_cast<TTestItem*>(t->Items()->Items(0))->Width(), 7);
    EXPECT_EQ(static_cast<TTestItem*>(t->Items()->Items(1))->Width(), 50);
    EXPECT_EQ(t->Cursor(), -11);
    EXPECT_EQ(root->Thing2->Color(), MakeColor(0x00123456));
    ASSERT_TRUE(t->OnClick);
    t->OnClick(t);
    EXPECT_EQ(root->Clicks, 1);
    int v = 0;
    t->OnValue(t, v);
    EXPECT_EQ(v, 42);

    EXPECT_EQ(TFormWriter::Write(root.get()), kEveryKind);
}

TEST_F(FormStream, WriterOmitsDeclaredDefaultsAndUnstoredProperties) {
    TTestRoot root(nullptr);
    root.SetName("Root1");
    auto* t = new TTestThing(&root);
    t->SetName("Plain");
    t->FAbout = 12345; // never stored
    EXPECT_EQ(TFormWriter::Write(&root),
              "object Root1: TTestRoot\n  object Plain: TTestThing\n  end\nend\n");
    t->SetActive(false);
    t->SetCount(0);
    t->Font()->SetHeight(-11);
    EXPECT_EQ(TFormWriter::Write(&root),
              "object Root1: TTestRoot\n  object Plain: TTestThing\n    Active = False\n  "
              "end\nend\n");
}

TEST_F(FormStream, LongStringsContinueAcrossLinesAndReadBack) {
    TTestRoot root(nullptr);
    root.SetName("R");
    auto* t = new TTestThing(&root);
    t->SetName("T");
    const String text = QString(150, u'x') + u'\t' + QString(10, u'\'');
    t->SetCaption(text);
    const std::string written = TFormWriter::Write(&root);
    EXPECT_NE(written.find(" +\n"), std::string::npos);
    auto back = std::make_unique<TTestRoot>(nullptr);
    TFormReader::ReadInto(back.get(), written, "w");
    EXPECT_EQ(static_cast<TTestThing*>(back->FindComponent("T"))->Caption(), text);
    EXPECT_EQ(TFormWriter::Write(back.get()), written);
}

TEST_F(FormStream, FloatsIntegersAndHexRoundTrip) {
    TTestRoot root(nullptr);
    root.SetName("R");
    auto* t = new TTestThing(&root);
    t->SetName("T");
    for (double d : {1.0, -0.1, 1e300, 3.141592653589793, 5e-324}) {
        t->SetRatio(d);
        auto back = std::make_unique<TTestRoot>(nullptr);
        TFormReader::ReadInto(back.get(), TFormWriter::Write(&root), "w");
        EXPECT_EQ(static_cast<TTestThing*>(back->FindComponent("T"))->Ratio(), d);
    }
    auto r = Read("object R: TTestRoot\n object T: TTestThing\n Count = $7FFFFFFF\n "
                  "Color = $FFFFFFFF\n end\nend");
    auto* rt = static_cast<TTestThing*>(r->FindComponent("T"));
    EXPECT_EQ(rt->Count(), 0x7FFFFFFF);
    EXPECT_EQ(int32_t(rt->Color()), -1);
}

// Eight hex digits or fewer are a 32-bit pattern: negative in an integer property, refused by an
// unsigned one (the test list below), while a decimal value above 2^31 fits the unsigned one.
TEST_F(FormStream, ShortHexLiteralsAreSigned32BitPatterns) {
    auto r = Read("object R: TTestRoot\n Tag = $FFFFFFFF\n object T: TTestThing\n"
                  " Mask = $7FFFFFFF\n end\n object U: TTestThing\n Mask = 4294967295\n end\nend");
    EXPECT_EQ(r->Tag(), -1);
    EXPECT_EQ(static_cast<TTestThing*>(r->FindComponent("T"))->Mask(), 0x7FFFFFFFu);
    EXPECT_EQ(static_cast<TTestThing*>(r->FindComponent("U"))->Mask(), 0xFFFFFFFFu);
    EXPECT_EQ(Read("object R: TTestRoot\n Tag = $80000000\nend")->Tag(), INT32_MIN);
}

TEST_F(FormStream, NamesThatBeginWithAKeywordAreProperties) {
    const TFormObjectNode root = TFormParser::Parse("object R: TTestRoot\n"
                                                    "  EndValue = 1\n"
                                                    "  ObjectName = 'a'\n"
                                                    "  inlined = True\n"
                                                    "  InheritedFrom = Base\n"
                                                    "  object T: TTestThing\n"
                                                    "    endless = 2\n"
                                                    "  end\n"
                                                    "end",
                                                    "test.vqf");
    std::vector<std::string_view> names;
    for (const TFormPropNode& p : root.Props)
        names.push_back(p.Name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"EndValue", "ObjectName", "inlined",
                                                    "InheritedFrom"}));
    ASSERT_EQ(root.Children.size(), 1u);
    ASSERT_EQ(root.Children[0].Props.size(), 1u);
    EXPECT_EQ(root.Children[0].Props[0].Name, "endless");
}

// Binary data: every byte value, digits of either case, lines of every length (so that runs of
// digits start at every offset and cross line ends), and a bad digit at every place of a run.
TEST_F(FormStream, BinaryDataDecodesEveryDigitWhereverItFalls) {
    std::string bytes, hex;
    const char* const digits[2] = {"0123456789abcdef", "0123456789ABCDEF"};
    for (int b = 0; b < 256; ++b) {
        bytes += char(b);
        hex += digits[b % 3 == 0][b >> 4];
        hex += digits[b % 5 == 0][b & 15];
    }
    for (size_t perLine :
         {size_t(1), size_t(2), size_t(7), size_t(9), size_t(16), size_t(64), hex.size()}) {
        std::string text = "object R: TTestRoot\n  Data = {";
        for (size_t i = 0; i < hex.size(); i += perLine)
            text += (i % 3 ? "\n    " : "\r\n\t ") + hex.substr(i, perLine);
        text += "}\nend";
        const TFormObjectNode root = TFormParser::Parse(text, "test.vqf");
        ASSERT_EQ(root.Props.size(), 1u);
        EXPECT_EQ(root.Props[0].Value.Str, bytes) << perLine << " digits a line";
    }
    for (const char bad : {'g', 'G', '/', ':', '@', '`', 'Z', '\x7f', '\x80', '\xc1', '\xff'}) {
        for (size_t at = 0; at < 16; ++at) {
            std::string run = "00112233aAbBcCdD";
            run[at] = bad;
            const std::string text = "object R: TTestRoot\n  Data = {" + run + "}\nend";
            EXPECT_THROW(TFormParser::Parse(text, "test.vqf"), EReadError)
                << "byte " << int(static_cast<unsigned char>(bad)) << " at " << at;
        }
    }
}

TEST_F(FormStream, ReadingACollectionReplacesItsItems) {
    auto r = Read("object R: TTestRoot\n object T: TTestThing\n"
                  "  Items = <item Width = 1 end item Width = 2 end item end>\n"
                  "  Items = <item Width = 9 end>\n end\nend");
    TCollection* items = static_cast<TTestThing*>(r->FindComponent("T"))->Items();
    ASSERT_EQ(items->Count(), 1);
    EXPECT_EQ(static_cast<TTestItem*>(items->Items(0))->Width(), 9);
}

TEST_F(FormStream, LoadingStateSetWhileReadingAndLoadedCalledLastInReadingOrder) {
    struct Watch : TTestThing {
        using TTestThing::TTestThing;
    };
    auto root = Read("object R: TTestRoot\n object Thing1: TTestThing\n Buddy = Thing2\n end\n"
                     " object Thing2: TTestThing\n end\nend");
    EXPECT_EQ(TTestThing::LoadedLog(), (std::vector<String>{"Thing1", "Thing2"}));
    EXPECT_FALSE(root->ComponentState().Contains(csLoading));
    EXPECT_FALSE(root->Thing1->ComponentState().Contains(csLoading));
    // The forward reference was resolved after Thing2 existed.
    EXPECT_EQ(root->Thing1->Buddy(), root->Thing2);
}

TEST_F(FormStream, NestedChildrenGetTheirParentAndRootAsOwner) {
    auto root = Read(kEveryKind);
    auto* inner = static_cast<TTestThing*>(root->FindComponent("Inner"));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Owner(), root.get());
    EXPECT_EQ(inner->ParentThing(), root->Thing1);
}

TEST_F(FormStream, ReadNewCreatesTheRootFromTheRegistry) {
    std::unique_ptr<TComponent> root(
        TFormReader::ReadNew("object X: TTestThing\n Count = 2\nend", "new.vqf", nullptr));
    ASSERT_NE(dynamic_cast<TTestThing*>(root.get()), nullptr);
    EXPECT_EQ(root->Name(), "X");
    EXPECT_THROW(TFormReader::ReadNew("object X: TNope\nend", "new.vqf", nullptr), EReadError);
}

struct BadInput {
    const char* text;
    const char* message;
};

class FormStreamErrors : public FormStream, public ::testing::WithParamInterface<BadInput> {};

TEST_P(FormStreamErrors, NameSourceLineAndWhatWasExpected) {
    EXPECT_EQ(ErrorOf(GetParam().text), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, FormStreamErrors,
    ::testing::Values(
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Caption = 'abc\n  end\nend",
                 "test.vqf(3): unterminated string"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n  end\n",
                 "test.vqf(4): expected 'end' but found end of text"},
        BadInput{"object R: TTestRoot\n  object T: TNoSuchClass\n  end\nend",
                 "test.vqf(2): Class TNoSuchClass not found"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Colour = clRed\n  end\nend",
                 "test.vqf(3): Property Colour does not exist in TTestThing"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Shapes = [tsCircle, tsOval]\n"
                 "  end\nend",
                 "test.vqf(3): Invalid set element tsOval for Shapes (TTestShape)"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Data = {0AZ1}\n  end\nend",
                 "test.vqf(3): invalid hexadecimal digit 'Z' in binary data"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Data = {0A1}\n  end\nend",
                 "test.vqf(3): odd number of hexadecimal digits in binary data"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Data = {\n      0A1B\n      2C",
                 "test.vqf(5): expected '}' but found end of text"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Data = {\n      0A1B\n    }\n"
                 "    Colour = clRed\n  end\nend",
                 "test.vqf(6): Property Colour does not exist in TTestThing"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Shape = tsOval\n  end\nend",
                 "test.vqf(3): Invalid value tsOval for Shape (TTestShape)"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Active = 1\n  end\nend",
                 "test.vqf(3): Invalid value for Active: expected True or False"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Count = -1\n  end\nend",
                 "test.vqf(3): Error reading T.Count: Count must not be negative"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Buddy = Nobody\n  end\nend",
                 "test.vqf(3): Invalid reference Nobody in T.Buddy: no such component"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    OnClick = Missing\n  end\nend",
                 "test.vqf(3): Handler Missing for T.OnClick not found in TTestRoot"},
        BadInput{
            "object R: TTestRoot\n  object T: TTestThing\n    OnClick = ThingValue\n  end\nend",
            "test.vqf(3): Handler ThingValue does not fit event T.OnClick (TNotifyEvent)"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n  end\n  object T: TTestThing\n"
                 "  end\nend",
                 "test.vqf(4): A component named T already exists"},
        BadInput{"object R: TTestThing\nend",
                 "test.vqf(1): expected an object of class TTestRoot but found TTestThing"},
        BadInput{"object R: TTestRoot\n  Tag = 1 2\nend",
                 "test.vqf(2): expected a property name, 'object' or 'end' but found '2'"},
        BadInput{"object R: TTestRoot\nend\nobject",
                 "test.vqf(3): expected end of text but found 'object'"},
        BadInput{"object R: TTestRoot\n  object T: TTestThing\n    Mask = $FFFFFFFF\n  end\nend",
                 "test.vqf(3): Invalid value for Mask: expected an unsigned integer"},
        BadInput{"", "test.vqf(1): expected 'object' but found end of text"}));

TEST_F(FormStream, FailedReadFreesWhatItBuiltAndClearsFields) {
    TTestRoot root(nullptr);
    EXPECT_THROW(TFormReader::ReadInto(&root,
                                       "object R: TTestRoot\n object Thing1: TTestThing\n end\n"
                                       " object Thing2: TTestThing\n Bogus = 1\n end\nend",
                                       "x"),
                 EReadError);
    EXPECT_EQ(root.ComponentCount(), 0);
    EXPECT_EQ(root.Thing1, nullptr);
    EXPECT_EQ(root.Thing2, nullptr);
    EXPECT_FALSE(root.ComponentState().Contains(csLoading));
    EXPECT_TRUE(TTestThing::LoadedLog().empty());
}

TEST_F(FormStream, SyntaxErrorBuildsNothing) {
    TTestRoot root(nullptr);
    EXPECT_THROW(TFormReader::ReadInto(&root,
                                       "object R: TTestRoot\n object Thing1: TTestThing\n end\n"
                                       " object Thing2: TTestThing\n Count = 'x\n end\nend",
                                       "x"),
                 EReadError);
    EXPECT_EQ(root.ComponentCount(), 0);
    EXPECT_TRUE(root.Name().isEmpty());
}

} // namespace
