// The main window's actions: every button and check box of every page, the two buttons under
// the pages, and the order window's "Order Online", with message boxes answered by the hook
// and modal windows closed as they open. Web pages open through a fake xdg-open on PATH.

#include "app/DemoProgram.h"
#include "app/Form2.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/Form6.h"
#include "app/Form7.h"
#include "app/MainForm.h"
#include "app/OrderForm.h"
#include "components/gfx/VQGfxCmp.h"
#include "components/std/VQStdCmp.h"
#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/controls/Application.h"
#include "framework/controls/Dialogs.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/BitBtn.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/StdCtrls.h"

#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

const char* const kBrowserFailed = "Unable to start web browser. Make sure you have properly\r"
                                   "setup Internet access on your system.";

class MainWindowActions : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FBin.isValid());
        FOldPath = qgetenv("PATH");
        qputenv("PATH", FBin.path().toLocal8Bit() + ":" + FOldPath);
        SetMessageDlgHook([this](const TMessageDlgRequest& r) {
            Boxes.push_back(r);
            return mrOk;
        });
        FProgram.Start();
        ASSERT_NE(MainFm, nullptr);
    }
    void TearDown() override {
        SetMessageDlgHook(nullptr);
        qputenv("PATH", FOldPath);
    }
    // A launcher that records the address it was given and exits with code.
    void Launcher(int code) {
        QFile f(FBin.filePath("xdg-open"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nprintf '%s' \"$1\" > \"${0%/*}/url\"\nexit " +
                QByteArray::number(code) + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(FBin.filePath("url"));
    }
    QString OpenedUrl() const {
        QFile f(FBin.filePath("url"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // Waits until the launcher has run and its outcome has been handled.
    void SettleLauncher() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !OpenedUrl().isEmpty(); }, 5000));
        QTest::qWait(300);
    }
    template <class T> T* Find(const char* name) const {
        return dynamic_cast<T*>(MainFm->FindComponent(QLatin1String(name)));
    }

    TDemoProgram FProgram;
    QTemporaryDir FBin;
    QByteArray FOldPath;
    std::vector<TMessageDlgRequest> Boxes;
};

TEST_F(MainWindowActions, WebSiteOpensTheHomePageOrShowsTheErrorBox) {
    MainFm->Show();
    auto* web = Find<TButton>("WebSiteBt");
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(web->Caption(), "Access Web Site");

    Launcher(0);
    web->Click();
    SettleLauncher();
    EXPECT_EQ(OpenedUrl(), "https://www.example.com/index.htm");
    EXPECT_TRUE(Boxes.empty());

    Launcher(3); // xdg-open's "no tool to open it"
    web->Click();
    SettleLauncher();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Caption, "Error");
    EXPECT_EQ(Boxes[0].Type, mtError);
    EXPECT_EQ(Boxes[0].Message, kBrowserFailed);
    EXPECT_EQ(Boxes[0].Buttons, TMsgDlgButtons{mbOK});
    EXPECT_EQ(Boxes[0].HelpContext, 0);
}

TEST_F(MainWindowActions, EveryButtonAndCheckBoxOfEveryPageDoesItsPart) {
    // What each control opens; nullptr for the bitmap button, which only shows itself off.
    const std::map<QString, TForm*> opens = {{"Form2Bt", Form2Fm}, {"Form3Bt", Form3Fm},
                                             {"Form4Bt", Form4Fm}, {"Button1", Form5Fm},
                                             {"Button2", Form6Fm}, {"Button3", Form7Fm},
                                             {"Button5", OrderFm}, {"VQBitmapButton1", nullptr}};
    // Rows whose actions live with their own components; here they only have to exist.
    const std::set<QString> elsewhere = {"AboutBt",         "TipsBt",           "ShowTrayIconCb",
                                         "BrowseFoldersBt", "BrowseProgramsBt", "ShortcutBt"};
    std::set<QString> seen;
    MainFm->Show();

    auto walk = [&](TControl* c) {
        const QString name = c->Name();
        auto* cb = dynamic_cast<TCheckBox*>(c);
        if (!dynamic_cast<TButton*>(c) && !cb) return;
        seen.insert(name);
        if (elsewhere.count(name)) return;
        if (name == "AnimateCb") {
            for (bool on : {true, false}) {
                cb->SetChecked(on);
                EXPECT_EQ(MainFm->VQAnimImage1->Animate(), on);
            }
            return;
        }
        auto row = opens.find(name);
        ASSERT_NE(row, opens.end()) << "a control without a known action: " << name.toStdString();
        TForm* target = row->second;
        std::vector<TForm*> shown;
        QTimer::singleShot(0, [&] {
            for (TForm* f : std::initializer_list<TForm*>{Form2Fm, Form3Fm, Form4Fm, Form5Fm,
                                                          Form6Fm, Form7Fm, OrderFm})
                if (f->Modal() && f->Visible()) {
                    shown.push_back(f);
                    f->Close();
                }
        });
        c->Click();
        QCoreApplication::processEvents();
        if (target) {
            EXPECT_EQ(shown, std::vector<TForm*>{target}) << name.toStdString();
            EXPECT_FALSE(target->Visible()) << name.toStdString();
        } else {
            EXPECT_TRUE(shown.empty()) << name.toStdString();
        }
    };
    for (int p = 0; p < MainFm->MainPc->PageCount(); ++p) {
        TTabSheet* page = MainFm->MainPc->Pages(p);
        MainFm->MainPc->SetActivePage(page);
        for (int i = 0; i < page->ControlCount(); ++i)
            walk(page->Controls(i));
    }
    for (int i = 0; i < MainFm->ControlCount(); ++i)
        if (MainFm->Controls(i)->Name() != "WebSiteBt") walk(MainFm->Controls(i));

    std::set<QString> expected = elsewhere;
    for (const auto& [name, form] : opens)
        expected.insert(name);
    expected.insert("AnimateCb");
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(Boxes.empty());

    auto* star = Find<TVQBitmapButton>("VQBitmapButton1");
    ASSERT_NE(star, nullptr);
    EXPECT_EQ(star->BoundsRect(), Bounds(256, 12, 104, 100));
    EXPECT_EQ(star->BitmapNormal()->Width(), 104);
    EXPECT_EQ(star->BitmapPressed()->Height(), 100);
    EXPECT_TRUE(star->BitmapFocused()->Empty());
    EXPECT_TRUE(star->BitmapDisabled()->Empty());
}

TEST_F(MainWindowActions, OrderOnlineShowsTheErrorBoxAndTheWindowStaysOpen) {
    auto* order = dynamic_cast<TBitBtn*>(OrderFm->FindComponent("BitBtn1"));
    ASSERT_NE(order, nullptr);
    EXPECT_EQ(order->Caption(), "Order Online");
    EXPECT_EQ(order->Layout(), blGlyphTop);
    EXPECT_EQ(order->Glyph()->Width(), 28);
    Launcher(3);
    bool openAfterBox = false;
    QTimer::singleShot(0, [&] {
        order->Click();
        SettleLauncher();
        openAfterBox = OrderFm->Visible() && OrderFm->Modal();
        OrderFm->Close();
    });
    MainFm->Show();
    Find<TButton>("Button5")->Click();
    EXPECT_EQ(OpenedUrl(), "https://www.example.com/html/order.htm");
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Caption, "Error");
    EXPECT_EQ(Boxes[0].Message, kBrowserFailed);
    EXPECT_TRUE(openAfterBox);
}

TEST_F(MainWindowActions, ResellerListScrollsButCannotBeEdited) {
    auto* list = dynamic_cast<TVQRichEdit*>(OrderFm->FindComponent("VQRichEdit1"));
    ASSERT_NE(list, nullptr);
    OrderFm->Show();
    auto* edit = qobject_cast<QTextEdit*>(list->Widget());
    ASSERT_NE(edit, nullptr);
    const QString before = edit->toPlainText();
    ASSERT_FALSE(before.isEmpty());

    list->SetFocus();
    QTest::keyClicks(edit, "typed");
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->toPlainText(), before);

    QScrollBar* bar = edit->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_TRUE(bar->isVisible());
    QTest::keyClick(edit, Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);

    // Contact data is invented: hosts under example.com/.org, numbers in 555-01xx.
    static const QRegularExpression host(R"(\b[\w.]*\.(\w+)\.(\w+)\b)");
    for (auto m = host.globalMatch(before); m.hasNext();) {
        const auto match = m.next();
        EXPECT_EQ(match.captured(1), "example") << match.captured(0).toStdString();
        EXPECT_TRUE(match.captured(2) == "com" || match.captured(2) == "org");
    }
    static const QRegularExpression digits(R"(\d[\d -]{3,}\d)");
    int numbers = 0;
    for (auto m = digits.globalMatch(before); m.hasNext(); ++numbers)
        EXPECT_TRUE(QRegularExpression(R"(^555-01\d\d$)").match(m.next().captured(0)).hasMatch());
    EXPECT_GE(numbers, 6);
    OrderFm->Hide();
}

} // namespace
