// Cost of one natal chart calculation.
//
// BM_NatalCalculation runs TSWECalculator::Calculate; BM_DirectLibraryCalls makes the same
// libswe calls with the same arguments, the same number of times, without any program code.
// The figure to quote is the ratio of the two mean times: the overhead of the program over
// the bare library calls, which should stay at most 10 %.

#include "calc/SWECalculator.h"
#include "calc/SWESession.h"
#include "core/CalcResult.h"
#include "core/SzuletesiKepletInfo.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsProvider.h"

#include <array>
#include <benchmark/benchmark.h>
#include <swephexp.h>

namespace {

using namespace velkaris;

constexpr const char* EphemerisPath = "/usr/share/libswe/ephe";

// Budapest, 2000-01-01 13:00 at +1:00, i.e. 12:00 UT.
constexpr int Year = 2000, Month = 1, Day = 1, Hour = 13, Minute = 0;
constexpr int LatDegree = 47, LatMinute = 30, LonDegree = 19, LonMinute = 3;
constexpr int ZoneHour = 1, ZoneMinute = 0;

void FillBudapest(TSzuletesiKepletInfo& birth) {
    birth.SetLoading(true);
    birth.SetName(QStringLiteral("velkaris-bench"));
    birth.SetDateParts(Year, Month, Day, Hour, Minute, 0);
    birth.SetBirthDateIsBC(false);
    birth.SetLocLatDegree(LatDegree);
    birth.SetLocLatMinute(LatMinute);
    birth.SetLocLatSouth(false);
    birth.SetLocLongDegree(LonDegree);
    birth.SetLocLongMinute(LonMinute);
    birth.SetLocLongWest(false);
    birth.SetTZCodeIsManual(true);
    birth.SetTZoneHour(ZoneHour);
    birth.SetTZoneMinute(ZoneMinute);
    birth.SetTZoneWest(false);
    birth.SetLoading(false);
}

void BM_NatalCalculation(benchmark::State& state) {
    TSzuletesiKepletInfo birth;
    FillBudapest(birth);
    // The restored defaults are what the benchmark wants (Placidus, tropical, no fixed
    // stars), in a store as full as the program's.
    TSettingsINIFileLoader store;
    store.RestoreDefaults();
    const TSettingsProvider settings(store);
    TSWECalculator calculator(nullptr, nullptr, &settings);
    // One result refilled in place, as a chart window keeps its own.
    TCalcResult result;
    result.SetChartKind(ChartKind::Natal);
    calculator.SetResult(&result);
    for (auto _ : state) {
        calculator.Calculate(&birth);
        benchmark::DoNotOptimize(result);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_NatalCalculation);

void BM_DirectLibraryCalls(benchmark::State& state) {
    constexpr double Latitude = LatDegree + LatMinute / 60.0;
    constexpr double Longitude = LonDegree + LonMinute / 60.0;
    constexpr double UtHours = Hour - ZoneHour + (Minute - ZoneMinute) / 60.0;
    constexpr int Flags = SEFLG_SWIEPH | SEFLG_SPEED;
    constexpr std::array<int, 6> Extra = {1009043, 1009044, 1009032, 1009045, 1009046, 14055};
    double cusps[13];
    double ascmc[10];
    double x[6];
    char error[AS_MAXCH];
    for (auto _ : state) {
        // Houses, axes and obliquity.
        double jdUT = swe_julday(Year, Month, Day, UtHours, SE_GREG_CAL);
        benchmark::DoNotOptimize(swe_houses_ex(jdUT, 0, Latitude, Longitude, 'P', cusps, ascmc));
        benchmark::DoNotOptimize(cusps);
        benchmark::DoNotOptimize(ascmc);
        double jdET = jdUT + swe_deltat(jdUT);
        benchmark::DoNotOptimize(swe_calc(jdET, SE_ECL_NUT, 0, x, error));
        benchmark::DoNotOptimize(x);
        // Bodies, from a Julian day of their own.
        jdUT = swe_julday(Year, Month, Day, UtHours, SE_GREG_CAL);
        jdET = jdUT + swe_deltat(jdUT);
        benchmark::DoNotOptimize(swe_sidtime(jdUT));
        benchmark::DoNotOptimize(swe_get_ayanamsa_ut(jdUT));
        for (int planet = 0; planet <= 20; ++planet) {
            benchmark::DoNotOptimize(swe_calc_ut(jdUT, planet, Flags, x, error));
            benchmark::DoNotOptimize(x);
        }
        benchmark::DoNotOptimize(swe_calc(jdET, 146199, Flags, x, error));
        benchmark::DoNotOptimize(x);
        // No files for these; the library reports an error each time.
        for (int id : Extra) {
            benchmark::DoNotOptimize(swe_calc(jdET, id, Flags, x, error));
            benchmark::DoNotOptimize(x);
        }
    }
}
BENCHMARK(BM_DirectLibraryCalls);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const velkaris::TSWESession session(QString::fromLatin1(EphemerisPath));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
