#include "DataSetInfoProvider.h"
#include "ZoneRules.h"
#include "core/DateTime.h"
#include "core/Messages.h"
#include "core/SegedUtils.h"

#include <cmath>
#include <swephexp.h>

namespace velkaris {

namespace {

constexpr double NoLongitude = -999;
/// Julian days this far from 0 lie tens of thousands of years away: no moment of a chart.
constexpr double MaxJulianDay = 1e8;

/// The columns of the rule table, looked up once per resolution.
struct TRuleColumns {
    explicit TRuleColumns(const TDataTable& t)
        : CountryCode(t.ColumnIndex(u"CountryCode")), EV(t.ColumnIndex(u"EV")),
          HO(t.ColumnIndex(u"HO")), NAP(t.ColumnIndex(u"NAP")), ORATOL(t.ColumnIndex(u"ORATOL")),
          NYARIE(t.ColumnIndex(u"NYARIE")), TZOFFSET(t.ColumnIndex(u"TZOFFSET")),
          TIMEZONECODE(t.ColumnIndex(u"TIMEZONECODE")), INFO01(t.ColumnIndex(u"INFO01")),
          INFO02(t.ColumnIndex(u"INFO02")), INFO03(t.ColumnIndex(u"INFO03")) {}
    int CountryCode, EV, HO, NAP, ORATOL, NYARIE, TZOFFSET, TIMEZONECODE, INFO01, INFO02, INFO03;
};

bool IsLmt(const TTimeZoneInfo_v2& zone) {
    return zone.TIMEZONECODE == QLatin1String("LMT");
}

bool IsDstMark(const QString& info) {
    return info == QLatin1String("DSTS") || info == QLatin1String("DSTE");
}

/// A rule row as a record; a local-mean-time row gets the offset of `longitude`.
TTimeZoneInfo_v2 LoadRule(const TDataTable& t, const TRuleColumns& c, int row, double longitude) {
    TTimeZoneInfo_v2 r;
    r.CountryCode = t.TextAt(row, c.CountryCode);
    r.EV = t.IntegerAt(row, c.EV);
    r.HO = t.IntegerAt(row, c.HO);
    r.NAP = t.IntegerAt(row, c.NAP);
    r.ORATOL = t.TextAt(row, c.ORATOL);
    r.NYARIE = t.TextAt(row, c.NYARIE);
    r.TZOFFSET = t.TextAt(row, c.TZOFFSET);
    r.TIMEZONECODE = t.TextAt(row, c.TIMEZONECODE);
    r.INFO01 = t.TextAt(row, c.INFO01);
    r.INFO02 = t.TextAt(row, c.INFO02);
    r.INFO03 = t.TextAt(row, c.INFO03);
    if (IsLmt(r))
        r.TZOFFSET = LmtOffsetText(longitude);
    return r;
}

/// The text of a field without copying it; empty for null and numbers.
QStringView TextOf(const TDataTable& t, int row, int column) {
    const auto* text = std::get_if<QString>(&t.ValueAt(row, column));
    return text ? QStringView(*text) : QStringView();
}

/// Part `kind` of a clock text as `TimePartOf` reads it, without building a list: 0
/// when the part is missing or no number.
int ClockPart(QStringView clock, int kind) {
    for (int i = 0; i < kind; ++i) {
        const qsizetype colon = clock.indexOf(QLatin1Char(':'));
        if (colon < 0)
            return 0;
        clock = clock.sliced(colon + 1);
    }
    const qsizetype colon = clock.indexOf(QLatin1Char(':'));
    bool ok = false;
    const int value = (colon < 0 ? clock : clock.first(colon)).trimmed().toInt(&ok);
    return ok ? value : 0;
}

/// The start of a rule row without building its record: the same day and clock time
/// that `StartJulianDay` reads. The rows of a country are read one by one on every
/// resolution, so this stays free of allocations.
double RowStart(const TDataTable& t, const TRuleColumns& c, int row) {
    const QStringView clock = TextOf(t, row, c.ORATOL);
    return swe_julday(t.IntegerAt(row, c.EV), t.IntegerAt(row, c.HO), t.IntegerAt(row, c.NAP),
                      ClockPart(clock, 0) + ClockPart(clock, 1) / 60.0, SE_GREG_CAL);
}

struct TCalendarDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};

/// The calendar date of a Julian day, the year taken without its sign.
TCalendarDate DateOf(double julianDay) {
    TCalendarDate d;
    double hour = 0;
    swe_revjul(julianDay, SE_GREG_CAL, &d.Year, &d.Month, &d.Day, &hour);
    d.Year = std::abs(d.Year);
    return d;
}

/// The daylight-saving start and end rows moved into `year`, and the one of them in
/// force at `julianDay`. The start row's clock time is taken back by the daylight-saving
/// amount and a second, so that it reads on the standard clock. Where daylight saving
/// spans the turn of the year (the southern hemisphere) it is in force outside the span
/// from its end to its start.
TTimeZoneInfo_v2 ProjectedZone(const TTimeZoneInfo_v2& start, const TTimeZoneInfo_v2& end, int year,
                               double julianDay) {
    TTimeZoneInfo_v2 s = ProjectRule(start, year);
    const TTimeZoneInfo_v2 e = ProjectRule(end, year);
    const double d = s.OffsetHours() - e.OffsetHours();
    const auto dHours = static_cast<qint64>(std::trunc(d));
    const auto dMinutes = static_cast<qint64>(std::llround((d - dHours) * 60));
    qint64 seconds = TimePartOf(0, s.ORATOL) * 3600LL + TimePartOf(1, s.ORATOL) * 60LL +
                     TimePartOf(2, s.ORATOL) - dHours * 3600 - dMinutes * 60 + (d >= 0 ? -1 : 1);
    if (const auto date = TDateTime::FromParts(s.EV, s.HO, s.NAP)) {
        // A start just after midnight moves to the day before.
        const TDateTime at = date->AddSeconds(seconds);
        s.EV = at.Year();
        s.HO = at.Month();
        s.NAP = at.Day();
        seconds = at.Hour() * 3600LL + at.Minute() * 60LL + at.Second();
    }
    s.ORATOL = QStringLiteral("%1:%2:%3")
                   .arg(seconds / 3600)
                   .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                   .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    const double from = s.StartJulianDay();
    const double to = e.StartJulianDay();
    const bool inForce =
        from <= to ? from <= julianDay && julianDay < to : julianDay >= from || julianDay < to;
    return inForce ? s : e;
}

} // namespace

TTimeZoneInfo_v2 TDataSetInfoProvider::ResolveZone(const QString& countryCode, bool warn,
                                                   double longitude, double j) const {
    if (!std::isfinite(j) || std::abs(j) > MaxJulianDay)
        return {};
    if (longitude == NoLongitude)
        longitude = 0;
    TCestLoader_v2& rules = m_Loader->CestLoader();
    TDataTable& t = rules.Table();
    const TRuleColumns c(t);
    const auto sameCountry = [&](int row) {
        return row < t.RowCount() && TextOf(t, row, c.CountryCode) == countryCode;
    };

    TTimeZoneInfo_v2 z, p, s, e;
    bool found = false;
    // Rows (view positions) of the country's first row, of the last row started (P) and
    // of the last daylight-saving start (S) and end (E) rows passed; -1 for none.
    int first = -1, pRow = -1, sRow = -1, eRow = -1, zRow = -1;
    if (t.Locate({QStringLiteral("CountryCode")}, {countryCode}, true)) {
        first = pRow = sRow = eRow = t.CurrentIndex();
        int row = first;
        for (; sameCountry(row); ++row) {
            if (RowStart(t, c, row) > j) {
                found = true;
                break;
            }
            pRow = row;
            const QStringView mark = TextOf(t, row, c.INFO01);
            if (mark == QLatin1String("DSTS"))
                sRow = row;
            else if (mark == QLatin1String("DSTE"))
                eRow = row;
        }
        t.MoveTo(std::min(row, t.RowCount() - 1));
        if (found) {
            z = LoadRule(t, c, row, longitude);
            zRow = row;
            p = LoadRule(t, c, pRow, longitude);
            // Without a next row the candidate is the country's last row: nothing follows
            // it that could be in force.
            const bool hasNext = sameCountry(row + 1);
            const TTimeZoneInfo_v2 n =
                hasNext ? LoadRule(t, c, row + 1, longitude) : TTimeZoneInfo_v2();
            if (IsLmt(z)) {
                if (hasNext && n.StartJulianDay() <= j) {
                    z = n;
                    zRow = row + 1;
                }
            } else if (p.StartJulianDay() <= j) {
                const TCalendarDate d = DateOf(j);
                QString m = DstDayMessage(z, d.Year, d.Month, d.Day, warn);
                if (!hasNext || j < n.StartJulianDay()) {
                    if (m.trimmed().isEmpty() && !IsDstMark(z.INFO01)) {
                        z = p;
                        zRow = pRow;
                        m = DstDayMessage(p, d.Year, d.Month, d.Day, warn);
                    }
                } else if (m.trimmed().isEmpty()) {
                    z = n;
                    zRow = row + 1;
                }
                z.INFO03 = m;
            }
        } else {
            p = LoadRule(t, c, pRow, longitude);
            s = LoadRule(t, c, sRow, longitude);
            e = LoadRule(t, c, eRow, longitude);
        }
    }

    const int year = DateOf(j).Year;
    if (!found) {
        const int lastYear = rules.LastYear();
        zRow = pRow;
        z = p;
        if (first >= 0 && year > lastYear && s.EV == lastYear && e.EV == lastYear) {
            z = ProjectedZone(s, e, year, j);
            zRow = -1;
        }
    }

    if (IsLmt(z) && (year < z.EV || warn)) {
        z.INFO03 = GetMessageText(u"uZentavoFileHandling_LMT");
    } else if (warn && year < z.EV && first >= 0 && zRow == first) {
        // Only a moment before the country's first row lies before the known data; a
        // row that ends a period is dated after the moments it covers.
        z.INFO03 = GetMessageText(u"uZentavoFileHandling_DSTStartYear")
                       .replace(QLatin1Char('#'), QString::number(z.EV));
    }
    if (!z.TIMEZONECODE.trimmed().isEmpty())
        z.DisplayName = GetZoneDisplayName(z.TIMEZONECODE, z.OffsetHours());
    return z;
}

} // namespace velkaris
