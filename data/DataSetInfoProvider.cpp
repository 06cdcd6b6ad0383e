#include "DataSetInfoProvider.h"

#include "core/SegedUtils.h"

#include <cmath>

namespace velkaris {

namespace {

TTimeZoneInfo_v2 ZoneRecordOfCurrentRow(const TDataTable& zones) {
    TTimeZoneInfo_v2 zone;
    zone.TIMEZONECODE = zones.Text(u"TimeZoneCode");
    zone.DisplayName = zones.Text(u"DisplayName");
    zone.TZOFFSET = zones.Text(u"UTCDelta");
    return zone;
}

} // namespace

TDataSetInfoProvider::TDataSetInfoProvider(const TProgramFolders& folders, int mode)
    : m_Loader(std::make_unique<TDataSetLoader>(folders, mode)) {
    HandlePendingEvents();
}

TDataSetInfoProvider::~TDataSetInfoProvider() = default;

QString TDataSetInfoProvider::GetCountryCodeOfPlace(const QString& text) const {
    TCityLoader& cities = m_Loader->CityLoader();
    if (!cities.LocatePlace(text))
        return {};
    return cities.Table().Text(u"CountryCode");
}

QStringList TDataSetInfoProvider::UseExtendedCityDatabase() {
    QStringList errors;
    TCityLoader& cities = m_Loader->CityLoader();
    if (cities.GetCityDatabaseMode() != 0)
        return errors;
    cities.SetDatabaseMode(1);
    if (const auto error = cities.Reload())
        errors << *error;
    TCestLoader_v2& rules = m_Loader->CestLoader();
    rules.SetDatabaseMode(1);
    if (const auto error = rules.Reload())
        errors << *error;
    return errors;
}

QString TDataSetInfoProvider::GetCountryName(const QString& code) const {
    TDataTable& countries = m_Loader->CountryLoader().Table();
    if (!countries.Locate({QStringLiteral("CountryCode")}, {code}, false))
        return {};
    return countries.Text(u"DisplayName");
}

std::optional<TTimeZoneInfo> TDataSetInfoProvider::FindZoneV1(const QString& code) const {
    TDataTable& zones = m_Loader->TimeZoneLoader().Table();
    const QString key = code.trimmed().isEmpty() ? QStringLiteral("GMT") : code;
    if (!zones.Locate({QStringLiteral("TimeZoneCode")}, {key}, true))
        return std::nullopt;
    TTimeZoneInfo zone;
    zone.Delta = zones.Number(u"Delta");
    zone.DisplayName = zones.Text(u"DisplayName");
    zone.Group = zones.Text(u"Group");
    zone.TimeZoneCode = zones.Text(u"TimeZoneCode");
    zone.Type = zones.Text(u"Type");
    return zone;
}

std::optional<TTimeZoneInfo_v2>
TDataSetInfoProvider::ZoneRowWhere(const QStringList& columns, const QStringList& values) const {
    TDataTable& zones = m_Loader->TimeZoneLoader_v2().Table();
    if (!zones.Locate(columns, values, false))
        return std::nullopt;
    return ZoneRecordOfCurrentRow(zones);
}

std::optional<TTimeZoneInfo_v2> TDataSetInfoProvider::FindDaylightZone(const QString& code,
                                                                       double offset) const {
    const QString key = offset == 0 ? code
                                    : code + QLatin1Char(' ') + SignText(offset) +
                                          QLatin1Char(' ') + FormatHoursMinutes(std::abs(offset));
    return ZoneRowWhere({QStringLiteral("StandardTimeZone")}, {key});
}

std::optional<TTimeZoneInfo_v2> TDataSetInfoProvider::FindStandardZone(const QString& code,
                                                                       double offset) const {
    TDataTable& zones = m_Loader->TimeZoneLoader_v2().Table();
    if (!zones.Locate({QStringLiteral("TimeZoneCode"), QStringLiteral("UTCDelta")},
                      {code, UtcDeltaText(offset)}, false))
        return std::nullopt;
    const QString standard = zones.Text(u"StandardTimeZone");
    QString standardCode = standard;
    QString standardDelta = QStringLiteral("UTC");
    if (standard.contains(QLatin1Char('+')) || standard.contains(QLatin1Char('-'))) {
        standardCode = standard.section(QLatin1Char(' '), 0, 0).trimmed();
        standardDelta = standard;
        standardDelta.replace(standard.indexOf(standardCode), standardCode.size(),
                              QStringLiteral("UTC"));
    }
    return ZoneRowWhere({QStringLiteral("TimeZoneCode"), QStringLiteral("UTCDelta")},
                        {standardCode, standardDelta});
}

std::optional<TTimeZoneInfo_v2>
TDataSetInfoProvider::FindZoneByAbbreviation(const QString& abbreviation, double) const {
    TDataTable& zones = m_Loader->TimeZoneLoader_v2().Table();
    const int column = zones.ColumnIndex(u"Abbreviations");
    const QString wanted = abbreviation + QLatin1Char(',');
    std::optional<TTimeZoneInfo_v2> found;
    for (int row = 0; row < zones.RowCount() && !found; ++row) {
        if ((zones.TextAt(row, column) + QLatin1Char(',')).contains(wanted)) {
            zones.MoveTo(row);
            found = ZoneRecordOfCurrentRow(zones);
        }
    }
    zones.First();
    return found;
}

QString TDataSetInfoProvider::GetZoneDisplayName(const QString& code, double offset) const {
    return GetZoneRecord(code, offset).DisplayName;
}

TTimeZoneInfo_v2 TDataSetInfoProvider::GetZoneRecord(const QString& code, double offset) const {
    return ZoneRowWhere({QStringLiteral("TimeZoneCode"), QStringLiteral("UTCDelta")},
                        {code, UtcDeltaText(offset)})
        .value_or(TTimeZoneInfo_v2());
}

std::optional<TZoneOffset> TDataSetInfoProvider::ResolveZoneOffset(const QString& countryId,
                                                                   double longitude,
                                                                   double localJulianDay) const {
    const TTimeZoneInfo_v2 zone = ResolveZone(countryId, true, longitude, localJulianDay);
    if (zone.TIMEZONECODE.trimmed().isEmpty())
        return std::nullopt;
    return zone.ZoneOffset();
}

} // namespace velkaris
