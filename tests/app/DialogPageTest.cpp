// The main window's dialog page: the about box and the tips with the program's settings, the
// about box's two extras, and the help file the tips' help buttons open.

#include "app/DemoProgram.h"
#include "app/MainForm.h"
#include "components/dialogs/VQAbtDlg/VQAbtDlg.h"
#include "components/dialogs/VQTipDlg/VQTipDlg.h"
#include "components/gfx/VQImage.h"
#include "framework/classes/Strings.h"
#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/HelpFile.h"
#include "framework/controls/HelpViewer.h"
#include "framework/graphics/Picture.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Label.h"

#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class DialogPage : public testing::Test {
protected:
    void SetUp() override {
        FProgram.Start();
        FPrevious = SetMessageDlgHook([this](const TMessageDlgRequest& r) {
            Messages << r.Caption + u'|' + r.Message;
            return mrOk;
        });
    }
    void TearDown() override {
        THelpViewer::Close();
        SetMessageDlgHook(FPrevious);
    }
    static void WhenModal(std::function<void()> f) {
        QTimer::singleShot(0, qApp, [f = std::move(f)] { Application->Guard(Application, f); });
    }
    TDemoProgram FProgram;
    TMessageDlgHook FPrevious;
    QStringList Messages;
};

TEST_F(DialogPage, AboutShowsTheSettingsTheMachineAndBothExtras) {
    TVQAboutDialog* about = MainFm->VQAboutDialog1;
    ASSERT_NE(about, nullptr);
    QStringList shown;
    WhenModal([&] {
        TVQAboutDialogFm* f = about->Form();
        shown << f->Caption() << f->ProductLb->Caption() << f->CustomBt->Caption()
              << f->MemoryLb->Caption() << f->ResourcesLb->Caption();
        EXPECT_EQ(f->AboutIm->Picture()->Width(), 32); // the program's icon
        QTest::mouseClick(f->CustomBt->Widget(), Qt::LeftButton);
        f->AboutIm->DblClick();
        QTest::mouseClick(f->OKBt->Widget(), Qt::LeftButton);
    });
    MainFm->AboutBtClick(nullptr);
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown[0], "About");
    EXPECT_EQ(shown[1], "Varnholt Quill Controls - v1.1");
    EXPECT_EQ(shown[2], "&Custom Stuff");
    EXPECT_TRUE(QRegularExpression("^[0-9]{1,3}(,[0-9]{3})* KB$").match(shown[3]).hasMatch())
        << shown[3].toStdString();
    EXPECT_TRUE(QRegularExpression("^[0-9]{1,3}% Free$").match(shown[4]).hasMatch());
    ASSERT_EQ(Messages.size(), 2);
    EXPECT_TRUE(Messages[0].startsWith("Information|Use this button for a registration form"));
    EXPECT_TRUE(Messages[0].contains("information.\r\rFor something really interesting"));
    EXPECT_EQ(Messages[1], "Information|This is a secret message!");
}

TEST_F(DialogPage, TipsRunWithTheProgramsTipsAndHelp) {
    TVQTipDialog* tips = MainFm->VQTipDialog1;
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(tips->Tips()->Count(), 4);
    EXPECT_FALSE(tips->ShowAtStartup());
    int helpTopic = 0, moreTopic = 0;
    WhenModal([&] {
        TVQTipDialogFm* f = tips->Form();
        QTest::mouseClick(f->HelpBt->Widget(), Qt::LeftButton);
        helpTopic = THelpViewer::CurrentTopic();
        QTest::mouseClick(f->MoreTipsBt->Widget(), Qt::LeftButton);
        moreTopic = THelpViewer::CurrentTopic();
        f->SetModalResult(mrOk);
    });
    MainFm->TipsBtClick(nullptr);
    EXPECT_EQ(helpTopic, 1000);
    EXPECT_EQ(moreTopic, 1001);
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_FALSE(tips->ShowAtStartup());
}

TEST_F(DialogPage, HelpFileHasEveryTopicItLinksAndTheProgramUses) {
    THelpFile file;
    String error;
    ASSERT_TRUE(file.Load(Application->HelpFile(), error)) << error.toStdString();
    for (int used : {1, MainFm->HelpContext(), 1000, 1001})
        EXPECT_NE(file.Topic(used), nullptr) << used;
    static const QRegularExpression link("topic:(-?\\d+)");
    for (const auto& [context, topic] : file.Topics())
        for (auto it = link.globalMatch(topic.Html); it.hasNext();) {
            const int target = it.next().captured(1).toInt();
            EXPECT_NE(file.Topic(target), nullptr) << context << " links " << target;
        }
}

} // namespace
