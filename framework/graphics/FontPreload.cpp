#include "framework/graphics/FontPreload.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <fontconfig/fontconfig.h>

#include <atomic>
#include <future>
#include <mutex>
#include <system_error>

namespace {

std::mutex RunningMutex;
// Ready once the running preload has loaded the configuration (and filled Qt's font database,
// when asked in time); invalid when none runs.
std::shared_future<void> RunningLoad;
// Set once nothing is left to wait for, so that later font uses skip the lock.
std::atomic<bool> NothingToWait{false};
// Under RunningMutex: a database preload asked the running preload to fill the database once
// the configuration is loaded; and whether the running preload has passed that point.
bool FillAfterLoad = false;
bool PastFill = false;

} // namespace

TFontPreload::TFontPreload() {
    std::promise<void> loaded;
    const std::lock_guard lock(RunningMutex);
    RunningLoad = loaded.get_future().share();
    NothingToWait = false;
    FillAfterLoad = false;
    PastFill = false;
    try {
        // The library keeps one configuration for the process; a second loader at the same
        // time (Qt's) would load its own and keep whichever came first.
        FThread = std::thread([done = std::move(loaded)]() mutable {
            FcInit();
            bool fill = false;
            {
                const std::lock_guard guard(RunningMutex);
                fill = FillAfterLoad;
                PastFill = true;
            }
            // On this thread rather than a second one: whoever waits for the fonts is woken
            // once, with both ready.
            if (fill) QFontDatabase::families();
            done.set_value();
        });
    } catch (const std::system_error&) {
        // No thread: Qt loads the configuration itself when it first needs it.
        RunningLoad = {};
    }
}

TFontPreload::~TFontPreload() {
    Wait();
    const std::lock_guard lock(RunningMutex);
    RunningLoad = {};
}

void TFontPreload::Wait() {
    if (FThread.joinable()) FThread.join();
}

void TFontPreload::WaitForRunning() {
    if (NothingToWait.load(std::memory_order_acquire)) return;
    std::shared_future<void> load;
    {
        const std::lock_guard lock(RunningMutex);
        load = RunningLoad;
    }
    if (load.valid()) load.wait();
    NothingToWait.store(true, std::memory_order_release);
}

TFontDatabasePreload::TFontDatabasePreload() {
    // Qt fills its database once per process, under its own lock, from any thread.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    {
        const std::lock_guard lock(RunningMutex);
        if (RunningLoad.valid() && !PastFill) {
            FillAfterLoad = true;
            FFilled = RunningLoad;
            return;
        }
    }
    try {
        FThread = std::thread([] {
            TFontPreload::WaitForRunning();
            QFontDatabase::families();
        });
    } catch (const std::system_error&) {
        // No thread: the first text fills it.
    }
}

TFontDatabasePreload::~TFontDatabasePreload() {
    // The database is filled while the application exists.
    if (FFilled.valid()) FFilled.wait();
    if (FThread.joinable()) FThread.join();
}
