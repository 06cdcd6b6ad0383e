#pragma once

#include <QString>
#include <QStringList>
#include <variant>

namespace velkaris {

class TSzuletesiKepletInfo;

/// The chart the command line describes.
struct TChartOptions {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    bool IsBC = false;
    /// "LMT" for local mean time; otherwise the signed offset below.
    bool Lmt = false;
    int ZoneHour = 0;
    int ZoneMinute = 0;
    bool ZoneWest = false;
    /// A country code of the zone tables: the zone is resolved from it, in place of an
    /// offset.
    QString Country;
    int LatDegree = 0;
    int LatMinute = 0;
    bool LatSouth = false;
    int LonDegree = 0;
    int LonMinute = 0;
    bool LonWest = false;
    /// Overrides of the settings; empty to keep what the settings say.
    QString HouseSystem;
    QString Zodiac;
    bool Json = false;
    /// A chart file to calculate instead of the moment and place of the options.
    QString ChartFile;

    /// Fills a fresh birth record with these values.
    void FillRecord(TSzuletesiKepletInfo& birth) const;
};

/// Reads the options of `velkaris-cli chart`: a chart file, or the moment and place; the
/// error text when they are incomplete, contradictory or malformed.
std::variant<TChartOptions, QString> ParseChartOptions(const QStringList& args);

} // namespace velkaris
