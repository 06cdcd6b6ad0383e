#include "CliZones.h"

#include "core/SzuletesiKepletInfo.h"
#include "data/DataSetInfoProvider.h"

namespace velkaris {

std::unique_ptr<TDataSetInfoProvider> ZoneProviderFor(const TSzuletesiKepletInfo& birth,
                                                      const TProgramFolders& folders) {
    if (!birth.TZoneCode().trimmed().isEmpty())
        return nullptr;
    // The extended (world) database: the tool serves places of every country.
    return std::make_unique<TDataSetInfoProvider>(folders, 1);
}

} // namespace velkaris
