// Arbitrary bytes as a language file: reading must end with a file or an error text,
// never a crash, a hang or a sanitizer report.

#include "core/LanguageFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto parsed = velkaris::TLanguageFile::Parse(bytes);
    (void)parsed;
    const auto header = velkaris::TLanguageFile::ParseHeader(bytes);
    (void)header;
    return 0;
}
