// Form descriptions from outside bytes: reading never crashes, and whatever reads also writes
// back to text that reads again to the same text.
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/FormReader.h"
#include "framework/classes/FormWriter.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = [] {
        RegisterClasses({TComponent::StaticClassType()});
        return true;
    }();
    (void)registered;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<TComponent> root;
    try {
        root.reset(TFormReader::ReadNew(text, "fuzz", nullptr));
    } catch (const Exception&) {
        return 0;
    }
    const std::string written = TFormWriter::Write(root.get());
    std::unique_ptr<TComponent> again(TFormReader::ReadNew(written, "written", nullptr));
    if (TFormWriter::Write(again.get()) != written) std::abort();
    return 0;
}
