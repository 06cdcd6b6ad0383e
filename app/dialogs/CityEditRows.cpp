#include "CityEditRows.h"

#include "core/StrUtils.h"
#include "data/CityText.h"

namespace velkaris {

namespace {

constexpr int NameSize = 50;

bool InRange(const QString& text, int maximum) {
    const int value = DigitsToInt(text);
    return value >= 0 && value <= maximum;
}

} // namespace

QString CountryItemText(const QString& code, const QString& displayName, const QString& zoneCode) {
    return code + QStringLiteral(" - ") + displayName + QStringLiteral(" [") + zoneCode +
           QLatin1Char(']');
}

QString CountryCodeOfItem(const QString& item) {
    return item.section(QLatin1Char(' '), 0, 0);
}

QString ZoneCodeOfItem(const QString& item) {
    const qsizetype open = item.indexOf(QLatin1Char('['));
    if (open < 0)
        return {};
    const qsizetype close = item.indexOf(QLatin1Char(']'), open + 1);
    return close < 0 ? QString() : item.mid(open + 1, close - open - 1);
}

QString CoordinateValueText(bool negative, const QString& degrees, const QString& minutes) {
    return (negative ? QStringLiteral("-") : QString()) + QString::number(DigitsToInt(degrees)) +
           PadLeft(QLatin1Char('0'), QString::number(DigitsToInt(minutes)), 2);
}

std::optional<QString> CityRowProblem(const TCityEditFields& fields) {
    const QString name = fields.Name.trimmed();
    if (name.isEmpty())
        return QStringLiteral("fEditCityDataBase_NoName");
    for (const QChar c : name) {
        if (c == QLatin1Char(';') || c == QLatin1Char('@') || c.unicode() < 0x20)
            return QStringLiteral("fEditCityDataBase_BadName");
    }
    if (CountryCodeOfItem(fields.CountryItem).isEmpty())
        return QStringLiteral("fEditCityDataBase_NoCountry");
    if (!InRange(fields.LonDegrees, 180) || !InRange(fields.LatDegrees, 90) ||
        !InRange(fields.LonMinutes, 59) || !InRange(fields.LatMinutes, 59))
        return QStringLiteral("fEditCityDataBase_BadCoordinates");
    return std::nullopt;
}

std::vector<TFieldValue> CityRowValues(const TDataTable& table, const TCityEditFields& fields) {
    std::vector<TFieldValue> values(table.Columns().size());
    const auto set = [&](QStringView column, TFieldValue value) {
        const int index = table.ColumnIndex(column);
        if (index >= 0)
            values[index] = std::move(value);
    };
    set(u"CountryCode", CountryCodeOfItem(fields.CountryItem));
    set(u"CityName", NarrowToWindows1250(fields.Name.trimmed()).left(NameSize).trimmed());
    set(u"Longitude",
        CoordinateValueText(fields.West, fields.LonDegrees, fields.LonMinutes).toInt());
    set(u"Latitude",
        CoordinateValueText(fields.South, fields.LatDegrees, fields.LatMinutes).toInt());
    set(u"TimeZoneCode", ZoneCodeOfItem(fields.CountryItem));
    return values;
}

} // namespace velkaris
