#pragma once

#include "BaseDataLoader.h"

namespace velkaris {

/// The rule table `table.cest.v2.dat`: the zone and daylight-saving changes of every
/// country, ordered by `CountryCode` without regard to letter case, each country's rows
/// in file order (by date).
///
/// Columns: `CountryCode`, `EV`, `HO`, `NAP` (integers), `ORATOL`, `NYARIE`,
/// `TZOFFSET`, `TIMEZONECODE`, `INFO01`, `INFO02`, `INFO03` (texts).
class TCestLoader_v2 : public TBaseDataLoader {
public:
    /// Stores the database mode, defines the columns and loads the mode's file; a load
    /// error is kept in `LoadError`.
    TCestLoader_v2(const TProgramFolders& folders, int mode);

    /// The city database mode: 0 small, 1 extended.
    void SetDatabaseMode(int mode) { m_Mode = mode; }
    int DatabaseMode() const { return m_Mode; }

    /// Replaces the rows by those of the mode's file: mode 0 reads table.cest.v2.dat.small
    /// and mode 1 table.cest.v2.dat.long when they exist, else table.cest.v2.dat; any other
    /// mode leaves the table empty. The table's displays are told once, at the end. The
    /// load error, if any (it is also kept in `LoadError`).
    std::optional<QString> Reload();

    /// The year of the table's last rows (its largest `EV`); 0 for an empty table.
    int LastYear() const { return m_LastYear; }

protected:
    void DefineColumns() override;

private:
    int m_Mode = 0;
    int m_LastYear = 0;
};

} // namespace velkaris
