#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/HelpFile.h"
#include "framework/controls/HelpViewer.h"

#include <QApplication>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBrowser>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const char* const Sample = "# comment\n"
                           "ignored before the first topic\n"
                           "[10] First <topic>\n"
                           "Two lines of\none paragraph & more.\n"
                           "\n"
                           "- a bullet with {20|a link}\n"
                           "[20] Second\n"
                           "Body.\n";

TEST(HelpFile, ParsesTopicsParagraphsBulletsAndLinks) {
    THelpFile file;
    String error;
    ASSERT_TRUE(file.Parse(QString::fromUtf8(Sample), error)) << error.toStdString();
    ASSERT_EQ(file.Topics().size(), 2u);
    const THelpTopic* first = file.Topic(10);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Title, "First <topic>");
    EXPECT_EQ(first->Html, "<h2>First &lt;topic&gt;</h2><p>Two lines of one paragraph &amp; "
                           "more.</p><ul><li>a bullet with <a href=\"topic:20\">a link</a></li>"
                           "</ul>");
    EXPECT_EQ(file.Topic(30), nullptr);
    // Malformed headings and duplicate numbers are errors naming the line.
    EXPECT_FALSE(file.Parse("[x] bad\n", error));
    EXPECT_EQ(error, "line 1: a topic heading is \"[number] title\"");
    EXPECT_FALSE(file.Parse("[1] a\n[1] b\n", error));
    EXPECT_EQ(error, "line 2: topic 1 is defined twice");
}

struct THelpFixture : ::testing::Test {
    void SetUp() override {
        file.open();
        file.write(Sample);
        file.flush();
        previous = SetMessageDlgHook([this](const TMessageDlgRequest& r) {
            messages << r.Message;
            return mrOk;
        });
        Application->SetHelpFile(file.fileName());
    }
    void TearDown() override {
        THelpViewer::Close();
        SetMessageDlgHook(previous);
        Application->SetHelpFile(String());
    }
    QTemporaryFile file;
    TMessageDlgHook previous;
    QStringList messages;
};

TEST_F(THelpFixture, ContextOpensTheTopicAndFailuresAreReported) {
    EXPECT_TRUE(Application->HelpContext(20));
    ASSERT_NE(THelpViewer::Window(), nullptr);
    EXPECT_TRUE(THelpViewer::Window()->isVisible());
    EXPECT_EQ(THelpViewer::CurrentTopic(), 20);
    auto* text = THelpViewer::Window()->findChild<QTextBrowser*>();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->toPlainText().startsWith("Second"));
    EXPECT_TRUE(messages.isEmpty());
    // A missing topic: a message, the window keeps its topic.
    EXPECT_FALSE(Application->HelpContext(99));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("no topic 99"));
    EXPECT_EQ(THelpViewer::CurrentTopic(), 20);
    // A missing file.
    Application->SetHelpFile("/nonexistent/help.vqh");
    EXPECT_FALSE(Application->HelpContext(10));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].contains("/nonexistent/help.vqh"));
    // No file at all.
    Application->SetHelpFile(String());
    EXPECT_FALSE(Application->HelpContext(10));
    EXPECT_EQ(messages.size(), 3);
}

TEST(HelpViewer, OpensBesideTheAskingWindowWithinTheWorkArea) {
    // The viewer is 560 by 400.
    const TRect screen = Bounds(0, 0, 1280, 1024);
    const TRect narrow = Bounds(0, 0, 1000, 1024);
    const struct {
        const char* What;
        TRect Available, Asking;
        TPoint At;
    } cases[] = {
        {"to the right when it has room", screen, Bounds(100, 100, 400, 300), {500, 100}},
        {"else to the left", screen, Bounds(700, 100, 400, 300), {140, 100}},
        {"level with the top, moved up onto the screen",
         screen,
         Bounds(100, 900, 400, 100),
         {500, 624}},
        {"kept below a panel at the top",
         Rect(0, 32, 1280, 1024),
         Bounds(100, 10, 400, 300),
         {500, 32}},
        {"below when neither side has room", narrow, Bounds(250, 100, 500, 300), {250, 400}},
        {"above when below has none either", narrow, Bounds(250, 600, 500, 300), {250, 200}},
        {"nowhere free: against the edge that hides least, the right on a tie",
         Bounds(0, 0, 1000, 700),
         Bounds(300, 200, 400, 300),
         {440, 200}},
        {"nowhere free: the left when it hides less",
         Bounds(0, 0, 1000, 700),
         Bounds(350, 200, 400, 300),
         {0, 200}},
        {"larger than the screen: its top left corner",
         Bounds(0, 0, 500, 300),
         Bounds(100, 50, 200, 100),
         {0, 0}},
        {"on a second screen",
         Bounds(1280, 0, 1920, 1080),
         Bounds(1400, 100, 400, 300),
         {1800, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        const TPoint at = THelpViewer::Placement(c.Available, c.Asking, 560, 400);
        EXPECT_EQ(at.X, c.At.X);
        EXPECT_EQ(at.Y, c.At.Y);
    }
}

TEST_F(THelpFixture, OpensBesideTheActiveWindowAndThenStaysPut) {
    QWidget asking;
    asking.setGeometry(20, 30, 200, 150);
    asking.show();
    asking.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&asking));
    ASSERT_TRUE(Application->HelpContext(10));
    QWidget* viewer = THelpViewer::Window();
    ASSERT_NE(viewer, nullptr);
    const QRect frame = asking.frameGeometry();
    EXPECT_EQ(viewer->frameGeometry().topLeft(), QPoint(frame.right() + 1, frame.top()));
    // Open, it stays where the user moved it.
    viewer->move(5, 5);
    ASSERT_TRUE(Application->HelpContext(20));
    EXPECT_EQ(viewer->pos(), QPoint(5, 5));
}

} // namespace
