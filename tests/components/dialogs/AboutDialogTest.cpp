#include "DialogTestSupport.h"

#include "components/dialogs/VQAbtDlg/VQAbtDlg.h"
#include "components/gfx/VQImage.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"
#include "framework/stdctrls/Button.h"
#include "framework/stdctrls/Label.h"
#include "framework/system/MemoryStatus.h"

#include <QTemporaryFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What the box showed, captured while it was open.
struct TShown {
    String Caption, Product, Copyright, Description, Serial, Memory, Resources, Custom;
    bool CustomVisible = false;
    int CustomLeft = 0, OkLeft = 0;
    int IconWidth = 0;
};

TShown ExecuteAndCapture(TVQAboutDialog& dialog, std::function<void(TVQAboutDialogFm*)> act = {}) {
    TShown shown;
    WhenModal([&] {
        TVQAboutDialogFm* f = dialog.Form();
        ASSERT_NE(f, nullptr);
        shown = {f->Caption(),
                 f->ProductLb->Caption(),
                 f->CopyrightLb->Caption(),
                 f->DescriptionLb->Caption(),
                 f->SerialLb->Caption(),
                 f->MemoryLb->Caption(),
                 f->ResourcesLb->Caption(),
                 f->CustomBt->Caption(),
                 f->CustomBt->Visible(),
                 f->CustomBt->Left(),
                 f->OKBt->Left(),
                 f->AboutIm->Picture()->Width()};
        if (act) act(f);
        if (dialog.Form()) QTest::mouseClick(f->OKBt->Widget(), Qt::LeftButton);
    });
    dialog.Execute();
    EXPECT_EQ(dialog.Form(), nullptr);
    EXPECT_EQ(dialog.ComponentCount(), 0);
    return shown;
}

// A meminfo file with the given MemTotal in kibibytes, read for the test's lifetime.
struct TFakeMemInfo {
    explicit TFakeMemInfo(const char* memTotalKb) {
        file.open();
        file.write(QByteArray("MemTotal:       ") + memTotalKb + " kB\nMemFree: 12 kB\n");
        file.flush();
        previous = SetMemInfoPath(file.fileName());
    }
    ~TFakeMemInfo() { SetMemInfoPath(previous); }
    QTemporaryFile file;
    QString previous;
};

TEST(AboutDialog, EmptyTextsFallBack) {
    TDialogTestEnvironment env;
    TVQAboutDialog dialog(nullptr);
    const TShown s = ExecuteAndCapture(dialog);
    EXPECT_EQ(s.Caption, "About Test Program");
    EXPECT_EQ(s.Product, "Test Program");
    EXPECT_EQ(s.Copyright, String::fromUtf16(TVQAboutDialog::DefaultCopyright));
    EXPECT_TRUE(s.Copyright.startsWith(QChar(0xA9)));
    EXPECT_EQ(s.Description, "");
    EXPECT_EQ(s.Serial, "");
    EXPECT_FALSE(s.CustomVisible);
}

TEST(AboutDialog, TextsAreShownAsGiven) {
    TDialogTestEnvironment env;
    TVQAboutDialog dialog(nullptr);
    dialog.SetCaption("About it");
    dialog.SetProduct("Product 1.1");
    dialog.SetCopyright("(c) someone");
    dialog.SetDescription("line one\nline two");
    dialog.SetSerial("0000-0000");
    const TShown s = ExecuteAndCapture(dialog);
    EXPECT_EQ(s.Caption, "About it");
    EXPECT_EQ(s.Product, "Product 1.1");
    EXPECT_EQ(s.Copyright, "(c) someone");
    EXPECT_EQ(s.Description, "line one\nline two");
    EXPECT_EQ(s.Serial, "0000-0000");
}

TEST(AboutDialog, CustomButtonSitsLeftOfOkAndKeepsTheBoxOpen) {
    TDialogTestEnvironment env;
    TVQAboutDialog dialog(nullptr);
    dialog.SetCustomButton("&Custom Stuff");
    std::vector<TObject*> senders;
    bool openAfter = false;
    dialog.OnCustomClick = [&](TObject* sender) { senders.push_back(sender); };
    TObject* button = nullptr;
    const TShown s = ExecuteAndCapture(dialog, [&](TVQAboutDialogFm* f) {
        button = f->CustomBt;
        QTest::mouseClick(f->CustomBt->Widget(), Qt::LeftButton);
        openAfter = f->Modal() && f->Visible();
    });
    EXPECT_TRUE(s.CustomVisible);
    EXPECT_EQ(s.Custom, "&Custom Stuff");
    EXPECT_EQ(s.CustomLeft, 172);
    EXPECT_EQ(s.OkLeft, 256);
    EXPECT_EQ(senders, std::vector<TObject*>{button});
    EXPECT_TRUE(openAfter);
}

TEST(AboutDialog, IconIsTheApplicationsAndReportsDoubleClicks) {
    TDialogTestEnvironment env;
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    TIcon icon;
    icon.SetImage(image);
    Application->SetIcon(&icon);
    TVQAboutDialog dialog(nullptr);
    TObject* sender = nullptr;
    TObject* im = nullptr;
    dialog.OnIconDblClick = [&](TObject* s) { sender = s; };
    const TShown s = ExecuteAndCapture(dialog, [&](TVQAboutDialogFm* f) {
        im = f->AboutIm;
        EXPECT_EQ(f->AboutIm->Width(), 32);
        f->AboutIm->DblClick();
    });
    Application->SetIcon(nullptr);
    EXPECT_EQ(s.IconWidth, 32);
    EXPECT_EQ(sender, im);
}

TEST(AboutDialog, MemoryLineFormatsKilobytesFreshEachTime) {
    TDialogTestEnvironment env;
    const struct {
        const char* Kb;
        const char* Shown;
    } cases[] = {{"65536", "65,536 KB"}, {"1536", "1,536 KB"}, {"16777216", "16,777,216 KB"}};
    TVQAboutDialog dialog(nullptr);
    for (const auto& c : cases) {
        TFakeMemInfo mem(c.Kb);
        // A second execution of the same component formats with the stored format again.
        for (int run = 0; run < 2; ++run)
            EXPECT_EQ(ExecuteAndCapture(dialog).Memory, c.Shown) << c.Kb << " run " << run;
    }
}

TEST(AboutDialog, ResourcesLine) {
    TDialogTestEnvironment env;
    TVQAboutDialog dialog(nullptr);
    SetFreeResourcesLibrary("libvq-no-such-library.so");
    EXPECT_EQ(ExecuteAndCapture(dialog).Resources, "100% Free");
    // A real library without the entry is never called through.
    SetFreeResourcesLibrary("libm.so.6");
    EXPECT_EQ(QueryFreeSystemResources(), 100);
    SetFreeResourcesLibrary(VQ_RSRC_LIBRARY);
    const int free = QueryFreeSystemResources();
    EXPECT_GE(free, 0);
    EXPECT_LT(free, 100); // a running process holds descriptors and the kernel memory
    EXPECT_EQ(ExecuteAndCapture(dialog).Resources, QStringLiteral("%1% Free").arg(free));
    SetFreeResourcesLibrary(String());
}

TEST(AboutDialog, PercentFormat) {
    const struct {
        const char* Format;
        int Value;
        const char* Expected;
    } cases[] = {{"%d%% Free", 87, "87% Free"}, {"%3d|", 5, "  5|"},
                 {"%-3d|", 5, "5  |"},          {"%03d", 5, "005"},
                 {"%s %d", 1, "%s 1"},          {"100%", 1, "100%"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatPercent(c.Format, c.Value), c.Expected) << c.Format;
}

TEST(AboutDialog, MemInfoParsing) {
    const TMemoryStatus s = ParseMemInfo("MemTotal:  2048 kB\nMemAvailable: 1024 kB\nBad\n");
    EXPECT_EQ(s.TotalPhys, 2048u * 1024);
    EXPECT_EQ(s.AvailPhys, 1024u * 1024);
    EXPECT_EQ(ParseMemInfo("MemTotal: x kB").TotalPhys, 0u);
    EXPECT_GT(GlobalMemoryStatus().TotalPhys, 0u); // the machine's own
}

} // namespace
