#pragma once

#include "DataSetLoader.h"
#include "TimeZoneInfo.h"
#include "TimeZoneInfo_v2.h"
#include "ZoneProvider.h"

#include <QString>
#include <memory>
#include <optional>

namespace velkaris {

/// The place provider: the country, zone and daylight-saving tables and their queries.
///
/// Offsets are hours as doubles. The queries answer from the tables as they are: each
/// locates its row (or scans from the first row) and leaves the table's current row where
/// its search ended, so a grid showing a table follows the queries. Nothing is cached.
class TDataSetInfoProvider : public TZoneProvider {
public:
    /// Loads every table; `mode` is the city database mode (0 small, 1 extended).
    TDataSetInfoProvider(const TProgramFolders& folders, int mode);
    ~TDataSetInfoProvider() override;

    TDataSetLoader& Loader() { return *m_Loader; }
    /// The errors of the tables that did not load cleanly, for the user.
    QStringList LoadErrors() const { return m_Loader->LoadErrors(); }

    /// The country code of the city row that the place text `text` finds ("Budapest; H",
    /// or the beginning of a name; see `TCityLoader::FindCityRecId`); empty when it finds
    /// none. The city table's current row moves to the row found.
    QString GetCountryCodeOfPlace(const QString& text) const;
    /// The city database in use: 0 small, 1 extended.
    int GetCityDatabaseMode() const { return m_Loader->CityLoader().GetCityDatabaseMode(); }
    /// Switches the city and the rule tables to the extended database and loads them
    /// again, when the small one is in use; nothing otherwise. The load errors, for the
    /// user (the rows before an error stay).
    QStringList UseExtendedCityDatabase();

    /// `DisplayName` of the country whose code equals `code` exactly; empty when none.
    QString GetCountryName(const QString& code) const;
    /// The first-version zone whose code equals `code` without regard to letter case (a
    /// blank code counts as "GMT").
    std::optional<TTimeZoneInfo> FindZoneV1(const QString& code) const;
    /// The daylight-saving zone whose standard zone is (`code`, `offset`): the zone row
    /// whose `StandardTimeZone` is the code, or for a non-zero offset the code, a blank
    /// and the signed offset (CET + 1).
    std::optional<TTimeZoneInfo_v2> FindDaylightZone(const QString& code, double offset) const;
    /// The standard zone of the daylight-saving zone (`code`, `offset`), through that
    /// zone's `StandardTimeZone`.
    std::optional<TTimeZoneInfo_v2> FindStandardZone(const QString& code, double offset) const;
    /// The first zone row whose `Abbreviations` list holds `abbreviation`, compared as
    /// "abbreviation," within "Abbreviations," (a plain substring test); `offset` takes
    /// no part. The zone table's current row goes back to its first row.
    std::optional<TTimeZoneInfo_v2> FindZoneByAbbreviation(const QString& abbreviation,
                                                           double offset) const;
    /// `DisplayName` of the zone row with exactly this code and `UtcDeltaText(offset)`;
    /// empty when none.
    QString GetZoneDisplayName(const QString& code, double offset) const;
    /// The same row as a record; the empty record when there is none.
    TTimeZoneInfo_v2 GetZoneRecord(const QString& code, double offset) const;

    /// The rule row in force in country `countryCode` at `localJulianDay` (Julian day of
    /// the local clock moment), with the notes for the user when `warn` is set.
    ///
    /// A local-mean-time row carries the offset of `longitude` (degrees, east positive;
    /// -999 for none, which counts as 0). Moments after the table's last year take the
    /// country's last daylight-saving rules moved into their year. The empty record for a
    /// country that the rule table does not list, and for a moment that is no number.
    TTimeZoneInfo_v2 ResolveZone(const QString& countryCode, bool warn, double longitude,
                                 double localJulianDay) const;

    static void CopyZone(const TTimeZoneInfo_v2& source, TTimeZoneInfo_v2& target) {
        target = source;
    }

    /// `ResolveZone` with the notes on, as hours and minutes; nullopt when it finds no
    /// zone.
    std::optional<TZoneOffset> ResolveZoneOffset(const QString& countryId, double longitude,
                                                 double localJulianDay) const override;

private:
    std::unique_ptr<TDataSetLoader> m_Loader;

    std::optional<TTimeZoneInfo_v2> ZoneRowWhere(const QStringList& columns,
                                                 const QStringList& values) const;
};

} // namespace velkaris
