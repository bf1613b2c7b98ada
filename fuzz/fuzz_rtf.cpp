// RTF from outside bytes: reading never crashes or hangs, and whatever reads writes back to RTF
// that reads again and then writes the same bytes.
#include "framework/rtf/RtfReader.h"
#include "framework/rtf/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Documents lay out text with fonts, which need the application object.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTextDocument doc;
    TRtfReader reader;
    if (!reader.Read(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), &doc)) {
        if (reader.ErrorMessage().isEmpty() || reader.ErrorOffset() < 0 ||
            reader.ErrorOffset() > qsizetype(size))
            std::abort();
        return 0;
    }
    const TRtfWriter writer;
    const QByteArray written = writer.Write(&doc);
    QTextDocument again;
    if (!reader.Read(written, &again)) std::abort();
    if (writer.Write(&again) != written) std::abort();
    return 0;
}
