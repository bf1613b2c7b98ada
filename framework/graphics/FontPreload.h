#pragma once

#include <future>
#include <thread>

// Reads the system's font configuration on a worker thread while the rest of the program
// starts. Loading it is the largest single cost of showing the first text (several
// milliseconds of configuration files and caches); started before the QApplication, it runs
// beside Qt's own start-up. Create one at the top of main; the object waits for the thread
// when it goes.
class TFontPreload {
public:
    TFontPreload();
    ~TFontPreload();
    TFontPreload(const TFontPreload&) = delete;
    TFontPreload& operator=(const TFontPreload&) = delete;

    // Waits until the configuration is loaded (or loading failed).
    void Wait();
    // Waits for the preload running in the process, if any. The framework calls it before
    // its first use of a font: the configuration library would otherwise read the whole
    // configuration a second time on this thread rather than wait for the first reading.
    static void WaitForRunning();

private:
    std::thread FThread;
};

// Fills Qt's font database (every installed font, listed from the configuration) on a worker
// thread, which Qt would otherwise do on the main thread at the first text: the preload's own
// thread once it has loaded the configuration, when that still runs, else a thread of its
// own. Create one right after the QGuiApplication, while the main thread builds windows that
// measure nothing. On the preload's thread WaitForRunning waits for the database too; on a
// thread of its own Qt's lock makes a first text wait for it. It goes before the application
// does.
class TFontDatabasePreload {
public:
    TFontDatabasePreload();
    ~TFontDatabasePreload();
    TFontDatabasePreload(const TFontDatabasePreload&) = delete;
    TFontDatabasePreload& operator=(const TFontDatabasePreload&) = delete;

private:
    std::thread FThread;
    std::shared_future<void> FFilled;
};
