#include "GfxControlTestSupport.h"

#include "framework/controls/Form.h"
#include "framework/graphics/ImageList.h"
#include "framework/system/Exceptions.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// An image list of count w-by-h images; image i is filled with colour RGB(10 * i, 100, 50).
std::unique_ptr<TImageList> MakeList(int count, int w = 64, int h = 64) {
    auto list = std::make_unique<TImageList>(nullptr);
    list->SetSize(w, h);
    for (int i = 0; i < count; ++i) {
        QImage img(w, h, QImage::Format_ARGB32);
        img.fill(qRgb(10 * i, 100, 50));
        list->AddImage(img);
    }
    return list;
}

TColor FrameColor(int i) {
    return RGB(10 * i, 100, 50);
}

class TStepper : public TVQAnimImage {
public:
    using TVQAnimImage::FrameStep;
    using TVQAnimImage::TVQAnimImage;
};

TEST(AnimImageTest, IndexIsClampedToTheListOnlyWhenThereIsOne) {
    TVQAnimImage anim(nullptr);
    anim.SetIndex(15);
    EXPECT_EQ(anim.Index(), 15);
    auto list = MakeList(10);
    anim.SetImageList(list.get());
    EXPECT_EQ(anim.Index(), 15); // assigning the list leaves it
    // Compared before clamping: 15 again would be "unchanged" and keep the stale 15.
    const std::pair<int, int> cases[] = {{3, 3}, {15, 9}, {-4, 0}, {9, 9}};
    for (auto [set, stored] : cases) {
        anim.SetIndex(set);
        EXPECT_EQ(anim.Index(), stored) << set;
    }
    auto empty = MakeList(0);
    anim.SetImageList(empty.get());
    anim.SetIndex(5);
    EXPECT_EQ(anim.Index(), 0);
}

TEST(AnimImageTest, FrameStepsWrapAfterTheLastImageAndBringBackAStaleIndex) {
    TStepper anim(nullptr);
    anim.SetIndex(12); // before the list, as a description may set it
    auto list = MakeList(10);
    anim.SetImageList(list.get());
    anim.FrameStep();
    EXPECT_EQ(anim.Index(), 0);
    anim.FrameStep();
    EXPECT_EQ(anim.Index(), 1);
    anim.SetIndex(9);
    anim.FrameStep();
    EXPECT_EQ(anim.Index(), 0);

    auto empty = MakeList(0);
    anim.SetImageList(empty.get());
    anim.FrameStep();
    EXPECT_EQ(anim.Index(), 0);
}

TEST(AnimImageTest, IntervalIsPeriodDividedByTheImageCount) {
    TVQAnimImage anim(nullptr);
    EXPECT_EQ(anim.TimerInterval(), 1000u);
    EXPECT_FALSE(anim.TimerEnabled());
    auto list = MakeList(3, 8, 8);
    anim.SetImageList(list.get());
    anim.SetPeriod(1000);
    EXPECT_EQ(anim.TimerInterval(), 1000u); // not animating: untouched
    anim.SetAnimate(true);
    EXPECT_TRUE(anim.TimerEnabled());
    EXPECT_EQ(anim.TimerInterval(), 333u);
    anim.SetPeriod(600);
    EXPECT_EQ(anim.TimerInterval(), 200u);
    anim.SetAnimate(false);
    EXPECT_FALSE(anim.TimerEnabled());
}

TEST(AnimImageTest, AnimatingWithoutAListKeepsThePreviousInterval) {
    TVQAnimImage anim(nullptr);
    anim.SetPeriod(300);
    anim.SetAnimate(true);
    EXPECT_TRUE(anim.TimerEnabled());
    EXPECT_EQ(anim.TimerInterval(), 1000u);
    auto list = MakeList(3, 8, 8);
    anim.SetImageList(list.get());
    EXPECT_EQ(anim.TimerInterval(), 1000u);

    auto empty = MakeList(0);
    anim.SetImageList(empty.get());
    anim.SetAnimate(false);
    EXPECT_NO_THROW(anim.SetAnimate(true)); // nothing to divide by: the interval stays
    EXPECT_EQ(anim.TimerInterval(), 1000u);
}

TEST(AnimImageTest, PeriodShorterThanTheListStillTicks) {
    TVQAnimImage anim(nullptr);
    auto list = MakeList(10, 4, 4);
    anim.SetImageList(list.get());
    anim.SetPeriod(5);
    anim.SetAnimate(true);
    EXPECT_GE(anim.TimerInterval(), 1u);
}

TEST(AnimImageTest, CentredFrameOfTheMainWindowsAnimationIsDrawnAt12_3) {
    TVQAnimImage anim(nullptr);
    anim.SetBounds(0, 0, 89, 70);
    anim.SetBorderSpace(3);
    anim.SetColor(clWhite);
    auto list = MakeList(10);
    anim.SetImageList(list.get());
    anim.SetPeriod(1000);
    anim.SetIndex(9);
    const QImage img = PaintControl(&anim);
    EXPECT_EQ(PixelAt(img, 12, 3), FrameColor(9));
    EXPECT_EQ(PixelAt(img, 75, 66), FrameColor(9));
    EXPECT_EQ(PixelAt(img, 11, 3), Rgb(clWhite));
    EXPECT_EQ(PixelAt(img, 76, 3), Rgb(clWhite));
    EXPECT_EQ(PixelAt(img, 12, 2), Rgb(clWhite));
}

TEST(AnimImageTest, AutoSizeFitsTheListsImagesWhateverIsRequested) {
    TVQAnimImage anim(nullptr);
    anim.SetBorderSpace(3);
    auto list = MakeList(2);
    anim.SetImageList(list.get());
    anim.SetStyle(vqisAutoSize);
    EXPECT_EQ(anim.Width(), 70);
    EXPECT_EQ(anim.Height(), 70);
    anim.SetBounds(0, 0, 10, 300);
    EXPECT_EQ(anim.Width(), 70);
    EXPECT_EQ(anim.Height(), 70);
    list->SetSize(32, 16); // a change of the list re-applies the size
    EXPECT_EQ(anim.Width(), 38);
    EXPECT_EQ(anim.Height(), 22);
    anim.SetStyle(vqisTopLeft);
    const QImage img = PaintControl(&anim);
    EXPECT_EQ(img.width(), 38);
}

TEST(AnimImageTest, PlacementsOutsideTheSubrangeAreRejected) {
    TVQAnimImage anim(nullptr);
    EXPECT_THROW(anim.SetStyle(vqisTile), EPropertyError);
    EXPECT_EQ(anim.Style(), vqisCenter);
}

TEST(AnimImageTest, NoColourPaintsSeeThroughAndRepaintsLater) {
    TVQAnimImage anim(nullptr);
    anim.SetBounds(0, 0, 70, 70);
    auto list = MakeList(2);
    anim.SetImageList(list.get());
    EXPECT_TRUE(anim.Buffered());
    EXPECT_EQ(PixelAt(PaintControl(&anim), 1, 1), Rgb(clWindow));
    anim.SetColor(clNone);
    EXPECT_FALSE(anim.Buffered());
    EXPECT_EQ(PixelAt(PaintControl(&anim), 1, 1), kUnder);
    anim.SetColor(clRed);
    EXPECT_TRUE(anim.Buffered());
}

TEST(AnimImageTest, FreeingTheListStopsTheAnimation) {
    TVQAnimImage anim(nullptr);
    auto list = MakeList(4, 8, 8);
    anim.SetImageList(list.get());
    anim.SetAnimate(true);
    list.reset();
    EXPECT_EQ(anim.ImageList(), nullptr);
    EXPECT_FALSE(anim.Animate());
    EXPECT_FALSE(anim.TimerEnabled());
    EXPECT_NO_THROW(PaintControl(&anim));
}

TEST(AnimImageTest, TimerStepsTheFramesOnAShownForm) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 120, 120);
    auto* anim = new TVQAnimImage(form.get());
    anim->SetParent(form.get());
    auto list = MakeList(4, 8, 8);
    anim->SetImageList(list.get());
    anim->SetPeriod(40); // 10 ms a frame
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
    anim->SetAnimate(true);
    QTest::qWait(35); // lets a few ticks pass
    EXPECT_TRUE(QTest::qWaitFor([&] { return anim->Index() == 3; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return anim->Index() == 0; }, 2000));
    anim->SetAnimate(false);
    list.reset();
}

} // namespace
