// Arbitrary bytes as an INI file (settings, chart or notes file): reading never crashes,
// hangs or trips a sanitizer, and writing what was read gives a text that reads back to
// the same document.

#include "core/IniDocument.h"

#include <cstddef>
#include <cstdint>

using velkaris::TIniDocument;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TIniDocument document = TIniDocument::FromBytes(bytes);
    const QByteArray written = document.ToBytes();
    if (TIniDocument::FromBytes(written).ToBytes() != written)
        __builtin_trap();

    for (const TIniDocument::TSection& section : document.Sections()) {
        for (const TIniDocument::TLine& line : document.Entries(section.Name)) {
            if (!document.Contains(section.Name, line.Key))
                __builtin_trap();
            (void)document.ReadInteger(section.Name, line.Key, 7);
            (void)document.ReadBool(section.Name, line.Key, true);
            (void)document.ReadFloat(section.Name, line.Key, 0.5);
        }
    }

    TIniDocument edited = document;
    const QString section = QStringLiteral("Fuzz");
    edited.WriteInteger(section, QStringLiteral("Number"), -42);
    edited.WriteFloat(section, QStringLiteral("Real"), 2.5);
    if (edited.ReadInteger(section, QStringLiteral("Number")) != -42 ||
        edited.ReadFloat(section, QStringLiteral("Real"), 0) != 2.5)
        __builtin_trap();
    return 0;
}
