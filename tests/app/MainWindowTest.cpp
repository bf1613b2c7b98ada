// The main window: its frame and captions, the welcome page first, the twelve pages in order,
// and the buttons that open the demonstration windows modally.

#include "app/DemoProgram.h"
#include "app/Form2.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/Form6.h"
#include "app/Form7.h"
#include "app/MainForm.h"
#include "app/OrderForm.h"
#include "framework/comctrls/PageControl.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/controls/Application.h"
#include "framework/controls/Screen.h"
#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class MainWindow : public testing::Test {
protected:
    void SetUp() override {
        FProgram.Start();
        ASSERT_NE(MainFm, nullptr);
    }
    TDemoProgram FProgram;
};

} // namespace

TEST_F(MainWindow, OpensOnTheWelcomePageThoughTheDescriptionStoresAnother) {
    QFile file(MainFm->FormResourceName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    ASSERT_TRUE(text.contains("ActivePage = "));
    EXPECT_FALSE(text.contains("ActivePage = WelcomeWp"));

    ASSERT_NE(MainFm->WelcomeWp, nullptr);
    EXPECT_EQ(MainFm->MainPc->ActivePage(), MainFm->WelcomeWp);
    EXPECT_EQ(MainFm->MainPc->ActivePageIndex(), 0);
    MainFm->Show();
    Application->ProcessMessages();
    EXPECT_EQ(MainFm->MainPc->ActivePage(), MainFm->WelcomeWp);
}

TEST_F(MainWindow, HasTheTwelvePagesInTabOrder) {
    const std::pair<const char*, const char*> pages[] = {
        {"WelcomeWp", "Welcome!"},        {"TabSheet1", "Border, Image, and Meter"},
        {"TabSheet11", "Bitmap button"},  {"TabSheet2", "Menu button and Splitter"},
        {"TabSheet3", "Calendar"},        {"TabSheet7", "Rich label"},
        {"TabSheet10", "Anim image"},     {"TabSheet8", "Tray icon"},
        {"TabSheet6", "Wizard"},          {"TabSheet9", "Hot key"},
        {"TabSheet4", "Dialog controls"}, {"TabSheet5", "Shell functions"},
    };
    TPageControl* pc = MainFm->MainPc;
    ASSERT_EQ(pc->PageCount(), int(std::size(pages)));
    for (int i = 0; i < pc->PageCount(); ++i) {
        EXPECT_EQ(pc->Pages(i)->Name(), QLatin1String(pages[i].first)) << i;
        EXPECT_EQ(pc->Pages(i)->Caption(), QLatin1String(pages[i].second)) << i;
    }
    EXPECT_TRUE(pc->MultiLine());
}

TEST_F(MainWindow, EveryPageHasRoomForItsControls) {
    // Three rows of tabs must leave the pages the height their controls were laid out for.
    TPageControl* pc = MainFm->MainPc;
    for (int i = 0; i < pc->PageCount(); ++i) {
        TTabSheet* page = pc->Pages(i);
        for (int c = 0; c < page->ControlCount(); ++c) {
            TControl* control = page->Controls(c);
            // The rich label page's text is taller than the page, which clips it.
            if (control->Name() == QLatin1String("VQRichLabel7")) continue;
            const TRect r = control->BoundsRect();
            EXPECT_LE(r.Bottom, page->ClientHeight()) << control->Name().toStdString();
            EXPECT_LE(r.Right, page->ClientWidth()) << control->Name().toStdString();
        }
    }
}

TEST_F(MainWindow, CannotBeResizedOrMaximised) {
    EXPECT_EQ(MainFm->BorderStyle(), bsSingle);
    EXPECT_EQ(MainFm->BorderIcons(), TBorderIcons({biSystemMenu, biMinimize}));
    MainFm->Show();
    Application->ProcessMessages();
    QWidget* w = MainFm->Widget();
    EXPECT_EQ(w->size(), QSize(422, 373));
    EXPECT_EQ(w->minimumSize(), QSize(422, 373));
    EXPECT_EQ(w->maximumSize(), QSize(422, 373));
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));

    // A resize from outside (the window manager, a user's drag) is held at the fixed size.
    w->resize(600, 500);
    Application->ProcessMessages();
    EXPECT_EQ(w->size(), QSize(422, 373));
    EXPECT_EQ(MainFm->ClientWidth(), 422);
    EXPECT_EQ(MainFm->ClientHeight(), 373);
}

TEST_F(MainWindow, IsCentredOnTheScreen) {
    MainFm->Show();
    Application->ProcessMessages();
    EXPECT_NEAR(MainFm->Left() + MainFm->Width() / 2, Screen->Width() / 2, 1);
    EXPECT_NEAR(MainFm->Top() + MainFm->Height() / 2, Screen->Height() / 2, 1);
}

TEST_F(MainWindow, TaskbarTitleDiffersFromTheWindowCaption) {
    const QString title = QStringLiteral("Varnholt Quill Controls Demo");
    EXPECT_EQ(Application->Title(), title);
    EXPECT_EQ(MainFm->Caption(), QStringLiteral("Varnholt Quill Controls 2 Demo"));
    // What panels and switchers read: the display name, and a desktop entry named as the
    // instance part of the window class (the program's file name).
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), title);
    EXPECT_EQ(QGuiApplication::desktopFileName(),
              QFileInfo(QCoreApplication::arguments().constFirst()).fileName());
    MainFm->Show();
    Application->ProcessMessages();
    EXPECT_EQ(MainFm->Widget()->windowTitle(), QStringLiteral("Varnholt Quill Controls 2 Demo"));
    EXPECT_EQ(MainFm->Widget()->windowIconText(), title);
    Application->SetTitle(QStringLiteral("Renamed"));
    EXPECT_EQ(MainFm->Widget()->windowIconText(), QStringLiteral("Renamed"));
    EXPECT_EQ(MainFm->Widget()->windowTitle(), QStringLiteral("Varnholt Quill Controls 2 Demo"));
}

TEST_F(MainWindow, DemoWindowsHaveTheirCaptionsAndClientSizes) {
    struct Row {
        TForm* Form;
        const char* Caption;
        int Width, Height;
        TFormBorderStyle Border;
        TBorderIcons Icons;
    };
    const Row rows[] = {
        {Form2Fm, "Bevels, Images, and Meters", 432, 385, bsDialog, {biSystemMenu}},
        {Form3Fm, "Menu Button and Splitter", 453, 295, bsDialog, {biSystemMenu}},
        {Form4Fm, "Print wizard", 512, 300, bsDialog, {}},
        {Form5Fm, "Popup Calendar", 333, 141, bsDialog, {biSystemMenu}},
        {Form6Fm, "Calendar", 430, 377, bsDialog, {biSystemMenu}},
        {Form7Fm, "Calendar", 590, 400, bsDialog, {biSystemMenu}},
        {OrderFm, "Order Information", 427, 305, bsDialog, {biSystemMenu}},
    };
    for (const Row& r : rows) {
        ASSERT_NE(r.Form, nullptr) << r.Caption;
        EXPECT_EQ(r.Form->Caption(), QLatin1String(r.Caption));
        EXPECT_EQ(r.Form->ClientWidth(), r.Width) << r.Caption;
        EXPECT_EQ(r.Form->ClientHeight(), r.Height) << r.Caption;
        EXPECT_EQ(r.Form->BorderStyle(), r.Border) << r.Caption;
        EXPECT_EQ(r.Form->BorderIcons(), r.Icons) << r.Caption;
        EXPECT_EQ(r.Form->Position(), poScreenCenter) << r.Caption;
    }
}

TEST_F(MainWindow, ButtonsShowTheirWindowsModallyAndOnlyHideThem) {
    struct Row {
        const char* Button;
        TForm* Form;
    };
    const Row rows[] = {{"Form2Bt", Form2Fm}, {"Form3Bt", Form3Fm}, {"Form4Bt", Form4Fm},
                        {"Button1", Form5Fm}, {"Button2", Form6Fm}, {"Button3", Form7Fm},
                        {"Button5", OrderFm}};
    MainFm->Show();
    for (const Row& r : rows) {
        auto* button = dynamic_cast<TControl*>(MainFm->FindComponent(QLatin1String(r.Button)));
        ASSERT_NE(button, nullptr) << r.Button;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            modal = r.Form->Modal() && r.Form->Visible();
            r.Form->Close();
        });
        button->Click();
        EXPECT_TRUE(modal) << r.Button;
        EXPECT_FALSE(r.Form->Visible()) << r.Button;
        // Still the same, living window: closing only hid it.
        EXPECT_EQ(Application->FindComponent(r.Form->Name()), r.Form) << r.Button;
    }
}
