#pragma once

#include "BaseDataLoader.h"
#include "CityLookupList.h"

#include <QString>
#include <optional>

namespace velkaris {

/// The city table: `CountryCode`, `CityName`, `Longitude`, `Latitude` and
/// `TimeZoneCode`, ordered by `CityName` without regard to letter case, and its lookup
/// list, which finds a row from a place text ("Budapest; H") or the beginning of a name.
///
/// Coordinates are integers, degrees * 100 + minutes, negative for west and south (1903
/// is 19°03' east, -30 is 0°30' west); a value that is no integer stops the load with the
/// table files' error. Mode 0 reads table.city.dat.small, mode 1 (the extended
/// database) table.city.dat.long, each when it exists and table.city.dat otherwise.
class TCityLoader : public TBaseDataLoader {
public:
    static constexpr const char* ExtendedFileName = "table.city.dat.long";
    static constexpr const char* SavedFileHeader =
        ";CountryCode;CityName;Longitude;Latitude;TimeZoneCode;";

    /// Stores the mode, defines the columns and loads the mode's file; a load error is
    /// kept in `LoadError`.
    TCityLoader(const TProgramFolders& folders, int mode);

    /// Replaces the rows by those of the mode's file and builds a new lookup list; the
    /// table's displays are told once, at the end. Any other mode than 0 and 1 leaves the
    /// table empty. The load error, if any (the rows before it stay).
    std::optional<QString> Reload();

    void SetDatabaseMode(int mode) { m_Mode = mode; }
    int GetCityDatabaseMode() const { return m_Mode; }

    /// Builds the lookup list from the table's rows in their order; the first row becomes
    /// current. Pending messages are handled after every 500 entries and at the end.
    void RebuildLookupList();
    const TCityLookupList& LookupList() const { return m_Lookup; }

    /// The record number of the first entry of the lookup list that begins with `text`
    /// (letter case aside; characters that the table files cannot hold count as their
    /// nearest letter); -1 when none does.
    int FindCityRecId(const QString& text) const;
    /// Makes the row that `FindCityRecId` finds current; false, with the current row
    /// unchanged, when it finds none or the row is gone (deleted since the last list).
    bool LocatePlace(const QString& text);

    /// Writes every row to `<home>/data/table.city.dat.long`, ordered by `CountryCode`
    /// without regard to letter case, and loads the table again from it. On a write
    /// failure the file stays as it was, the table keeps its rows and order, and the
    /// result is the error for the user; a reload error is returned as well.
    std::optional<QString> SaveToExtendedFile();

    /// The text of the saved extended file for the table's rows in their current order:
    /// the header line, then one ";"-separated line per row, each ended by CR LF.
    QString SavedFileText() const;

    /// How grids show a coordinate: empty for an empty value; otherwise a "-" when the
    /// degrees are 0 and the value negative, the degrees padded with "0" to two digits,
    /// "°", two-digit minutes and "'" (4729 47°29', -1903 -19°03', -30 -00°30').
    static QString CoordinateDisplayText(const TFieldValue& value);
    /// The text a grid shows for view row `row` and `column`: coordinates through
    /// `CoordinateDisplayText` while the rule is attached (always, but during a save).
    QString DisplayText(int row, int column) const;
    bool CoordinateRuleAttached() const { return m_CoordinateRule; }

protected:
    void DefineColumns() override;

private:
    TProgramFolders m_Folders;
    int m_Mode = 0;
    bool m_CoordinateRule = true;
    TCityLookupList m_Lookup;
};

} // namespace velkaris
