#pragma once

#include "data/DataTable.h"

#include <QString>
#include <optional>
#include <vector>

namespace velkaris {

/// An item of the city editor's country list: "H - Magyarország [Europe/Budapest]".
QString CountryItemText(const QString& code, const QString& displayName, const QString& zoneCode);
/// The country code of a country item: its text before the first blank.
QString CountryCodeOfItem(const QString& item);
/// The zone code of a country item: its text between the first "[" and the "]" after it;
/// empty when there is none.
QString ZoneCodeOfItem(const QString& item);

/// A city-table coordinate from the editor's fields: "-" for west or south, the digits
/// of `degrees`, the digits of `minutes` padded with "0" to two (`DigitsToInt` reads
/// each, so fields without digits count as 0): 19, 3, west gives -1903; 0, 30, west
/// gives -030, which reads as -30.
QString CoordinateValueText(bool negative, const QString& degrees, const QString& minutes);

/// What the city editor's fields hold for one row.
struct TCityEditFields {
    QString Name;
    /// The chosen country item; empty when none is chosen.
    QString CountryItem;
    QString LonDegrees, LonMinutes, LatDegrees, LatMinutes;
    bool West = false;
    bool South = false;
};

/// The message constant of the first reason why `fields` cannot be saved as a row: no
/// name, a name with ";" or "@" (they would break the table file and the lookup list) or
/// a control character, no country, degrees beyond 180 (longitude) or 90 (latitude) or
/// minutes beyond 59. nullopt when the row can be saved.
std::optional<QString> CityRowProblem(const TCityEditFields& fields);

/// The values of a city-table row (`CountryCode`, `CityName`, `Longitude`, `Latitude`,
/// `TimeZoneCode`, in the table's column order) from the editor's fields; the name is
/// trimmed, cut to 50 characters and written with the letters of the table files.
std::vector<TFieldValue> CityRowValues(const TDataTable& table, const TCityEditFields& fields);

} // namespace velkaris
