#include "TimeZoneLoader.h"

namespace velkaris {

TTimeZoneLoader::TTimeZoneLoader(const TProgramFolders& folders) : TBaseDataLoader(folders) {
    DefineColumns();
    LoadKeepingError(QStringLiteral("table.timezone.dat"));
}

void TTimeZoneLoader::DefineColumns() {
    AddColumn(QStringLiteral("TimeZoneCode"), TFieldType::Text, QStringLiteral("Időzóna"));
    AddColumn(QStringLiteral("DisplayName"), TFieldType::Text, QStringLiteral("Neve"));
    AddColumn(QStringLiteral("Delta"), TFieldType::Number, QStringLiteral("Eltérés"));
    AddColumn(QStringLiteral("Group"), TFieldType::Text, QStringLiteral("Csoport"));
    AddColumn(QStringLiteral("Type"), TFieldType::Text, QStringLiteral("Típus"));
}

} // namespace velkaris
