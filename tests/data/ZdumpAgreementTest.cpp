// Compares the zones that ResolveZone reads from the shipped world rule table with what
// zdump says of the same zones, compiled by zic from the tz source archive the tables
// were generated from. Slow (a few hundred thousand moments): ctest label "slow".

#include "ZoneFixture.h"
#include "core/DateTime.h"
#include "core/Messages.h"
#include "data/DataSetInfoProvider.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <map>

using namespace velkaris;
using namespace velkaris::test;

namespace {

constexpr int FirstYear = 1900;
constexpr int LastYear = 2037;
/// Local mean time is that of the longitude rounded to 0.01 degree: 1.2 s either way.
constexpr int LmtToleranceSeconds = 2;
/// zone.tab gives a zone's city to the arc-minute or the arc-second: 4 s of mean time.
constexpr int CityLmtToleranceSeconds = 8;

struct TZone {
    QString Name;
    QString Code;
    double Longitude = 0;
};

/// One period of a zone as zdump lists it: from `StartUT` (seconds since 0000-03-01 UT;
/// the first period has no start) on, `Offset` seconds east of UT.
struct TPeriod {
    qint64 StartUT = std::numeric_limits<qint64>::min();
    int Offset = 0;
    QString Abbreviation;
    bool Dst = false;
};

QString SourceFile(const char* path) {
    return QStringLiteral(VELKARIS_SOURCE_DIR "/") + QLatin1String(path);
}

int ParseOffset(const QString& text) {
    const int sign = text.startsWith(QLatin1Char('-')) ? -1 : 1;
    const QString digits = text.mid(1);
    return sign * (digits.mid(0, 2).toInt() * 3600 + digits.mid(2, 2).toInt() * 60 +
                   digits.mid(4, 2).toInt());
}

qint64 LocalSeconds(const QString& date, const QString& time) {
    const QStringList d = date.split(QLatin1Char('-'));
    const QStringList t = time.split(QLatin1Char(':'));
    const auto at = TDateTime::FromParts(d[0].toInt(), d[1].toInt(), d[2].toInt());
    return at->SecondsSinceEpoch() + t.value(0).toInt() * 3600LL + t.value(1).toInt() * 60LL +
           t.value(2).toInt();
}

std::vector<TPeriod> ZdumpPeriods(const QString& zoneinfo, const QString& zone) {
    QProcess zdump;
    zdump.start(QStringLiteral("zdump"), {QStringLiteral("-i"), QStringLiteral("-c"),
                                          QStringLiteral("1000,2038"), zoneinfo + u'/' + zone});
    EXPECT_TRUE(zdump.waitForFinished(60000)) << zone.toStdString();
    std::vector<TPeriod> periods;
    for (const QString& line : QString::fromUtf8(zdump.readAllStandardOutput()).split(u'\n')) {
        const QStringList f = line.split(u'\t');
        if (f.size() < 3 || line.startsWith(QLatin1String("TZ=")))
            continue;
        TPeriod p;
        p.Offset = ParseOffset(f[2]);
        p.Abbreviation = f.size() > 3 && !f[3].isEmpty() ? f[3] : f[2];
        p.Dst = f.size() > 4 && f[4] == QLatin1String("1");
        if (f[0] != QLatin1String("-"))
            p.StartUT = LocalSeconds(f[0], f[1]) - p.Offset;
        periods.push_back(p);
    }
    return periods;
}

/// Days (days since 0000-03-01 of the local calendar) on which a change happens on
/// either clock, or that a jump of the clock passes over.
QSet<qint64> ChangeoverDays(const std::vector<TPeriod>& periods) {
    QSet<qint64> days;
    for (size_t k = 1; k < periods.size(); ++k) {
        const qint64 before = periods[k].StartUT + periods[k - 1].Offset;
        const qint64 after = periods[k].StartUT + periods[k].Offset;
        for (qint64 day = std::min(before, after) / 86400; day <= std::max(before, after) / 86400;
             ++day)
            days.insert(day);
    }
    return days;
}

/// The period in force at a local clock moment; nullptr in a gap or an overlap.
const TPeriod* PeriodAtLocal(const std::vector<TPeriod>& periods, qint64 local) {
    const TPeriod* found = nullptr;
    for (size_t k = 0; k < periods.size(); ++k) {
        const qint64 ut = local - periods[k].Offset;
        const bool started = k == 0 || ut >= periods[k].StartUT;
        const bool ended = k + 1 < periods.size() && ut >= periods[k + 1].StartUT;
        if (started && !ended) {
            if (found)
                return nullptr;
            found = &periods[k];
        }
    }
    return found;
}

/// The longitude whose mean time the tz database gives for a zone's first period of
/// local mean time; `fallback` for a zone that begins otherwise.
double LmtLongitude(const std::vector<TPeriod>& periods, double fallback) {
    size_t k = 0;
    while (k + 1 < periods.size() && periods[k + 1].Abbreviation == QLatin1String("LMT"))
        ++k;
    return periods[k].Abbreviation == QLatin1String("LMT") ? periods[k].Offset / 240.0 : fallback;
}

/// The rule table's code of period k: the tz abbreviation, except that a later period of
/// local mean time keeps its fixed offset under the numeric code (+001335).
QString ExpectedCode(const std::vector<TPeriod>& periods, size_t k) {
    const TPeriod& p = periods[k];
    bool afterAZone = false;
    for (size_t i = 0; i < k; ++i)
        afterAZone = afterAZone || periods[i].Abbreviation != QLatin1String("LMT");
    if (p.Abbreviation != QLatin1String("LMT") || !afterAZone)
        return p.Abbreviation;
    const int a = std::abs(p.Offset);
    QString code = QString::asprintf("%c%02d", p.Offset < 0 ? '-' : '+', a / 3600);
    if (a % 3600)
        code += QString::asprintf("%02d", a / 60 % 60);
    if (a % 60)
        code += QString::asprintf("%02d", a % 60);
    return code;
}

int OffsetSecondsOf(const TTimeZoneInfo_v2& zone) {
    const TOffsetParts p = zone.OffsetParts();
    const int seconds = std::abs(p.Hours) * 3600 + p.Minutes * 60 + p.Seconds;
    return zone.TZOFFSET.startsWith(QLatin1Char('-')) ? -seconds : seconds;
}

std::vector<TZone> ZonesOfTheTables() {
    std::vector<TZone> zones;
    QFile file(SourceFile("tools/data/zone-country-codes.tsv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QStringList f = line.split(u'\t');
        if (line.startsWith(u'#') || f.size() < 5)
            continue;
        zones.push_back({f[0], f[1], f[4].toDouble()});
    }
    return zones;
}

/// Differences of one kind, with the first few examples.
struct TDifferences {
    int Count = 0;
    QStringList Examples;
    void Add(const QString& example) {
        if (++Count <= 5)
            Examples << example;
    }
};

} // namespace

TEST(ZdumpAgreement, EveryCountryAtLocalNoonOfEveryMonthFrom1900To2037) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QStringList archives =
        QDir(SourceFile("tools/data")).entryList({QStringLiteral("tzdata*.tar.gz")}, QDir::Files);
    ASSERT_EQ(archives.size(), 1);
    QProcess compile;
    compile.start(QStringLiteral("sh"),
                  {SourceFile("tools/data/compile-tzdata.sh"),
                   SourceFile("tools/data/") + archives.first(), work.path()});
    ASSERT_TRUE(compile.waitForFinished(300000));
    ASSERT_EQ(compile.exitCode(), 0) << compile.readAllStandardError().toStdString();
    const QString zoneinfo = work.filePath(QStringLiteral("zoneinfo"));

    TDataSetInfoProvider provider(FoldersOf(ShippedFolder(), work.filePath(QStringLiteral("home"))),
                                  1);
    ASSERT_EQ(provider.LoadErrors(), QStringList());
    const std::vector<TZone> zones = ZonesOfTheTables();
    ASSERT_GT(zones.size(), 400u);

    // Before a zone's first row the note says from which year the data run.
    const auto startYearNote = [](int year) {
        return GetMessageText(u"uZentavoFileHandling_DSTStartYear")
            .replace(QLatin1Char('#'), QString::number(year));
    };
    int compared = 0, lmtCompared = 0, skipped = 0, maxLmtDifference = 0;
    // The same moments with the longitude of zone.tab's city: the tz database's mean time
    // is not always that of the city it names.
    int cityLmtDifferences = 0;
    QSet<QString> cityLmtZones;
    std::map<std::string, TDifferences> differences;
    for (const TZone& zone : zones) {
        const std::vector<TPeriod> periods = ZdumpPeriods(zoneinfo, zone.Name);
        ASSERT_GE(periods.size(), 2u) << zone.Name.toStdString();
        const QSet<qint64> changeovers = ChangeoverDays(periods);
        const double longitude = LmtLongitude(periods, zone.Longitude);
        TTimeZoneInfo_v2 cityLmt;
        cityLmt.TZOFFSET = LmtOffsetText(zone.Longitude);
        for (int year = FirstYear; year <= LastYear; ++year) {
            for (int month = 1; month <= 12; ++month) {
                // A day that moves through the month from year to year.
                const int day = 1 + (year * 7 + month * 11) % 28;
                const qint64 noon = TDateTime::FromParts(year, month, day, 12)->SecondsSinceEpoch();
                const TPeriod* period = PeriodAtLocal(periods, noon);
                if (!period || changeovers.contains(noon / 86400)) {
                    ++skipped;
                    continue;
                }
                const TTimeZoneInfo_v2 z =
                    provider.ResolveZone(zone.Code, true, longitude, LocalJd(year, month, day));
                const QString code = ExpectedCode(periods, period - periods.data());
                ++compared;
                const QString where = QStringLiteral("%1 %2-%3-%4: table %5 %6, zdump %7 %8")
                                          .arg(zone.Code)
                                          .arg(year)
                                          .arg(month)
                                          .arg(day)
                                          .arg(z.TIMEZONECODE, z.TZOFFSET, period->Abbreviation)
                                          .arg(period->Offset);
                const int offset = OffsetSecondsOf(z);
                if (z.TIMEZONECODE == QLatin1String("LMT")) {
                    ++lmtCompared;
                    const int difference = std::abs(offset - period->Offset);
                    maxLmtDifference = std::max(maxLmtDifference, difference);
                    if (code != QLatin1String("LMT"))
                        differences["local mean time where zdump has a zone"].Add(where);
                    else if (difference > LmtToleranceSeconds)
                        differences["local mean time off by more than the rounding"].Add(where);
                    if (std::abs(OffsetSecondsOf(cityLmt) - period->Offset) >
                        CityLmtToleranceSeconds) {
                        ++cityLmtDifferences;
                        cityLmtZones.insert(zone.Name);
                    }
                    continue;
                }
                if (z.TIMEZONECODE.isEmpty())
                    differences["no zone"].Add(where);
                else if (offset != period->Offset)
                    differences["offset"].Add(where);
                else if (z.DaylightSaving().Active != period->Dst)
                    differences["daylight-saving state"].Add(where);
                else if (z.TIMEZONECODE != code)
                    differences["zone code"].Add(where);
                else if (!z.INFO03.isEmpty() && !(year < z.EV && z.INFO03 == startYearNote(z.EV)))
                    differences["a note outside a changeover day or the first row"].Add(where);
            }
        }
    }
    std::cout << "Compared " << compared << " moments of " << zones.size() << " zones ("
              << lmtCompared << " in local mean time, largest difference " << maxLmtDifference
              << " s); skipped " << skipped << " on changeover days\n"
              << "With the longitudes of zone.tab, " << cityLmtDifferences
              << " moments in local mean time of " << cityLmtZones.size()
              << " zones would differ from the tz database's mean time by more than "
              << CityLmtToleranceSeconds << " s: " <<
        [&] {
            QStringList names(cityLmtZones.begin(), cityLmtZones.end());
            names.sort();
            return names.join(u' ').toStdString();
        }() << "\n";
    for (const auto& [kind, d] : differences) {
        std::cout << "  " << d.Count << " x " << kind << "\n";
        for (const QString& example : d.Examples)
            std::cout << "      " << example.toStdString() << "\n";
    }
    EXPECT_TRUE(differences.empty());
    EXPECT_GT(compared, 600000);
}
