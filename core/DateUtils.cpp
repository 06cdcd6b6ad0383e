#include "DateUtils.h"

#include "Messages.h"
#include "SegedUtils.h"
#include "VelkarisError.h"

#include <algorithm>
#include <cmath>

namespace velkaris {

namespace {

qint64 FloorDiv(qint64 a, qint64 b) {
    qint64 q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// Year and month `months` calendar months after `start`. Done on the month count alone
// (moving by months never changes the month the day lands in), so that no span between
// two valid dates can leave the range of a date.
QString CalendarMonthText(const TDateTime& start, qint64 months) {
    const qint64 total = static_cast<qint64>(start.Year()) * 12 + (start.Month() - 1) + months;
    const qint64 year = FloorDiv(total, 12);
    const qint64 month = total - year * 12 + 1;
    return QString::number(year) + QStringLiteral(". ") + GetMessageText(u"uZentavoUtils_Year") +
           QLatin1Char(' ') + QString::number(month) + QLatin1Char(' ') +
           GetMessageText(u"uZentavoUtils_Month") + QStringLiteral(" # ");
}

} // namespace

TDateTime EncodeSignedDateTime(int year, int month, int day, int hour, int minute, int second) {
    const auto t = TDateTime::FromParts(year, month, day, hour, minute, second);
    if (!t)
        throw EInvalidDateError(GetMessageText(u"fSzulKeplet_WrongDate"));
    return *t;
}

int YearsBetween(const TDateTime& later, const TDateTime& earlier) {
    if (later.Year() == earlier.Year() && later.Month() == earlier.Month() &&
        later.Day() == earlier.Day())
        return 0;
    int years = later.Year() - earlier.Year();
    if (later.Month() < earlier.Month() ||
        (later.Month() == earlier.Month() && later.Day() < earlier.Day()))
        --years;
    return years;
}

QString AgeText(bool adjective, const TDateTime& later, const TDateTime& earlier) {
    const double span = std::fabs(earlier.DaysTo(later));
    double wholeYears = 0;
    const double fraction = std::modf(span, &wholeYears);
    const auto whole = static_cast<qint64>(wholeYears);
    const QString yearText = GetMessageText(u"uZentavoUtils_Year");

    QString text;
    if (!adjective)
        text = CalendarMonthText(std::min(earlier, later),
                                 static_cast<qint64>(RoundHalfEven(span * 12)));
    if (fraction == 0)
        return text + QString::number(whole) + yearText +
               (adjective ? QStringLiteral("es") : QString());
    const int months = static_cast<int>(RoundHalfEven(fraction * 12));
    if (months == 12)
        return text + QString::number(whole + 1) +
               (adjective ? GetMessageText(u"uZentavoUtils_Year_es") : yearText);
    return text + QString::number(whole) + yearText + QLatin1Char(' ') + QString::number(months) +
           QLatin1Char(' ') +
           GetMessageText(adjective ? u"uZentavoUtils_Month_os" : u"uZentavoUtils_Month");
}

} // namespace velkaris
