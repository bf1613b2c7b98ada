// The main window's animation page: VQAnimImage1 on ImageList1's ten frames, still at start,
// and the check box that switches the animation.

#include "app/DemoProgram.h"
#include "app/MainForm.h"
#include "components/gfx/VQGfxCmp.h"
#include "framework/controls/Application.h"
#include "framework/graphics/ImageList.h"
#include "framework/stdctrls/CheckBox.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class AnimImagePage : public testing::Test {
protected:
    void SetUp() override {
        FProgram.Start();
        ASSERT_NE(MainFm, nullptr);
        ASSERT_NE(MainFm->VQAnimImage1, nullptr);
        ASSERT_NE(MainFm->AnimateCb, nullptr);
    }
    TDemoProgram FProgram;
};

TEST_F(AnimImagePage, StartsStillOnTheLastOfTenFrames) {
    TVQAnimImage* anim = MainFm->VQAnimImage1;
    ASSERT_NE(anim->ImageList(), nullptr);
    EXPECT_EQ(anim->ImageList()->Count(), 10);
    EXPECT_EQ(anim->ImageList()->Width(), 64);
    EXPECT_EQ(anim->ImageList()->Height(), 64);
    EXPECT_EQ(anim->Index(), 9);
    EXPECT_EQ(anim->Period(), 1000);
    EXPECT_EQ(anim->BoundsRect(), Rect(292, 16, 381, 86));
    EXPECT_FALSE(anim->Animate());
    EXPECT_FALSE(anim->TimerEnabled());
    EXPECT_FALSE(MainFm->AnimateCb->Checked());

    // The frame sits at (12, 3); outside its disc the frame is see-through.
    QImage img(anim->Width(), anim->Height(), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    QPainter p(&img);
    anim->PaintRequest(&p);
    p.end();
    const QRgb background = ColorToQRgb(anim->Color());
    EXPECT_EQ(img.pixel(12, 3), background);           // a corner of the frame
    EXPECT_NE(img.pixel(12 + 32, 3 + 32), background); // its hub
    EXPECT_NE(img.pixel(12 + 32, 3 + 2), background);  // its rim
    EXPECT_EQ(img.pixel(11, 3 + 32), background);      // left of it
}

TEST_F(AnimImagePage, CheckBoxSwitchesTheAnimation) {
    TVQAnimImage* anim = MainFm->VQAnimImage1;
    MainFm->AnimateCb->SetChecked(true); // a state change clicks the box
    EXPECT_TRUE(anim->Animate());
    EXPECT_TRUE(anim->TimerEnabled());
    EXPECT_EQ(anim->TimerInterval(), 100u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return anim->Index() == 0; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return anim->Index() == 1; }, 2000));

    MainFm->AnimateCb->SetChecked(false);
    EXPECT_FALSE(anim->Animate());
    EXPECT_FALSE(anim->TimerEnabled());
}

} // namespace
