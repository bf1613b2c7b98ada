// Image lists: masked drawing, splitting, change links and stored images.
#include "GraphicsTestSupport.h"

#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"
#include "framework/graphics/ImageList.h"
#include "framework/graphics/WinGdi.h"

#include <memory>

namespace {

// A 4 by 4 image: fuchsia background with a blue 2 by 2 square at (1, 1).
std::unique_ptr<TBitmap> Sprite() {
    auto bmp = FilledBitmap(4, 4, clFuchsia);
    bmp->Canvas()->FillRectColor(Rect(1, 1, 3, 3), clBlue);
    return bmp;
}

TEST(ImageListTest, MaskedDrawLeavesTheDestinationUnderTheMask) {
    TImageList list(nullptr);
    list.SetSize(4, 4);
    auto sprite = Sprite();
    EXPECT_EQ(list.AddMasked(sprite.get(), clFuchsia), 0);
    auto dest = FilledBitmap(8, 8, clLime);
    list.Draw(dest->Canvas(), 2, 2, 0);
    EXPECT_EQ(dest->Canvas()->Pixels(2, 2), clLime);
    EXPECT_EQ(dest->Canvas()->Pixels(3, 3), clBlue);
    EXPECT_EQ(dest->Canvas()->Pixels(5, 5), clLime);
    list.Draw(dest->Canvas(), 0, 0, 1); // beyond the list: nothing
    list.Draw(dest->Canvas(), 0, 0, -1);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clLime);
}

TEST(ImageListTest, MonochromeMaskWhiteIsSeeThrough) {
    TImageList list(nullptr);
    list.SetSize(4, 4);
    auto sprite = Sprite();
    TBitmap mask(4, 4);
    mask.Canvas()->FillRectColor(Rect(0, 0, 4, 4), clBlack);
    mask.Canvas()->FillRectColor(Rect(0, 0, 4, 1), clWhite); // top row see-through
    mask.SetMonochrome(true);
    list.Add(sprite.get(), &mask);
    auto dest = FilledBitmap(4, 4, clLime);
    list.Draw(dest->Canvas(), 0, 0, 0);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 1), clFuchsia);
    list.SetMasked(false);
    list.Draw(dest->Canvas(), 0, 0, 0);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clFuchsia) << "unmasked lists draw opaque";
}

TEST(ImageListTest, WideBitmapsAreCutIntoImages) {
    TImageList list(nullptr);
    list.SetSize(2, 2);
    TBitmap strip(6, 2);
    strip.Canvas()->FillRectColor(Rect(2, 0, 4, 2), clRed);
    strip.Canvas()->FillRectColor(Rect(4, 0, 6, 2), clBlue);
    EXPECT_EQ(list.Add(&strip, nullptr), 0);
    EXPECT_EQ(list.Count(), 3);
    TBitmap out;
    list.GetBitmap(2, &out);
    EXPECT_EQ(out.Width(), 2);
    EXPECT_EQ(out.Canvas()->Pixels(1, 1), clBlue);
    list.Delete(0);
    list.GetBitmap(0, &out);
    EXPECT_EQ(out.Canvas()->Pixels(0, 0), clRed);
    EXPECT_THROW(list.Delete(5), EInvalidOperation);
}

TEST(ImageListTest, ChangeLinksHearEveryChangeUntilUnhooked) {
    TImageList list(nullptr);
    TChangeLink link;
    int heard = 0;
    link.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++heard;
    };
    list.RegisterChanges(&link);
    EXPECT_EQ(link.Sender(), &list);
    auto sprite = Sprite();
    list.AddMasked(sprite.get(), clDefault);
    list.SetWidth(8); // empties the list
    EXPECT_EQ(list.Count(), 0);
    list.Clear(); // already empty: no change
    EXPECT_EQ(heard, 2);
    list.UnRegisterChanges(&link);
    EXPECT_EQ(link.Sender(), nullptr);
    list.SetHeight(8);
    EXPECT_EQ(heard, 2);
}

TEST(ImageListTest, LinksAndListsMayDieInEitherOrder) {
    auto list = std::make_unique<TImageList>(nullptr);
    auto link = std::make_unique<TChangeLink>();
    list->RegisterChanges(link.get());
    link.reset(); // unregisters itself
    list->SetWidth(20);
    TChangeLink survivor;
    list->RegisterChanges(&survivor);
    list.reset();
    EXPECT_EQ(survivor.Sender(), nullptr);
}

TEST(ImageListTest, DisabledDrawIsEmbossed) {
    TImageList list(nullptr);
    list.SetSize(4, 4);
    auto sprite = Sprite();
    list.AddMasked(sprite.get(), clFuchsia);
    auto dest = FilledBitmap(8, 8, clLime);
    list.Draw(dest->Canvas(), 0, 0, 0, false);
    EXPECT_EQ(dest->Canvas()->Pixels(1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(dest->Canvas()->Pixels(3, 3), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clLime);
}

TEST(ImageListTest, ImagesSurviveAFormDescription) {
    RegisterGraphicsClasses();
    TImageList list(nullptr);
    list.SetName(QStringLiteral("ImageList1"));
    list.SetSize(4, 4);
    auto sprite = Sprite();
    list.AddMasked(sprite.get(), clFuchsia);
    list.Add(sprite.get(), nullptr);
    const std::string text = TFormWriter::Write(&list);
    EXPECT_NE(text.find("Bitmap = {"), std::string::npos) << text;
    std::unique_ptr<TComponent> back(
        TFormReader::ReadNew(text, QStringLiteral("list.vqf"), nullptr));
    auto* read = dynamic_cast<TImageList*>(back.get());
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Count(), 2);
    EXPECT_EQ(read->Width(), 4);
    EXPECT_EQ(read->Image(0), list.Image(0));
    EXPECT_EQ(read->Image(1), list.Image(1));
}

TEST(ImageListTest, StoredImagesMustFitTheImageSize) {
    TImageList source(nullptr);
    source.SetSize(3, 3);
    auto sprite = Sprite();
    source.Add(sprite.get(), nullptr);
    TImageList list(nullptr);
    EXPECT_THROW(list.SetImageData(source.ImageData()), EInvalidGraphic);
    EXPECT_THROW(list.SetImageData(QByteArray("nonsense")), EInvalidGraphic);
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
