#pragma once
// The benchmark's generated RTF document (paragraphs with mixed fonts, sizes, colours, bold and
// italic runs, alignment and bullets) and the same content as HTML. Deterministic, so the reader's
// tests can check what it makes of it.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace RtfBench {

struct TContent {
    QByteArray Rtf;
    QString Html;
};

inline TContent MakeContent(qsizetype targetBytes) {
    static const char* const words[] = {"calendar", "border", "meter", "wizard", "splitter",
                                        "tray",     "hot",    "key",   "image",  "button",
                                        "rich",     "text",   "label", "dialog", "shell"};
    static const char* const fonts[] = {"Arial", "Times New Roman", "Courier New"};
    static const char* const colors[] = {"#ff0000", "#008000", "#000080"};
    static const char* const aligns[] = {"", "\\qc", "\\qr", "\\qj"};
    static const char* const htmlAligns[] = {"left", "center", "right", "justify"};
    uint32_t seed = 12345;
    const auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };

    TContent c;
    c.Rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss Arial;}"
            "{\\f1\\froman Times New Roman;}{\\f2\\fmodern Courier New;}"
            "{\\f3\\froman\\fcharset2 Symbol;}}\r\n"
            "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0"
            "\\blue128;}\r\n\\viewkind4\\uc1";
    c.Html = "<html><body>";
    bool inList = false;
    while (c.Rtf.size() < targetBytes) {
        const bool bullet = next(4) == 0;
        const uint32_t align = bullet ? 0 : next(4);
        c.Rtf += "\\pard";
        if (bullet) {
            c.Rtf += "{\\pntext\\f3\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf3\\pnindent360{\\pntxtb\\'B7}}"
                     "\\fi-360\\li720";
            if (!inList) c.Html += "<ul>";
            c.Html += "<li>";
        } else {
            if (inList) c.Html += "</ul>";
            c.Html += QStringLiteral("<p align=\"%1\">").arg(htmlAligns[align]);
        }
        inList = bullet;
        c.Rtf += aligns[align];
        const uint32_t runs = 4 + next(6);
        for (uint32_t r = 0; r < runs; ++r) {
            const uint32_t font = next(3), size = 16 + 4 * next(4), color = next(4);
            const bool bold = next(3) == 0, italic = next(4) == 0;
            QByteArray text;
            for (uint32_t w = 1 + next(6); w > 0; --w) {
                text += words[next(15)];
                text += ' ';
            }
            c.Rtf += "{\\f" + QByteArray::number(font) + "\\fs" + QByteArray::number(size);
            if (bold) c.Rtf += "\\b";
            if (italic) c.Rtf += "\\i";
            if (color) c.Rtf += "\\cf" + QByteArray::number(color);
            c.Rtf += " " + text + "}";
            QString style =
                QStringLiteral("font-family:'%1'; font-size:%2pt;").arg(fonts[font]).arg(size / 2);
            if (bold) style += QStringLiteral(" font-weight:700;");
            if (italic) style += QStringLiteral(" font-style:italic;");
            if (color) style += QStringLiteral(" color:%1;").arg(colors[color - 1]);
            c.Html += QStringLiteral("<span style=\"%1\">%2</span>")
                          .arg(style, QString::fromLatin1(text));
        }
        c.Rtf += "\\par\r\n";
        c.Html += bullet ? "</li>" : "</p>";
    }
    if (inList) c.Html += "</ul>";
    c.Rtf += "}\r\n";
    c.Html += "</body></html>";
    return c;
}

} // namespace RtfBench
