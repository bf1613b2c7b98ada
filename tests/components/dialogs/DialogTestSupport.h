#pragma once
// Helpers of the dialog tests: acting inside a modal loop, English number formats.

#include "framework/controls/Application.h"
#include "framework/system/DateUtils.h"

#include <QApplication>
#include <QTimer>
#include <functional>

// Runs f once the next modal loop has started.
inline void WhenModal(std::function<void()> f) {
    QTimer::singleShot(0, qApp, [f = std::move(f)] { Application->Guard(Application, f); });
}

// English formats and a known title for the test's lifetime.
struct TDialogTestEnvironment {
    TDialogTestEnvironment() {
        SetFormatSettings(TFormatSettings::English());
        FTitle = Application->Title();
        Application->SetTitle(QStringLiteral("Test Program"));
    }
    ~TDialogTestEnvironment() {
        Application->SetTitle(FTitle);
        ResetFormatSettings();
    }
    String FTitle;
};
