#include "components/gfx/VQGfxCmp.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace {

// A component publishing the About pseudo-property the way every library component does.
class TAboutThing : public TComponent {
    VQ_CLASS(TAboutThing, TComponent)
public:
    using TComponent::TComponent;
    TVQAboutType About() const { return FAbout; }
    void SetAbout(TVQAboutType value) { FAbout = value; }
    int Count() const { return FCount; }
    void SetCount(int value) { FCount = value; }

private:
    TVQAboutType FAbout = 0;
    int FCount = 0;
};

} // namespace

VQ_PUBLISH(TAboutThing) {
    P.Inherit();
    P.Field("About", &TAboutThing::FAbout).Stored(false);
    P.Property("Count", &TAboutThing::Count, &TAboutThing::SetCount).Default(0);
}

namespace {

TEST(AboutPropertyTest, IsPublishedReadWriteButNeverWritten) {
    RegisterClassesOf<TAboutThing>();
    const TPropInfo* about = TAboutThing::StaticClassType()->FindProperty("About");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Kind, pkInteger);
    EXPECT_FALSE(about->Default.has_value());

    TAboutThing thing(nullptr);
    thing.SetName(QStringLiteral("Thing1"));
    EXPECT_EQ(about->GetOrd(&thing), 0);
    about->SetOrd(&thing, -123456);
    EXPECT_EQ(thing.About(), -123456);
    thing.SetCount(3);
    EXPECT_EQ(TFormWriter::Write(&thing), "object Thing1: TAboutThing\n  Count = 3\nend\n");

    // A description that has it anyway still reads.
    std::unique_ptr<TComponent> read(TFormReader::ReadNew(
        "object T: TAboutThing\n  About = 7\nend\n", QStringLiteral("about.vqf"), nullptr));
    EXPECT_EQ(static_cast<TAboutThing*>(read.get())->About(), 7);
}

TEST(CheckerPatternTest, LivesFromUnitStartToShutdown) {
    FinalizeVQGfxCmp();
    EXPECT_EQ(CheckerPatternBitmap, nullptr);
    InitializeVQGfxCmp();
    TBitmap* pattern = CheckerPatternBitmap;
    ASSERT_NE(pattern, nullptr);
    InitializeVQGfxCmp(); // a second start keeps the same bitmap
    EXPECT_EQ(CheckerPatternBitmap, pattern);

    EXPECT_TRUE(pattern->Monochrome());
    EXPECT_EQ(pattern->Width(), 8);
    EXPECT_EQ(pattern->Height(), 8);
    // Rows alternate 0xAA and 0x55, the first pixel in the high bit; set bits are white.
    for (int y = 0; y < 8; ++y) {
        const int row = y % 2 == 0 ? 0xAA : 0x55;
        for (int x = 0; x < 8; ++x) {
            const bool white = row & (0x80 >> x);
            EXPECT_EQ(pattern->Canvas()->Pixels(x, y), white ? clWhite : clBlack) << x << "," << y;
        }
    }
    FinalizeVQGfxCmp();
    EXPECT_EQ(CheckerPatternBitmap, nullptr);
}

} // namespace
