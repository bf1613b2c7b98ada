// Executing the dialogs many times leaves nothing behind: no window, no component. The
// sanitizer build of this test reports any memory the executions lose.

#include "DialogTestSupport.h"

#include "components/dialogs/VQAbtDlg/VQAbtDlg.h"
#include "components/dialogs/VQGetDir/VQGetDir.h"
#include "components/dialogs/VQTipDlg/VQTipDlg.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExecutionForm.h"

#include <gtest/gtest.h>

namespace {

template <class D> void ExecuteRepeatedly(D& dialog, int times) {
    for (int i = 0; i < times; ++i) {
        WhenModal([&] { dialog.Form()->SetModalResult(mrOk); });
        dialog.Execute();
    }
}

TEST(DialogRepeat, ThousandExecutionsLeaveNoWindowsBehind) {
    TDialogTestEnvironment env;
    TVQAboutDialog about(nullptr);
    about.SetCustomButton("&More");
    TVQTipDialog tips(nullptr);
    TStringList list;
    list.Add("one");
    list.Add("two");
    tips.SetTips(&list);
    // The first runs make what lives for the process (fonts, glyphs, styles).
    ExecuteRepeatedly(about, 1);
    ExecuteRepeatedly(tips, 1);
    const qsizetype widgets = QApplication::allWidgets().size();
    ExecuteRepeatedly(about, 1000);
    ExecuteRepeatedly(tips, 1000);
    for (int i = 0; i < 1000; ++i) {
        TComponent owner(nullptr);
        TExecutionForm<TGetDirectoryDialogFm> form(&owner);
        form->ShowHideFilesBtClick(nullptr);
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
    EXPECT_EQ(about.ComponentCount(), 0);
    EXPECT_EQ(tips.ComponentCount(), 0);
}

} // namespace
