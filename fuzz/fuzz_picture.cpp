// Picture data from outside bytes: a bad tag or unreadable image raises EInvalidGraphic and
// leaves the picture as it was; whatever reads writes back to data that reads again.
#include "framework/graphics/Picture.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char arg0[] = "fuzz_picture";
        static char* argv[] = {arg0, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    TPicture picture;
    try {
        picture.SetData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const Exception&) {
        if (!picture.Data().isEmpty()) std::abort(); // a failed read must leave it empty
        return 0;
    }
    const QByteArray written = picture.Data();
    TPicture again;
    again.SetData(written);
    if (again.Width() != picture.Width() || again.Height() != picture.Height()) std::abort();
    return 0;
}
