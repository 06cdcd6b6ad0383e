#include "BirthDataFields.h"

#include "core/SzuletesiKepletInfo.h"
#include "data/CalendarUtils.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdlib>

namespace velkaris {

namespace {

const QLatin1StringView Separator(" - ");

QString WithoutAmpersands(QString text) {
    return text.remove(QLatin1Char('&'));
}

struct TNumbers {
    int Year, Month, Day, Hour, Minute, Second;
};

TNumbers NumbersOf(const TDateFieldTexts& f) {
    return {FieldInteger(f.Year, 1900), FieldInteger(f.Month, 1),  FieldInteger(f.Day, 1),
            FieldInteger(f.Hour, 0),    FieldInteger(f.Minute, 0), FieldInteger(f.Second, 0)};
}

} // namespace

bool HoldsOnlyNumberCharacters(const QString& text) {
    for (const QChar c : text)
        if (c != QLatin1Char('+') && c != QLatin1Char('-') &&
            (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return false;
    return true;
}

int FieldInteger(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

std::optional<TDateTime> DateTimeOfFields(const TDateFieldTexts& fields) {
    const TNumbers n = NumbersOf(fields);
    return TDateTime::FromParts(n.Year, n.Month, n.Day, n.Hour, n.Minute, n.Second);
}

std::optional<TDateTime> ReadDateFieldsCorrectingDay(TDateFieldTexts& fields) {
    if (auto dateTime = DateTimeOfFields(fields))
        return dateTime;
    const TNumbers n = NumbersOf(fields);
    // Only a day past the end of a real month is corrected; a wrong month or time of day
    // stays wrong for the confirmation to report.
    if (n.Month >= 1 && n.Month <= 12 && n.Day > TDateTime::DaysInMonth(n.Year, n.Month)) {
        fields.Day = n.Month == 2 ? QStringLiteral("28") : QStringLiteral("30");
        return DateTimeOfFields(fields);
    }
    return std::nullopt;
}

double JulianDayOfFields(const TDateFieldTexts& fields, bool beforeChrist) {
    const TNumbers n = NumbersOf(fields);
    return JulianDayOfParts(beforeChrist ? -n.Year : n.Year, n.Month, n.Day, n.Hour, n.Minute);
}

std::optional<double> LongitudeOfFields(const QString& degrees, const QString& minutes, bool west) {
    bool degreesOk = false, minutesOk = false;
    const int d = degrees.trimmed().toInt(&degreesOk);
    const int m = minutes.trimmed().toInt(&minutesOk);
    if (!degreesOk || !minutesOk)
        return std::nullopt;
    const double value = std::abs(d) + std::abs(m) / 60.0;
    return west || d < 0 ? -value : value;
}

TZoneFieldTexts ZoneFieldsOfOffset(double hours) {
    const bool west = hours < 0;
    qint64 minutes = std::llround(std::abs(hours) * 60);
    const qint64 whole = minutes / 60;
    minutes %= 60;
    QString hoursText = QString::number(whole);
    if (west)
        hoursText.prepend(QLatin1Char('-'));
    return {hoursText, QString::number(minutes)};
}

TZoneFieldTexts ZoneFieldsOfRecord(const TSzuletesiKepletInfo& record) {
    TZoneFieldTexts fields;
    if (record.TZoneHour() != TSzuletesiKepletInfo::NotSet)
        fields.Hours = QString::number(record.TZoneHour());
    if (record.TZoneMinute() != TSzuletesiKepletInfo::NotSet)
        fields.Minutes = QString::number(record.TZoneMinute());
    if (record.TZoneHour() == 0 && record.TZoneWest() && record.TZoneMinute() != 0 &&
        record.TZoneMinute() != TSzuletesiKepletInfo::NotSet)
        fields.Hours = QStringLiteral("-0");
    return fields;
}

double OffsetOfZoneFields(const TZoneFieldTexts& fields) {
    const int hours = FieldInteger(fields.Hours, 0);
    const double minutes = std::abs(FieldInteger(fields.Minutes, 0)) / 60.0;
    const bool west = hours < 0 || fields.Hours.trimmed().startsWith(QLatin1Char('-'));
    return west ? -(std::abs(hours) + minutes) : hours + minutes;
}

QString ZoneCodeOfCaption(const QString& caption) {
    qsizetype end = caption.indexOf(Separator);
    if (end < 0)
        end = caption.indexOf(QLatin1Char('-'), 1);
    return WithoutAmpersands(caption.left(end < 0 ? caption.size() : end)).trimmed();
}

QString ZoneNameOfCaption(const QString& caption) {
    const qsizetype start = caption.indexOf(Separator);
    if (start < 0)
        return {};
    QString name = caption.mid(start + Separator.size());
    const qsizetype bracket = name.indexOf(QLatin1Char('['));
    if (bracket >= 0)
        name.truncate(bracket);
    return WithoutAmpersands(name).trimmed();
}

double ZoneOffsetOfCaption(const QString& caption) {
    const qsizetype start = caption.lastIndexOf(QLatin1String("[UTC"));
    if (start < 0)
        return 0;
    QString rest = caption.mid(start, 30);
    rest.remove(QLatin1String("UTC"));
    static const QRegularExpression noise(QStringLiteral("[\\[\\]&\\s]"));
    rest.remove(noise);
    if (rest.isEmpty())
        return 0;
    if (!rest.contains(QLatin1Char(':')))
        return FieldInteger(rest, 0);
    const bool west = rest.startsWith(QLatin1Char('-'));
    if (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QLatin1Char('+')))
        rest.remove(0, 1);
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    const double value =
        std::abs(FieldInteger(rest.left(colon), 0)) + FieldInteger(rest.mid(colon + 1), 0) / 60.0;
    return west ? -value : value;
}

QString ZoneMenuCaption(const QString& code, const QString& name, const QString& abbreviations,
                        const QString& utcDelta) {
    QString caption = code + Separator + name;
    if (!abbreviations.trimmed().isEmpty())
        caption += QStringLiteral(" [") + abbreviations + QLatin1Char(']');
    return caption + QStringLiteral(" [") + utcDelta + QLatin1Char(']');
}

QStringList SplitTags(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    QStringList tags;
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts)) {
        const QString tag = part.trimmed();
        if (!tag.isEmpty())
            tags << tag;
    }
    return tags;
}

bool IsTrustedZoneCountry(const QString& code) {
    static const QStringList trusted = {
        // The codes of old chart files.
        QStringLiteral("A"), QStringLiteral("CS"), QStringLiteral("H"), QStringLiteral("R"),
        QStringLiteral("UKR"), QStringLiteral("YU"),
        // The same countries in the country table: Czechoslovakia's and Yugoslavia's
        // successors, and Ukraine's zones.
        QStringLiteral("AT"), QStringLiteral("CZ"), QStringLiteral("SK"), QStringLiteral("RO"),
        QStringLiteral("RS"), QStringLiteral("HR"), QStringLiteral("SI"), QStringLiteral("BA"),
        QStringLiteral("ME"), QStringLiteral("MK"), QStringLiteral("XK")};
    return trusted.contains(code) || code == QLatin1String("UA") ||
           code.startsWith(QLatin1String("UA-"));
}

} // namespace velkaris
