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
    int LatDegree = 0;
    int LatMinute = 0;
    bool LatSouth = false;
    int LonDegree = 0;
    int LonMinute = 0;
    bool LonWest = false;
    QString HouseSystem = QStringLiteral("P");
    QString Zodiac = QStringLiteral("T");
    bool Json = false;

    /// Fills a fresh birth record with these values.
    void FillRecord(TSzuletesiKepletInfo& birth) const;
};

/// Reads the options of `velkaris-cli chart`; the error text when they are incomplete or
/// malformed.
std::variant<TChartOptions, QString> ParseChartOptions(const QStringList& args);

} // namespace velkaris
