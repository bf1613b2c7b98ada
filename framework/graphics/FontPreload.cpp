#include "framework/graphics/FontPreload.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

TFontPreload::TFontPreload() {
    try {
        // The library keeps one configuration for the process; a second loader at the same
        // time (Qt's) just finds it loaded, or loads its own and keeps whichever came first.
        FThread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread: Qt loads the configuration itself when it first needs it.
    }
}

TFontPreload::~TFontPreload() {
    Wait();
}

void TFontPreload::Wait() {
    if (FThread.joinable()) FThread.join();
}
