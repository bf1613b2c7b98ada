#include "framework/controls/Dialogs.h"
#include "framework/controls/Application.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Restores the hook a test replaced.
class HookScope {
public:
    explicit HookScope(TMessageDlgHook hook) : FPrevious(SetMessageDlgHook(std::move(hook))) {}
    ~HookScope() { SetMessageDlgHook(std::move(FPrevious)); }

private:
    TMessageDlgHook FPrevious;
};

QStringList ButtonTexts(const QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* b : box.buttons())
        texts << b->text();
    texts.sort();
    return texts;
}

// Runs f on the modal message box once it is up; a box f leaves open is rejected, so a failing
// test cannot hang.
void WhenBoxShown(std::function<void(QMessageBox*)> f) {
    QTimer::singleShot(0, [f] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        f(box);
        if (box->isVisible()) box->reject();
    });
}

QAbstractButton* ButtonNamed(QMessageBox* box, const char* text) {
    for (QAbstractButton* b : box->buttons())
        if (b->text() == QString::fromUtf8(text)) return b;
    return nullptr;
}

TEST(DialogsTest, HookAnswersInsteadOfAUser) {
    TMessageDlgRequest seen;
    int calls = 0;
    HookScope scope([&](const TMessageDlgRequest& r) {
        seen = r;
        ++calls;
        return mrNo;
    });
    EXPECT_EQ(MessageDlg(QStringLiteral("Save changes?"), mtConfirmation, mbYesNoCancel, 42), mrNo);
    EXPECT_EQ(seen.Caption, QStringLiteral("Confirm"));
    EXPECT_EQ(seen.Message, QStringLiteral("Save changes?"));
    EXPECT_EQ(seen.Type, mtConfirmation);
    EXPECT_EQ(seen.Buttons, mbYesNoCancel);
    EXPECT_EQ(seen.HelpContext, 42);

    Application->SetTitle(QStringLiteral("Demo title"));
    ShowMessage(QStringLiteral("Hello"));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(seen.Type, mtCustom);
    EXPECT_EQ(seen.Caption, QStringLiteral("Demo title"));
    EXPECT_EQ(seen.Buttons, TMsgDlgButtons{mbOK});
}

TEST(DialogsTest, EachKindHasItsCaptionAndIcon) {
    Application->SetTitle(QStringLiteral("Demo title"));
    const struct {
        TMsgDlgType Type;
        const char* Caption;
        QMessageBox::Icon Icon;
    } cases[] = {
        {mtWarning, "Warning", QMessageBox::Warning},
        {mtError, "Error", QMessageBox::Critical},
        {mtInformation, "Information", QMessageBox::Information},
        {mtConfirmation, "Confirm", QMessageBox::Question},
        {mtCustom, "Demo title", QMessageBox::NoIcon},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Caption);
        std::unique_ptr<QMessageBox> box(
            CreateMessageDialog(QStringLiteral("<b>text</b>"), c.Type, {mbOK}, 0));
        EXPECT_EQ(box->windowTitle(), QString::fromUtf8(c.Caption));
        EXPECT_EQ(box->icon(), c.Icon);
        EXPECT_EQ(box->textFormat(), Qt::PlainText); // a message is never read as markup
    }
}

TEST(DialogsTest, ButtonsDefaultAndEscapeFollowTheSet) {
    const struct {
        TMsgDlgButtons Buttons;
        QStringList Texts; // sorted
        const char* Default;
        const char* Escape; // nullptr: none
    } cases[] = {
        {mbYesNoCancel, {"&No", "&Yes", "Cancel"}, "&Yes", "Cancel"},
        {mbYesNo, {"&No", "&Yes"}, "&Yes", "&No"},
        {mbOKCancel, {"Cancel", "OK"}, "OK", "Cancel"},
        {{mbYes, mbOK}, {"&Yes", "OK"}, "OK", "OK"},
        {mbAbortRetryIgnore, {"&Abort", "&Ignore", "&Retry"}, "&Abort", nullptr},
        {{mbHelp, mbAll, mbNoToAll, mbYesToAll},
         {"&All", "&Help", "N&o to All", "Yes to &All"},
         "&All",
         nullptr},
        {{}, {"OK"}, "OK", "OK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Texts.join(u',').toStdString());
        std::unique_ptr<QMessageBox> box(
            CreateMessageDialog(QStringLiteral("m"), mtInformation, c.Buttons, 0));
        EXPECT_EQ(ButtonTexts(*box), c.Texts);
        ASSERT_NE(box->defaultButton(), nullptr);
        EXPECT_EQ(box->defaultButton()->text(), QString::fromUtf8(c.Default));
        if (c.Escape) {
            ASSERT_NE(box->escapeButton(), nullptr);
            EXPECT_EQ(box->escapeButton()->text(), QString::fromUtf8(c.Escape));
        } else {
            EXPECT_EQ(box->escapeButton(), nullptr);
        }
    }
}

TEST(DialogsTest, PressedButtonGivesItsModalResult) {
    const struct {
        TMsgDlgButtons Buttons;
        const char* Press;
        TModalResult Result;
    } cases[] = {
        {mbYesNoCancel, "&Yes", mrYes},
        {mbYesNoCancel, "&No", mrNo},
        {mbYesNoCancel, "Cancel", mrCancel},
        {mbOKCancel, "OK", mrOk},
        {mbAbortRetryIgnore, "&Abort", mrAbort},
        {mbAbortRetryIgnore, "&Retry", mrRetry},
        {mbAbortRetryIgnore, "&Ignore", mrIgnore},
        {{mbAll}, "&All", mrAll},
        {{mbNoToAll}, "N&o to All", mrNoToAll},
        {{mbYesToAll}, "Yes to &All", mrYesToAll},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Press);
        WhenBoxShown([&](QMessageBox* box) {
            QAbstractButton* b = ButtonNamed(box, c.Press);
            ASSERT_NE(b, nullptr);
            b->click();
        });
        EXPECT_EQ(MessageDlg(QStringLiteral("m"), mtConfirmation, c.Buttons, 0), c.Result);
    }
}

TEST(DialogsTest, EscapeGivesTheEscapeButtonsResultOrCancel) {
    WhenBoxShown([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(MessageDlg(QStringLiteral("m"), mtConfirmation, mbYesNo, 0), mrNo);

    WhenBoxShown([](QMessageBox* box) { box->reject(); });
    EXPECT_EQ(MessageDlg(QStringLiteral("m"), mtWarning, mbAbortRetryIgnore, 0), mrCancel);
}

TEST(DialogsTest, HelpButtonShowsTheTopicAndKeepsTheDialogOpen) {
    std::vector<int> topics;
    TApplication::SetHelpHandler([&](int context) {
        topics.push_back(context);
        return true;
    });
    bool stayedOpen = false;
    WhenBoxShown([&](QMessageBox* box) {
        ButtonNamed(box, "&Help")->click();
        QApplication::processEvents();
        stayedOpen = box->isVisible();
        ButtonNamed(box, "OK")->click();
    });
    EXPECT_EQ(MessageDlg(QStringLiteral("m"), mtInformation, {mbOK, mbHelp}, 77), mrOk);
    TApplication::SetHelpHandler(nullptr);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(topics, std::vector<int>{77});
}

} // namespace
