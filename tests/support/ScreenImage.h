#pragma once
// What a window shows against what a fresh paint of it gives. Qt keeps the window's pixels
// between paints and repaints only what was invalidated (or copies what moved), so a change
// that forgot to invalidate something shows as a difference between the two.

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <string>

// The window's pixels as its paints so far left them (on the offscreen platform, its backing
// store), once the pending paints are done.
inline QImage ShownImage(QWidget* window) {
    QCoreApplication::processEvents();
    return window->screen()
        ->grabWindow(window->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The whole window painted afresh.
inline QImage FreshImage(QWidget* window) {
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// "" when both images are alike, else how many pixels differ and where the first one is.
inline std::string ImageDifference(const QImage& shown, const QImage& fresh) {
    if (shown.size() != fresh.size()) return "sizes differ";
    int count = 0;
    std::string first;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != fresh.pixel(x, y) && count++ == 0)
                first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return count ? std::to_string(count) + " pixels differ, the first at " + first : "";
}
