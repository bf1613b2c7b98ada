#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/HelpFile.h"
#include "framework/controls/HelpViewer.h"

#include <QApplication>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBrowser>
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

} // namespace
