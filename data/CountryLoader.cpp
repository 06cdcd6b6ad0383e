#include "CountryLoader.h"

namespace velkaris {

TCountryLoader::TCountryLoader(const TProgramFolders& folders) : TBaseDataLoader(folders) {
    DefineColumns();
    LoadKeepingError(QStringLiteral("table.country.dat"));
    Table().SetOrderColumn(QStringLiteral("CountryCode"));
}

void TCountryLoader::DefineColumns() {
    AddColumn(QStringLiteral("CountryCode"), TFieldType::Text, QStringLiteral("Ország kód"));
    AddColumn(QStringLiteral("DisplayName"), TFieldType::Text, QStringLiteral("Ország neve"));
    AddColumn(QStringLiteral("TimeZoneCode"), TFieldType::Text, QStringLiteral("Időzóna"));
}

} // namespace velkaris
