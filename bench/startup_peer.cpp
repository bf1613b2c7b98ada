// The demo's main window as a user would write it in Qt Widgets alone: a tab widget with the
// twelve pages, each description a rich-text QLabel, the same controls at the same places and
// the title labels. bench_startup starts it as the demo's peer.

#include "StartupPeerPages.h"
#include "StartupReady.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <cstring>

namespace {

QFont PixelFont(const char* family, int pixels, bool bold = false, bool italic = false) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QLabel* TitleLabel(QWidget* parent, const char* text, QRect r, const QFont& font, QColor c) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setGeometry(r);
    l->setFont(font);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
    return l;
}

void AddItem(QWidget* parent, const PeerItem& item) {
    const QString text = QString::fromUtf8(item.text);
    QWidget* w = nullptr;
    switch (item.kind) {
    case PeerRichLabel: {
        auto* l = new QLabel(parent);
        l->setTextFormat(Qt::RichText);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
        l->setText(text);
        w = l;
        break;
    }
    case PeerButton:
        w = new QPushButton(text, parent);
        break;
    case PeerCheckBox:
        w = new QCheckBox(text, parent);
        break;
    case PeerEdit:
        w = new QLineEdit(text, parent);
        break;
    case PeerImage:
        w = new QLabel(parent);
        break;
    }
    w->setGeometry(item.left, item.top, item.width, item.height);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Varnholt Quill Controls 2 Demo"));
    window.setFont(PixelFont("Liberation Sans", 11));
    window.setFixedSize(422, 373);

    TitleLabel(&window, "Varnholt", {12, 10, 107, 29}, PixelFont("Liberation Sans", 24, true),
               QColor(0, 0, 128));
    TitleLabel(&window, "Quill Controls 2", {12, 36, 208, 33},
               PixelFont("Liberation Serif", 29, true, true), QColor(128, 0, 128));
    auto* pages = new QTabWidget(&window);
    pages->setGeometry(8, 80, 405, 217);
    for (const PeerPage& page : PeerPages) {
        auto* sheet = new QWidget;
        for (int i = 0; i < page.count; ++i)
            AddItem(sheet, page.items[i]);
        // The first page, the welcome page, shows at start, as in the demo.
        pages->addTab(sheet, QString::fromLatin1(page.caption));
    }
    const QFont labelFont = PixelFont("Liberation Sans", 13, true);
    TitleLabel(&window, "Visit us at www.example.com:", {12, 312, 273, 16}, labelFont,
               QColor(128, 0, 128));
    TitleLabel(&window, "Place an order with your favorite reseller:", {12, 344, 284, 16},
               labelFont, QColor(128, 0, 128));
    for (const PeerItem& item : PeerWindowItems)
        AddItem(&window, item);

    window.show();
    StartupReportWhenExposed(&window);
    // --stay keeps the window open to look at it.
    return argc > 1 && std::strcmp(argv[1], "--stay") == 0 ? app.exec() : 0;
}
