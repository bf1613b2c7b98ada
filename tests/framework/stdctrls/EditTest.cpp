// Edits: typed text, character case, limits and the change event.
#include "framework/stdctrls/Edit.h"
#include "framework/controls/Form.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
struct EditFixture : ::testing::Test {
    TForm Form{nullptr};
    TEdit* Edit = nullptr;
    int Changes = 0;
    void SetUp() override {
        Edit = new TEdit(&Form);
        Edit->SetParent(&Form);
        Edit->OnChange = [this](TObject*) { ++Changes; };
        Form.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.Widget()));
        Edit->SetFocus();
    }
    QLineEdit* Line() const { return static_cast<QLineEdit*>(Edit->Widget()); }
};
} // namespace

TEST_F(EditFixture, TypedTextReachesTextAndOnChange) {
    QTest::keyClicks(Edit->Widget(), QStringLiteral("abc"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("abc"));
    EXPECT_EQ(Changes, 3);
    Edit->SetText(QStringLiteral("set"));
    EXPECT_EQ(Line()->text(), QStringLiteral("set"));
    EXPECT_EQ(Changes, 4);
    Edit->SetText(QStringLiteral("set"));
    EXPECT_EQ(Changes, 4);
}

TEST_F(EditFixture, LowerCaseConvertsTypedAndSetText) {
    Edit->SetCharCase(ecLowerCase);
    QTest::keyClicks(Edit->Widget(), QStringLiteral("HeLLo"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("hello"));
    EXPECT_EQ(Line()->text(), QStringLiteral("hello"));
    EXPECT_EQ(Line()->cursorPosition(), 5);
    Edit->SetText(QStringLiteral("MiXed"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("mixed"));
    Edit->SetCharCase(ecUpperCase);
    EXPECT_EQ(Edit->Text(), QStringLiteral("MIXED"));
}

TEST_F(EditFixture, KeyPressHandlerCanReplaceOrSwallowCharacters) {
    Edit->OnKeyPress = [](TObject*, QChar& key) {
        if (key == u'x') key = QChar();
        if (key == u'1') key = u'!';
    };
    QTest::keyClicks(Edit->Widget(), QStringLiteral("ax1b"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("a!b"));
}

TEST_F(EditFixture, MaxLengthLimitsTypingButNotCode) {
    Edit->SetMaxLength(3);
    QTest::keyClicks(Edit->Widget(), QStringLiteral("abcdef"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("abc"));
    Edit->SetText(QStringLiteral("longer text"));
    EXPECT_EQ(Line()->text(), QStringLiteral("longer text"));
}

TEST_F(EditFixture, ReadOnlyAndPasswordReachTheWidget) {
    Edit->SetPasswordChar(u'*');
    EXPECT_EQ(Line()->echoMode(), QLineEdit::Password);
    Edit->SetReadOnly(true);
    QTest::keyClicks(Edit->Widget(), QStringLiteral("zz"));
    EXPECT_TRUE(Edit->Text().isEmpty());
}
