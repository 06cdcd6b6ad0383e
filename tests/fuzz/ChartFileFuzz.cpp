// Arbitrary bytes as a chart file: reading ends with a birth record or with our error for
// the user, never a crash, a hang or a sanitizer report; a record that was read writes a
// file that reads back to itself.

#include "core/VelkarisError.h"
#include "data/SzuletesiKepletAdatokINIFileLoader.h"

#include <cstddef>
#include <cstdint>

using velkaris::TIniDocument;
using velkaris::TSzuletesiKepletAdatokINIFileLoader;
using velkaris::TSzuletesiKepletInfo;

namespace {

std::unique_ptr<TSzuletesiKepletInfo> Load(const QByteArray& bytes) {
    // No home folder and no path: nothing on disk is touched.
    static const TSzuletesiKepletAdatokINIFileLoader Loader(QString(), nullptr);
    return Loader.LoadChartDocument(TIniDocument::FromBytes(bytes), QString(), false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::unique_ptr<TSzuletesiKepletInfo> first;
    try {
        first = Load(bytes);
    } catch (const velkaris::EVelkarisError&) {
        return 0;
    }
    if (!first)
        __builtin_trap();
    (void)TSzuletesiKepletAdatokINIFileLoader::IsNewerFileVersion(first->FileVersionId());

    // A file this program wrote must open again; only the trailing blanks of the last tag
    // are lost on the way (the line is trimmed), so the second writing is final.
    const auto second = Load(TSzuletesiKepletAdatokINIFileLoader::ChartFileBytes(*first));
    if (!second || second->Name() != first->Name() || second->Notes() != first->Notes() ||
        second->Attachments() != first->Attachments() ||
        second->LocalDateTime() != first->LocalDateTime())
        __builtin_trap();
    const QByteArray written = TSzuletesiKepletAdatokINIFileLoader::ChartFileBytes(*second);
    if (TSzuletesiKepletAdatokINIFileLoader::ChartFileBytes(*Load(written)) != written)
        __builtin_trap();
    return 0;
}
