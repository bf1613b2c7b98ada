#include "DialogTestSupport.h"

#include "components/dialogs/VQTipDlg/VQTipDlg.h"
#include "components/gfx/VQImage.h"
#include "framework/classes/StringList.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/Label.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TForcedPick {
    explicit TForcedPick(int index) {
        TVQTipDialog::SetRandomPick([index](int) { return index; });
    }
    ~TForcedPick() { TVQTipDialog::SetRandomPick({}); }
};

void SetTips(TVQTipDialog& d, std::initializer_list<const char*> tips) {
    TStringList list;
    for (const char* t : tips)
        list.Add(QString::fromUtf8(t));
    d.SetTips(&list);
}

// Runs the dialog, calls act with its form, then closes it with Close unless act did.
void RunTip(TVQTipDialog& d, const std::function<void(TVQTipDialogFm*)>& act) {
    WhenModal([&] {
        TVQTipDialogFm* f = d.Form();
        ASSERT_NE(f, nullptr);
        act(f);
        if (f->Modal()) QTest::mouseClick(f->CloseBt->Widget(), Qt::LeftButton);
    });
    d.Execute();
    EXPECT_EQ(d.Form(), nullptr);
    EXPECT_EQ(d.ComponentCount(), 0);
}

TEST(TipDialog, NextTipCyclesFromTheRandomFirstPick) {
    TDialogTestEnvironment env;
    const struct {
        std::initializer_list<const char*> Tips;
        int Pick;
        QStringList Shown; // the first tip, then after each Next Tip
    } cases[] = {
        {{"t0", "t1", "t2", "t3"}, 2, {"t2", "t3", "t0", "t1", "t2", "t3"}},
        {{"only"}, 0, {"only", "only", "only"}},
        {{}, 0, {"", "", ""}},
    };
    for (const auto& c : cases) {
        TForcedPick pick(c.Pick);
        TVQTipDialog d(nullptr);
        SetTips(d, c.Tips);
        QStringList shown;
        RunTip(d, [&](TVQTipDialogFm* f) {
            shown << f->TipLb->Caption();
            for (int i = 1; i < c.Shown.size(); ++i) {
                QTest::mouseClick(f->NextTipBt->Widget(), Qt::LeftButton);
                shown << f->TipLb->Caption();
            }
        });
        EXPECT_EQ(shown, c.Shown);
    }
}

TEST(TipDialog, HelpButtonsFollowTheContexts) {
    TDialogTestEnvironment env;
    const struct {
        int Help, More;
        bool HelpVisible, MoreVisible;
        int HelpTop;
        std::vector<int> Opened; // More Tips, Help, F1 in the box (hidden buttons not clicked)
    } cases[] = {
        {1000, 1001, true, true, 112, {1001, 1000, 1000}},
        {1000, 0, true, false, 80, {1000, 1000}},
        {0, 0, false, false, 112, {}},
    };
    for (const auto& c : cases) {
        std::vector<int> opened;
        TApplication::SetHelpHandler([&](int context) {
            opened.push_back(context);
            return true;
        });
        TVQTipDialog d(nullptr);
        d.SetHelpContext(c.Help);
        d.SetMoreTipsContext(c.More);
        bool helpVisible = false, moreVisible = false;
        int helpTop = 0, moreTop = 0;
        RunTip(d, [&](TVQTipDialogFm* f) {
            helpVisible = f->HelpBt->Visible();
            moreVisible = f->MoreTipsBt->Visible();
            helpTop = f->HelpBt->Top();
            moreTop = f->MoreTipsBt->Top();
            if (moreVisible) QTest::mouseClick(f->MoreTipsBt->Widget(), Qt::LeftButton);
            if (helpVisible) QTest::mouseClick(f->HelpBt->Widget(), Qt::LeftButton);
            ASSERT_TRUE(QTest::qWaitForWindowActive(f->Widget()));
            f->CloseBt->SetFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        });
        TApplication::SetHelpHandler({});
        EXPECT_EQ(helpVisible, c.HelpVisible) << c.Help << "/" << c.More;
        EXPECT_EQ(moreVisible, c.MoreVisible) << c.Help << "/" << c.More;
        EXPECT_EQ(helpTop, c.HelpTop) << c.Help << "/" << c.More;
        EXPECT_EQ(moreTop, 80);
        EXPECT_EQ(opened, c.Opened) << c.Help << "/" << c.More;
    }
}

TEST(TipDialog, TipsShowAmpersandsAndAreClippedToTheLabel) {
    TDialogTestEnvironment env;
    TForcedPick pick(0);
    TVQTipDialog d(nullptr);
    SetTips(d, {"Salt & pepper, and a line long enough to run past the right edge of the label"});
    RunTip(d, [&](TVQTipDialogFm* f) {
        EXPECT_FALSE(f->TipLb->ShowAccelChar());
        EXPECT_FALSE(f->TipLb->WordWrap());
        EXPECT_EQ(f->TipLb->BoundsRect(), Bounds(56, 56, 225, 89));
        EXPECT_EQ(f->TipLb->Caption().left(6), "Salt &");
        EXPECT_EQ(f->TipTitleLb->Caption(), "Did you know...");
        EXPECT_EQ(f->Caption(), "Tip of the Day");
        // The stored bulb: 32 by 40, see-through by its bottom-left pixel.
        EXPECT_EQ(f->LightBulbIm->Picture()->Width(), 32);
        EXPECT_EQ(f->LightBulbIm->Picture()->Height(), 40);
        EXPECT_TRUE(f->LightBulbIm->Transparent());
    });
}

TEST(TipDialog, OwnPictureTitleAndCaptionMoveTheTexts) {
    TDialogTestEnvironment env;
    TVQTipDialog d(nullptr);
    TPicture picture;
    picture.Bitmap()->SetSize(64, 20);
    d.SetPicture(&picture);
    d.SetCaption("Hints");
    d.SetTipTitle("Also:");
    RunTip(d, [&](TVQTipDialogFm* f) {
        EXPECT_EQ(f->LightBulbIm->Width(), 64);
        EXPECT_EQ(f->TipTitleLb->Left(), 12 + 64 + 12);
        EXPECT_EQ(f->TipLb->Left(), 12 + 64 + 12);
        EXPECT_EQ(f->TipTitleLb->Caption(), "Also:");
        EXPECT_EQ(f->Caption(), "Hints");
    });
}

TEST(TipDialog, ShowAtStartupIsWrittenBackAfterANormalCloseOnly) {
    TDialogTestEnvironment env;
    TVQTipDialog d(nullptr);
    EXPECT_TRUE(d.ShowAtStartup());
    // Unticked and closed with Escape: false, and the next box starts unticked.
    RunTip(d, [&](TVQTipDialogFm* f) {
        EXPECT_TRUE(f->ShowTipsCb->Checked());
        QTest::mouseClick(f->ShowTipsCb->Widget(), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowActive(f->Widget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_FALSE(d.ShowAtStartup());
    bool tickedAtStart = true;
    RunTip(d, [&](TVQTipDialogFm* f) {
        tickedAtStart = f->ShowTipsCb->Checked();
        f->ShowTipsCb->SetChecked(true);
        f->Close(); // the close box
    });
    EXPECT_FALSE(tickedAtStart);
    EXPECT_TRUE(d.ShowAtStartup());
    // A failure while filling the box frees it and leaves ShowAtStartup alone.
    d.SetShowAtStartup(false);
    SetTips(d, {"a", "b"});
    TVQTipDialog::SetRandomPick([](int) -> int { throw Exception("no pick"); });
    EXPECT_THROW(d.Execute(), Exception);
    TVQTipDialog::SetRandomPick({});
    EXPECT_EQ(d.ComponentCount(), 0);
    EXPECT_EQ(d.Form(), nullptr);
    EXPECT_FALSE(d.ShowAtStartup());
}

} // namespace
