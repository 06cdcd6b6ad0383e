#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velkaris::test {

/// Ephemeris folder the tests use; SE_EPHE_PATH is ignored by the tests.
inline const char* const EphemerisFolder = "/usr/share/libswe/ephe";

/// What the ephemeris library's own command-line tool prints for one moment.
struct TSwetestOutput {
    /// Longitude and speed per requested body, in request order; nullopt where swetest
    /// printed nothing or an error for it.
    std::vector<std::optional<std::pair<double, double>>> Bodies;
    /// Cusps 1-12.
    std::vector<double> Cusps;
    /// Ascendant, MC, ARMC, Vertex, equatorial ascendant, Koch and Munkasey
    /// co-ascendants, polar ascendant.
    std::vector<double> Axes;
    QString RawText;
};

/// Asks swetest for bodies `bodyLetters` (swetest's -p letters, one per body) and the
/// houses of `houseSystem` at east longitude `lon` and latitude `lat`, at Julian day
/// `jdUT` (UT). Sidereal uses the library's default mode (-sid0). nullopt when swetest
/// cannot be run or its output is not understood. `moshier` tells swetest to use the
/// library's analytical ephemeris, which is what the library falls back to for dates
/// that no ephemeris file covers; without it swetest would convert UT with the delta T
/// of the file ephemeris while the positions come from the analytical one.
std::optional<TSwetestOutput> RunSwetest(double jdUT, const QString& bodyLetters, double lon,
                                         double lat, char houseSystem, bool sidereal,
                                         bool moshier = false);

/// Runs swetest with the given arguments and returns its standard output.
std::optional<QString> RunSwetestRaw(const QStringList& args);

} // namespace velkaris::test
