#include "ZoneCommand.h"

#include "data/CalendarUtils.h"
#include "data/DataSetInfoProvider.h"
#include "data/ProgramFolders.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <optional>
#include <variant>

namespace velkaris {

namespace {

/// The city database mode of the world tables.
constexpr int ExtendedDatabase = 1;
constexpr double NoLongitude = -999;

struct TZoneOptions {
    QString Country;
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0;
    double Longitude = NoLongitude;
    bool Json = false;
};

bool ParseLocal(const QString& text, TZoneOptions& o) {
    static const QRegularExpression re(
        QStringLiteral("^(\\d{1,4})-(\\d{1,2})-(\\d{1,2})[ T](\\d{1,2}):(\\d{2})$"));
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    o.Year = m.captured(1).toInt();
    o.Month = m.captured(2).toInt();
    o.Day = m.captured(3).toInt();
    o.Hour = m.captured(4).toInt();
    o.Minute = m.captured(5).toInt();
    return o.Year >= 1 && TDateTime::FromParts(o.Year, o.Month, o.Day, o.Hour, o.Minute);
}

/// Decimal degrees, east positive (19.05, -7.5), or degrees, E or W and minutes (19E03).
std::optional<double> ParseLongitude(const QString& text) {
    static const QRegularExpression dms(QStringLiteral("^(\\d{1,3})([EeWw])(\\d{1,2})$"));
    if (const auto m = dms.match(text); m.hasMatch()) {
        const int degrees = m.captured(1).toInt();
        const int minutes = m.captured(3).toInt();
        if (minutes > 59 || degrees * 60 + minutes > 180 * 60)
            return std::nullopt;
        const double value = degrees + minutes / 60.0;
        return m.captured(2).compare(QLatin1String("W"), Qt::CaseInsensitive) == 0 ? -value : value;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= -180 && value <= 180))
        return std::nullopt;
    return value;
}

std::variant<TZoneOptions, QString> ParseZoneOptions(const QStringList& args) {
    using TParse = std::variant<TZoneOptions, QString>;
    TZoneOptions o;
    bool hasLocal = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args.at(i);
        if (option == QLatin1String("--json")) {
            o.Json = true;
            continue;
        }
        if (option != QLatin1String("--country") && option != QLatin1String("--local") &&
            option != QLatin1String("--lon"))
            return TParse(QStringLiteral("unknown option \"%1\"").arg(option));
        if (i + 1 >= args.size())
            return TParse(QStringLiteral("%1 needs a value").arg(option));
        const QString value = args.at(++i);
        if (option == QLatin1String("--country")) {
            o.Country = value.trimmed();
        } else if (option == QLatin1String("--local")) {
            if (!ParseLocal(value, o))
                return TParse(
                    QStringLiteral("invalid local time \"%1\" (\"YYYY-MM-DD hh:mm\")").arg(value));
            hasLocal = true;
        } else {
            const auto longitude = ParseLongitude(value);
            if (!longitude)
                return TParse(
                    QStringLiteral("invalid longitude \"%1\" (degrees east, like 19.05 or -7.5, "
                                   "or like 19E03)")
                        .arg(value));
            o.Longitude = *longitude;
        }
    }
    if (o.Country.isEmpty())
        return TParse(QStringLiteral("missing --country"));
    if (!hasLocal)
        return TParse(QStringLiteral("missing --local"));
    return TParse(o);
}

} // namespace

int RunZoneCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                   QTextStream& err) {
    const auto parsed = ParseZoneOptions(args);
    if (const auto* error = std::get_if<QString>(&parsed)) {
        err << "velkaris-cli zone: " << *error << "\n";
        return 2;
    }
    const TZoneOptions& o = std::get<TZoneOptions>(parsed);
    const TDataSetInfoProvider provider(folders, ExtendedDatabase);
    if (const QStringList errors = provider.LoadErrors(); !errors.isEmpty()) {
        for (const QString& error : errors)
            err << "velkaris-cli zone: " << error << "\n";
        return 1;
    }
    const TTimeZoneInfo_v2 zone = provider.ResolveZone(
        o.Country, true, o.Longitude, JulianDayOfParts(o.Year, o.Month, o.Day, o.Hour, o.Minute));
    if (zone.TIMEZONECODE.trimmed().isEmpty()) {
        err << "velkaris-cli zone: no zone rules for the country code \"" << o.Country
            << "\" (the codes are those of table.country.dat, such as H)\n";
        return 1;
    }
    QJsonObject json;
    json[QStringLiteral("country")] = o.Country;
    json[QStringLiteral("country_name")] = provider.GetCountryName(o.Country);
    json[QStringLiteral("code")] = zone.TIMEZONECODE;
    json[QStringLiteral("offset_hours")] = zone.OffsetHours();
    json[QStringLiteral("offset")] = zone.TZOFFSET;
    json[QStringLiteral("dst")] = zone.DaylightSaving().Active;
    json[QStringLiteral("note")] = zone.INFO03;
    json[QStringLiteral("display_name")] = zone.DisplayName;
    if (o.Json) {
        out << QJsonDocument(json).toJson(QJsonDocument::Compact) << "\n";
    } else {
        for (const char* key : {"country", "country_name", "code", "offset_hours", "offset", "dst",
                                "note", "display_name"}) {
            const QJsonValue value = json.value(QLatin1String(key));
            QString text = value.toString();
            if (value.isBool())
                text = value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
            else if (value.isDouble())
                text = QString::number(value.toDouble(), 'g', 12);
            out << key << ": " << text << "\n";
        }
    }
    out.flush();
    return 0;
}

} // namespace velkaris
