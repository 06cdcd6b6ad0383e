#include "TimeZoneLoader_v2.h"

namespace velkaris {

TTimeZoneLoader_v2::TTimeZoneLoader_v2(const TProgramFolders& folders) : TBaseDataLoader(folders) {
    DefineColumns();
    LoadKeepingError(QStringLiteral("table.timezone.v2.dat"));
}

void TTimeZoneLoader_v2::DefineColumns() {
    for (const char* name :
         {"TimeZoneCode", "DisplayName", "Abbreviations", "UTCDelta", "StandardTimeZone"})
        AddColumn(QLatin1String(name), TFieldType::Text, QLatin1String(name));
}

} // namespace velkaris
