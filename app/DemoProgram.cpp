#include "app/DemoProgram.h"

#include "app/Form2.h"
#include "app/Form3.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/Form6.h"
#include "app/Form7.h"
#include "app/MainForm.h"
#include "app/OrderForm.h"
#include "app/StringTable.h"
#include "components/dialogs/VQAbtDlg/VQAbtDlg.h"
#include "components/dialogs/VQCalPop/VQCalPop.h"
#include "components/dialogs/VQGetDir/VQGetDir.h"
#include "components/dialogs/VQTipDlg/VQTipDlg.h"
#include "components/gfx/VQGfxCmp.h"
#include "components/std/VQShellFunctions.h"
#include "components/std/VQStdCmp.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/Application.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Icon.h"
#include "framework/stdctrls/StdCtrls.h"
#include "framework/system/ResourceStrings.h"

#include <algorithm>
#include <cmath>

const char* const TDemoProgram::Title = "Varnholt Quill Controls Demo";

namespace {

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double Luminance(TColor c) {
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(c)) + 0.7152 * linear(GetGValue(c)) +
           0.0722 * linear(GetBValue(c));
}

double Contrast(TColor a, TColor b) {
    const double la = Luminance(ColorToRGB(a)), lb = Luminance(ColorToRGB(b));
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How well a text colour reads where the program writes highlighted text: on the highlight,
// and in Form6Fm's custom-drawn cell, on the button face.
double HighlightTextContrast(TColor text) {
    return std::min(Contrast(text, clHighlight), Contrast(text, clBtnFace));
}

} // namespace

std::vector<TProgramUnit> TDemoProgram::ProgramUnits() {
    // Start order matters: the shell-function loader comes first (before VQGfxCmp) and the
    // directory dialog's VQGetDir after it, each as it gets its start-up work. The other units
    // of the library have none.
    return {
        {"VQShell", InitializeVQShell, FinalizeVQShell},
        {"VQGfxCmp", InitializeVQGfxCmp, FinalizeVQGfxCmp},
        {"VQGetDir", InitializeVQGetDir, FinalizeVQGetDir},
    };
}

TDemoProgram::TDemoProgram(std::vector<TProgramUnit> units) : FUnits(std::move(units)) {}

TDemoProgram::~TDemoProgram() {
    Finish();
}

template <class T> void TDemoProgram::CreateWindow(T** reference, const char* name) {
    Application->CreateForm(reference);
    FFreeWindows.push_back([reference, name, this] {
        FLog << QStringLiteral("free %1").arg(QLatin1String(name));
        T* form = *reference;
        *reference = nullptr;
        delete form;
    });
    FLog << QStringLiteral("window %1").arg(QLatin1String(name));
}

void TDemoProgram::RegisterProgramClasses() {
    RegisterGraphicsClasses();
    RegisterControlsClasses();
    RegisterStdCtrlsClasses();
    RegisterComCtrlsClasses();
    RegisterVQGfxCmpClasses();
    RegisterVQStdCmpClasses();
    RegisterVQCalPopClasses();
    RegisterVQAbtDlgClasses();
    RegisterVQTipDlgClasses();
    // The program's windows too, so that tools can read a description naming their class.
    RegisterClassesOf<TMainFm, TForm2Fm, TForm3Fm, TForm4Fm, TForm5Fm, TForm6Fm, TForm7Fm,
                      TOrderFm>();
}

void TDemoProgram::Start() {
    StartWithMainWindow();
    CreateRemainingWindows();
}

void TDemoProgram::StartWithMainWindow() {
    if (FStarted) return;
    FStarted = true;
    FRemainingMade = false;
    try {
        RegisterProgramClasses();
        // Library texts (the wizard's button captions) come from the program's string table.
        SetResourceStringSource(&LoadStr);

        for (; FUnitsStarted < FUnits.size(); ++FUnitsStarted) {
            const TProgramUnit& unit = FUnits[FUnitsStarted];
            FLog << QStringLiteral("unit %1").arg(QLatin1String(unit.Name));
            if (unit.Initialize) unit.Initialize();
        }

        UseReadableHighlightText();
        Application->SetTitle(QString::fromLatin1(Title));
        FLog << QStringLiteral("title %1").arg(Application->Title());
        // The program's icon (the about box shows it) and its help file, both compiled in.
        TIcon icon;
        icon.LoadFromFile(QStringLiteral(":/images/VQDemo.ico"));
        Application->SetIcon(&icon);
        Application->SetHelpFile(QStringLiteral(":/help/VQDemo.vqh"));

        CreateWindow(&MainFm, "MainFm");
    } catch (...) {
        Finish();
        throw;
    }
}

void TDemoProgram::CreateRemainingWindows() {
    if (!FStarted || FRemainingMade) return;
    FRemainingMade = true;
    try {
        CreateWindow(&Form2Fm, "Form2Fm");
        CreateWindow(&Form3Fm, "Form3Fm");
        CreateWindow(&Form4Fm, "Form4Fm");
        CreateWindow(&Form5Fm, "Form5Fm");
        CreateWindow(&Form6Fm, "Form6Fm");
        CreateWindow(&Form7Fm, "Form7Fm");
        CreateWindow(&OrderFm, "OrderFm");
    } catch (...) {
        Finish();
        throw;
    }
}

void TDemoProgram::UseReadableHighlightText() {
    // Qt's own palette pairs a white highlighted text with a button face almost as light, so
    // the custom-drawn cell's number vanished. The window text reads on both there.
    const TColor text = ColorToRGB(clWindowText);
    if (HighlightTextContrast(text) > HighlightTextContrast(clHighlightText))
        SetSystemColor(clHighlightText, text);
}

void TDemoProgram::Run() {
    if (!FStarted) return;
    FLog << QStringLiteral("run");
    Application->Run();
}

void TDemoProgram::Finish() {
    if (!FStarted) return;
    // Windows first: their components may still use what the units hold.
    while (!FFreeWindows.empty()) {
        auto free = std::move(FFreeWindows.back());
        FFreeWindows.pop_back();
        free();
    }
    while (FUnitsStarted > 0) {
        const TProgramUnit& unit = FUnits[--FUnitsStarted];
        FLog << QStringLiteral("finish %1").arg(QLatin1String(unit.Name));
        if (unit.Finalize) unit.Finalize();
    }
    FStarted = false;
}

int TDemoProgram::Execute() {
    try {
        StartWithMainWindow();
        // Shown and painted first (when the window system has exposed it already), so the
        // start the user waits for ends before the windows that open later are read. A click
        // or key meanwhile waits for them: its handler may open one.
        if (TForm* main = Application->MainForm(); main && Application->ShowMainForm()) {
            Application->Guard(main, [main] { main->Show(); });
            Application->ProcessMessagesExceptInput();
        }
        CreateRemainingWindows();
    } catch (...) {
        Application->HandleException(nullptr);
        return 1;
    }
    Run();
    Finish();
    return 0;
}
