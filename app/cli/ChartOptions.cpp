#include "ChartOptions.h"

#include "core/DateTime.h"
#include "core/SzuletesiKepletInfo.h"

#include <QRegularExpression>

namespace velkaris {

namespace {

using TParse = std::variant<TChartOptions, QString>;

bool ParseDate(const QString& text, TChartOptions& o) {
    static const QRegularExpression re(QStringLiteral("^(\\d{1,4})-(\\d{1,2})-(\\d{1,2})$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    o.Year = m.captured(1).toInt();
    o.Month = m.captured(2).toInt();
    o.Day = m.captured(3).toInt();
    return o.Year >= 1 && TDateTime::FromParts(o.Year, o.Month, o.Day).has_value();
}

bool ParseTime(const QString& text, TChartOptions& o) {
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    o.Hour = m.captured(1).toInt();
    o.Minute = m.captured(2).toInt();
    o.Second = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    return o.Hour <= 23 && o.Minute <= 59 && o.Second <= 59;
}

bool ParseZone(const QString& text, TChartOptions& o) {
    if (text.compare(QLatin1String("LMT"), Qt::CaseInsensitive) == 0) {
        o.Lmt = true;
        return true;
    }
    static const QRegularExpression re(QStringLiteral("^([+-])(\\d{1,2}):(\\d{2})$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    const int hours = m.captured(2).toInt();
    const int minutes = m.captured(3).toInt();
    if (hours > 14 || minutes > 59)
        return false;
    o.ZoneWest = m.captured(1) == QLatin1String("-");
    o.ZoneHour = o.ZoneWest ? -hours : hours;
    o.ZoneMinute = minutes;
    return true;
}

/// "47N30" / "19E03": degrees, hemisphere letter, minutes.
bool ParseCoordinate(const QString& text, const char* hemispheres, int maxDegrees, int& degrees,
                     int& minutes, bool& negative) {
    static const QRegularExpression re(QStringLiteral("^(\\d{1,3})([A-Za-z])(\\d{1,2})$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    const QChar letter = m.captured(2).at(0).toUpper();
    if (letter != QLatin1Char(hemispheres[0]) && letter != QLatin1Char(hemispheres[1]))
        return false;
    degrees = m.captured(1).toInt();
    minutes = m.captured(3).toInt();
    negative = letter == QLatin1Char(hemispheres[1]);
    return minutes <= 59 && (degrees < maxDegrees || (degrees == maxDegrees && minutes == 0));
}

} // namespace

void TChartOptions::FillRecord(TSzuletesiKepletInfo& birth) const {
    birth.SetLoading(true);
    birth.SetName(QStringLiteral("velkaris-cli"));
    birth.SetDateParts(Year, Month, Day, Hour, Minute, Second);
    birth.SetBirthDateIsBC(IsBC);
    birth.SetLocLatDegree(LatDegree);
    birth.SetLocLatMinute(LatMinute);
    birth.SetLocLatSouth(LatSouth);
    birth.SetLocLongDegree(LonDegree);
    birth.SetLocLongMinute(LonMinute);
    birth.SetLocLongWest(LonWest);
    if (!Country.isEmpty()) {
        birth.SetLocCountryID(Country);
    } else if (Lmt) {
        birth.SetTZoneCode(QStringLiteral("LMT"));
    } else {
        birth.SetTZCodeIsManual(true);
        birth.SetTZoneHour(ZoneHour);
        birth.SetTZoneMinute(static_cast<quint16>(ZoneMinute));
        birth.SetTZoneWest(ZoneWest);
    }
    birth.SetLoading(false);
}

std::variant<TChartOptions, QString> ParseChartOptions(const QStringList& args) {
    TChartOptions o;
    bool hasDate = false, hasTime = false, hasZone = false, hasLat = false, hasLon = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args.at(i);
        if (option == QLatin1String("--json")) {
            o.Json = true;
            continue;
        }
        if (option == QLatin1String("--bc")) {
            o.IsBC = true;
            continue;
        }
        if (!option.startsWith(QLatin1String("--"))) {
            if (!o.ChartFile.isEmpty())
                return TParse(QStringLiteral("only one chart file, please: \"%1\"").arg(option));
            o.ChartFile = option;
            continue;
        }
        if (i + 1 >= args.size())
            return TParse(QStringLiteral("%1 needs a value").arg(option));
        const QString value = args.at(++i);
        if (option == QLatin1String("--date")) {
            if (!ParseDate(value, o))
                return TParse(QStringLiteral("invalid date \"%1\" (YYYY-MM-DD)").arg(value));
            hasDate = true;
        } else if (option == QLatin1String("--time")) {
            if (!ParseTime(value, o))
                return TParse(QStringLiteral("invalid time \"%1\" (hh:mm[:ss])").arg(value));
            hasTime = true;
        } else if (option == QLatin1String("--zone")) {
            if (!ParseZone(value, o))
                return TParse(
                    QStringLiteral("invalid zone \"%1\" (+hh:mm, -hh:mm or LMT)").arg(value));
            hasZone = true;
        } else if (option == QLatin1String("--country")) {
            o.Country = value.trimmed();
            if (o.Country.isEmpty())
                return TParse(QStringLiteral("--country needs a code"));
        } else if (option == QLatin1String("--lat")) {
            if (!ParseCoordinate(value, "NS", 90, o.LatDegree, o.LatMinute, o.LatSouth))
                return TParse(QStringLiteral("invalid latitude \"%1\" (like 47N30)").arg(value));
            hasLat = true;
        } else if (option == QLatin1String("--lon")) {
            if (!ParseCoordinate(value, "EW", 180, o.LonDegree, o.LonMinute, o.LonWest))
                return TParse(QStringLiteral("invalid longitude \"%1\" (like 19E03)").arg(value));
            hasLon = true;
        } else if (option == QLatin1String("--house")) {
            if (value.size() != 1 || !value.at(0).isLetter() || value.at(0).unicode() > 127)
                return TParse(QStringLiteral("invalid house system \"%1\"").arg(value));
            o.HouseSystem = value;
        } else if (option == QLatin1String("--zodiac")) {
            if (value != QLatin1String("T") && value != QLatin1String("S"))
                return TParse(QStringLiteral("invalid zodiac \"%1\" (T or S)").arg(value));
            o.Zodiac = value;
        } else {
            return TParse(QStringLiteral("unknown option \"%1\"").arg(option));
        }
    }
    if (!o.ChartFile.isEmpty()) {
        if (hasDate || hasTime || hasZone || !o.Country.isEmpty() || hasLat || hasLon || o.IsBC)
            return TParse(QStringLiteral("a chart file carries its own moment and place; "
                                         "give either the file or --date, --time, --zone, "
                                         "--lat and --lon"));
        return TParse(o);
    }
    if (hasZone && !o.Country.isEmpty())
        return TParse(QStringLiteral("give either --zone or --country"));
    const char* missing = !hasDate                          ? "--date"
                          : !hasTime                        ? "--time"
                          : !hasZone && o.Country.isEmpty() ? "--zone (or --country)"
                          : !hasLat                         ? "--lat"
                          : !hasLon                         ? "--lon"
                                                            : nullptr;
    if (missing)
        return TParse(QStringLiteral("missing %1").arg(QLatin1String(missing)));
    return TParse(o);
}

} // namespace velkaris
