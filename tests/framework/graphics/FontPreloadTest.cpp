// The font preloads as main() makes them, each in a fresh process (nothing there has used a
// font yet): the fonts are usable afterwards and nothing is left waiting; a hang fails the
// test by its time limit.

#include "framework/graphics/FontPreload.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// _Exit: the child ends here, without the leak report of a process cut short.
[[noreturn]] void ExitWithFontsUsable() {
    TFontPreload::WaitForRunning();
    const bool usable = !QFontDatabase::families().isEmpty() && QFontMetrics(QFont()).height() > 0;
    std::_Exit(usable ? 0 : 3);
}

} // namespace

TEST(FontPreloadDeathTest, DatabaseFilledBesideTheConfigurationAfterItOrAlone) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Asked while the configuration still loads: the preload's thread fills it as well.
    EXPECT_EXIT(
        {
            TFontPreload fonts;
            TFontDatabasePreload list;
            ExitWithFontsUsable();
        },
        testing::ExitedWithCode(0), "");
    // Asked once the configuration is loaded: on a thread of its own.
    EXPECT_EXIT(
        {
            TFontPreload fonts;
            fonts.Wait();
            TFontDatabasePreload list;
            ExitWithFontsUsable();
        },
        testing::ExitedWithCode(0), "");
    // Without the configuration preload; and both gone again before the fonts are used.
    EXPECT_EXIT(
        {
            { TFontDatabasePreload list; }
            {
                TFontPreload fonts;
                TFontDatabasePreload list;
            }
            ExitWithFontsUsable();
        },
        testing::ExitedWithCode(0), "");
}
