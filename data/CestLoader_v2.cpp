#include "CestLoader_v2.h"

#include <algorithm>

namespace velkaris {

TCestLoader_v2::TCestLoader_v2(const TProgramFolders& folders, int mode)
    : TBaseDataLoader(folders), m_Mode(mode) {
    DefineColumns();
    Reload();
}

void TCestLoader_v2::DefineColumns() {
    AddColumn(QStringLiteral("CountryCode"), TFieldType::Text, QStringLiteral("Kód"));
    AddColumn(QStringLiteral("EV"), TFieldType::Integer, QStringLiteral("Év"));
    AddColumn(QStringLiteral("HO"), TFieldType::Integer, QStringLiteral("Hó"));
    AddColumn(QStringLiteral("NAP"), TFieldType::Integer, QStringLiteral("Nap"));
    AddColumn(QStringLiteral("ORATOL"), TFieldType::Text, QStringLiteral("Órától"));
    AddColumn(QStringLiteral("NYARIE"), TFieldType::Text, QStringLiteral("Nyári idő"));
    AddColumn(QStringLiteral("TZOFFSET"), TFieldType::Text, QStringLiteral("Eltérés (UTC)"));
    AddColumn(QStringLiteral("TIMEZONECODE"), TFieldType::Text, QStringLiteral("Zóna"));
    AddColumn(QStringLiteral("INFO01"), TFieldType::Text, QStringLiteral("Jelölés"));
    AddColumn(QStringLiteral("INFO02"), TFieldType::Text, QStringLiteral("Megjegyzés"));
    AddColumn(QStringLiteral("INFO03"), TFieldType::Text, QStringLiteral("Megjegyzés 2"));
}

std::optional<QString> TCestLoader_v2::Reload() {
    TDataTable& table = Table();
    table.DisableControls();
    // Emptied first: ordering the old rows would be wasted work.
    table.Clear();
    table.SetOrderColumn(QStringLiteral("CountryCode"));
    const std::optional<QString> error =
        LoadKeepingError(FileForMode(QStringLiteral("table.cest.v2.dat"), m_Mode));
    m_LastYear = 0;
    const int ev = table.ColumnIndex(u"EV");
    for (int row = 0; row < table.RowCount(); ++row)
        m_LastYear = std::max(m_LastYear, table.IntegerAt(row, ev));
    table.EnableControls();
    return error;
}

} // namespace velkaris
