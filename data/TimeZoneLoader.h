#pragma once

#include "BaseDataLoader.h"

namespace velkaris {

/// The first-version zone table `table.timezone.dat`: `TimeZoneCode`, `DisplayName`,
/// `Delta` (hours * 100 + minutes), `Group` and `Type`, in file order. Only the country
/// viewer reads it.
class TTimeZoneLoader : public TBaseDataLoader {
public:
    /// Defines the columns and loads the file; a load error is kept in `LoadError`.
    explicit TTimeZoneLoader(const TProgramFolders& folders);

protected:
    void DefineColumns() override;
};

} // namespace velkaris
