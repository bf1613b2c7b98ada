// The graphics demo window as its description builds it: the pictures it stores once and
// shares, the meters' settings, and the Animate run with its cursor, disabled button and the
// value sequence every meter goes through.

#include "app/Form2.h"
#include "app/DemoProgram.h"
#include "components/gfx/VQGfxCmp.h"
#include "framework/controls/Screen.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Picture.h"
#include "framework/stdctrls/Button.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

class Form2Fixture : public ::testing::Test {
protected:
    void SetUp() override {
        TDemoProgram::RegisterProgramClasses();
        InitializeVQGfxCmp();
        Form.reset(TForm::CreateFromResource<TForm2Fm>(nullptr));
    }
    void TearDown() override {
        Form.reset();
        FinalizeVQGfxCmp();
    }
    template <class T> T* Find(const char* name) {
        return dynamic_cast<T*>(Form->FindComponent(QString::fromLatin1(name)));
    }
    std::vector<TVQMeter*> Meters() {
        std::vector<TVQMeter*> out;
        for (int i = 0; i < Form->ControlCount(); ++i)
            if (auto* m = dynamic_cast<TVQMeter*>(Form->Controls(i))) out.push_back(m);
        return out;
    }
    void ShowForm() {
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    }
    std::unique_ptr<TForm2Fm> Form;
};

TEST_F(Form2Fixture, LayoutHasItsControlsInChildOrder) {
    EXPECT_EQ(Form->ClientWidth(), 432);
    EXPECT_EQ(Form->ClientHeight(), 385);
    ASSERT_EQ(Form->ControlCount(), 28);
    EXPECT_EQ(Form->Controls(0)->Name(), QStringLiteral("VQBevel5"));
    EXPECT_EQ(Form->Controls(27)->Name(), QStringLiteral("AnimateBt"));
    EXPECT_EQ(Meters().size(), 8u); // VQMeter1..9 without a 6
    auto* meter3 = Find<TVQMeter>("VQMeter3");
    ASSERT_NE(meter3, nullptr);
    EXPECT_EQ(meter3->BoundsRect(), Rect(20, 340, 227, 361));
    EXPECT_EQ(meter3->Value(), 75);
    EXPECT_EQ(Find<TVQBorder>("VQBorder1")->Alignment(), taRightJustify);
    EXPECT_EQ(Find<TVQBorder>("VQBevel3")->Hint(),
              QStringLiteral("Status border with text. Alignment can be adjusted.\r\n"
                             "This provides an easy, low resource status bar."));
}

TEST_F(Form2Fixture, ImagesShareTheirStoredPictures) {
    auto* icon = Find<TVQImage>("VQImage1");
    auto* house = Find<TVQImage>("VQImage4");
    ASSERT_TRUE(icon && house);
    EXPECT_EQ(icon->Picture()->Width(), 32);
    EXPECT_EQ(house->Picture()->Width(), 32);
    EXPECT_EQ(house->Picture()->Height(), 40);
    for (const char* name : {"VQImage2", "VQImage3"}) {
        EXPECT_EQ(Find<TVQImage>(name)->PictureControl(), icon) << name;
        EXPECT_EQ(Find<TVQImage>(name)->Picture()->Width(), 32) << name;
    }
    for (const char* name : {"VQImage5", "VQImage6"})
        EXPECT_EQ(Find<TVQImage>(name)->PictureControl(), house) << name;
    auto* auto5 = Find<TVQImage>("VQImage5");
    EXPECT_TRUE(auto5->AutoColor());
    EXPECT_EQ(auto5->Color(), TColor(0x02008000)); // the house's bottom-left green
    auto* hint = Find<TVQImage>("HintIm");
    EXPECT_EQ(hint->BoundsRect(), Rect(12, 6, 36, 30));
    EXPECT_EQ(hint->Picture()->Bitmap()->TransparentColor(), TColor(0x02008080));
}

TEST_F(Form2Fixture, AnimateRunsEveryMeterThroughTheSequenceToHalf) {
    ShowForm();
    auto* meter1 = Find<TVQMeter>("VQMeter1");
    std::vector<int> painted;
    meter1->OnSelectColor = [&](TObject*, uint32_t percent, TColor&) {
        painted.push_back(int(percent));
    };
    bool sawDisabled = true, sawHourglass = true;
    int steps = 0;
    auto* meter9 = Find<TVQMeter>("VQMeter9");
    auto draw = meter9->OnDrawMeter;
    meter9->OnDrawMeter = [&](TObject* m, TCanvas* c, const TRect& r) {
        ++steps;
        sawDisabled = sawDisabled && !Form->AnimateBt->Enabled();
        sawHourglass = sawHourglass && Screen->Cursor() == crHourGlass;
        draw(m, c, r);
    };

    Form->AnimateBt->Click();
    EXPECT_TRUE(sawDisabled);
    EXPECT_TRUE(sawHourglass);
    // VQMeter9 starts at 0 and 50 comes twice in a row: both steps leave it unchanged.
    EXPECT_EQ(steps, TForm2Fm::AnimateSteps - 2);
    for (TVQMeter* m : Meters())
        EXPECT_EQ(m->Percent(), 50) << qPrintable(m->Name());
    EXPECT_TRUE(Form->AnimateBt->Enabled());
    EXPECT_EQ(Screen->Cursor(), crDefault);

    std::vector<int> expected;
    for (int k = 0; k <= 50; ++k)
        expected.push_back(2 * k);
    for (int k = 49; k >= 25; --k)
        expected.push_back(2 * k);
    ASSERT_GE(painted.size(), expected.size());
    // Any paint the event loop adds comes after a step's own, with the same value.
    std::vector<int> distinct;
    for (int p : painted)
        if (distinct.empty() || distinct.back() != p) distinct.push_back(p);
    EXPECT_EQ(distinct, expected);

    // A second press starts again from 0.
    painted.clear();
    Form->AnimateBt->Click();
    ASSERT_FALSE(painted.empty());
    EXPECT_EQ(painted.front(), 0);
}

TEST_F(Form2Fixture, OwnerDrawnMeterFillsFromTheBottomWithTheSqueezedBitmap) {
    auto* meter9 = Find<TVQMeter>("VQMeter9");
    auto paint = [&] {
        QImage img(meter9->Width(), meter9->Height(), QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        meter9->PaintRequest(&p);
        p.end();
        return img;
    };
    const TRect inner = meter9->GetInnerRect(); // (2, 2, 27, 75)
    meter9->SetPercent(0);
    const QImage empty = paint();
    meter9->SetPercent(50);
    const QImage half = paint();
    const int x = (inner.Left + inner.Right) / 2;
    // The house's green background shows in the lower half only.
    const QRgb green = qRgb(0, 128, 0);
    EXPECT_EQ(half.pixel(inner.Left, inner.Bottom - 1), green);
    EXPECT_NE(half.pixel(x, inner.Top + 5), green);
    EXPECT_NE(empty.pixel(inner.Left, inner.Bottom - 1), green);
    EXPECT_EQ(half.pixel(x, inner.Top + 5), empty.pixel(x, inner.Top + 5));
}

TEST_F(Form2Fixture, VerticalLedShowsRedRedYellowAtHalf) {
    auto* meter8 = Find<TVQMeter>("VQMeter8");
    std::vector<TColor> colours;
    const auto select = meter8->OnSelectColor;
    meter8->OnSelectColor = [&](TObject* m, uint32_t percent, TColor& colour) {
        select(m, percent, colour);
        colours.push_back(colour);
    };
    QImage img(25, 77, QImage::Format_RGB32);
    QPainter p(&img);
    meter8->PaintRequest(&p);
    p.end();
    // The first request is for Percent (50: yellow), then one per lit block.
    EXPECT_EQ(colours, (std::vector<TColor>{clYellow, clRed, clRed, clYellow}));
}

} // namespace
