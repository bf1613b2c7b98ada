#pragma once

#include <thread>

// Reads the system's font configuration on a worker thread while the rest of the program
// starts. Loading it is the largest single cost of showing the first text (several
// milliseconds of configuration files and caches); started before the QApplication, it runs
// beside Qt's own start-up, and the first text measurement finds it done. Create one at the
// top of main; the object waits for the thread when it goes.
class TFontPreload {
public:
    TFontPreload();
    ~TFontPreload();
    TFontPreload(const TFontPreload&) = delete;
    TFontPreload& operator=(const TFontPreload&) = delete;

    // Waits until the configuration is loaded (or loading failed).
    void Wait();

private:
    std::thread FThread;
};
