#pragma once

#include "BaseDataLoader.h"

namespace velkaris {

/// The country table `table.country.dat`: `CountryCode`, `DisplayName` and
/// `TimeZoneCode` (a code of the first-version zone table), ordered by `CountryCode`
/// without regard to letter case.
class TCountryLoader : public TBaseDataLoader {
public:
    /// Defines the columns and loads the file; a load error is kept in `LoadError`.
    explicit TCountryLoader(const TProgramFolders& folders);

protected:
    void DefineColumns() override;
};

} // namespace velkaris
