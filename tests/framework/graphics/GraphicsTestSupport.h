#pragma once
// Shared helpers of the graphics tests: a fixed palette with a distinct colour per role, and
// pixel access to bitmaps as TColor.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Graphics.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(TColor c, std::ostream* os) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", unsigned(c));
    *os << buf;
}

// The palette every pixel test paints with; each role has its own colour so that a wrong role
// shows.
inline QPalette FixedPalette() {
    QPalette pal;
    auto set = [&pal](QPalette::ColorRole role, QColor c) { pal.setColor(role, c); };
    set(QPalette::Window, QColor(0xD4, 0xD0, 0xC8));
    set(QPalette::WindowText, QColor(0x01, 0x01, 0x01));
    set(QPalette::Base, QColor(0xFF, 0xFF, 0xFE));
    set(QPalette::Text, QColor(0x02, 0x02, 0x02));
    set(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
    set(QPalette::ButtonText, QColor(0x03, 0x03, 0x03));
    set(QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
    set(QPalette::Midlight, QColor(0xDF, 0xDF, 0xDF));
    set(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    set(QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
    set(QPalette::Shadow, QColor(0x00, 0x00, 0x00));
    set(QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    set(QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xF0));
    set(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    set(QPalette::ToolTipText, QColor(0x04, 0x04, 0x04));
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6D, 0x6D, 0x6D));
    return pal;
}

// Sets the fixed palette for the life of a test.
class TFixedPaletteTest : public ::testing::Test {
protected:
    void SetUp() override {
        FSaved = QApplication::palette();
        QApplication::setPalette(FixedPalette());
    }
    void TearDown() override { QApplication::setPalette(FSaved); }

    static TColor Rgb(TColor c) { return ColorToRGB(c); }

private:
    QPalette FSaved;
};

// A colour bitmap filled with one colour.
inline std::unique_ptr<TBitmap> FilledBitmap(int w, int h, TColor color) {
    auto bmp = std::make_unique<TBitmap>(w, h);
    bmp->Canvas()->FillRectColor(Rect(0, 0, w, h), color);
    return bmp;
}
