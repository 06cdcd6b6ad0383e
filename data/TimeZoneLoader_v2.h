#pragma once

#include "BaseDataLoader.h"

namespace velkaris {

/// The zone table `table.timezone.v2.dat`, in file order: `TimeZoneCode`,
/// `DisplayName`, `Abbreviations`, `UTCDelta` and `StandardTimeZone`, all text. A row
/// with an empty `DisplayName` opens a group (its `TimeZoneCode` is the group's title).
class TTimeZoneLoader_v2 : public TBaseDataLoader {
public:
    /// Defines the columns and loads the file; a load error is kept in `LoadError`.
    explicit TTimeZoneLoader_v2(const TProgramFolders& folders);

protected:
    void DefineColumns() override;
};

} // namespace velkaris
