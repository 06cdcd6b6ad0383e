// The steps after the positions of one chart (house placement, aspects, ego states,
// life strategy, house lords) with every minor body and 20 fixed stars switched on: the
// busiest chart the display settings allow.

#include "BenchBirth.h"
#include "calc/AspectOrbProvider.h"
#include "calc/SWECalculator.h"
#include "calc/SWESession.h"
#include "core/CalcResult.h"
#include "core/FixedStarLookup.h"
#include "core/SzuletesiKepletInfo.h"
#include "core/ZentavoConsts.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsKeys.h"
#include "data/SettingsProvider.h"

#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

using namespace velkaris;

// Twenty bright stars as the ephemeris library's star file names them.
const char* const Stars[][2] = {
    {"Aldebaran", "alTau"},   {"Algol", "bePer"},     {"Antares", "alSco"}, {"Regulus", "alLeo"},
    {"Sirius", "alCMa"},      {"Spica", "alVir"},     {"Polaris", "alUMi"}, {"Deneb", "alCyg"},
    {"Rigel", "beOri"},       {"Alpheratz", "alAnd"}, {"Mirach", "beAnd"},  {"Mira", "omiCet"},
    {"Ain", "epTau"},         {"Segin", "epCas"},     {"Adhil", "xiAnd"},   {"Almach", "ga-1And"},
    {"Deneb Adige", "alCyg"}, {"Rohini", "alTau"},    {"Sirrah", "alAnd"},  {"Almak", "ga-1And"},
};
constexpr int StarCount = 20;

class TBenchStars : public TFixedStarLookup {
public:
    std::optional<TFixedStarName> FindStar(int id) const override {
        const int i = id - BodyId::FixedStarFirst;
        if (i < 0 || i >= StarCount)
            return std::nullopt;
        return TFixedStarName{QString::fromLatin1(Stars[i][0]), QString::fromLatin1(Stars[i][1])};
    }
};

void BM_PostProcessBusyChart(benchmark::State& state) {
    TSettingsINIFileLoader store;
    store.RestoreDefaults();
    store.WriteBool(SettingsSection::chkbKisBolygok, SettingsKey::KELL_E_MEGJELENITES, true);
    for (const auto& body : SettingsKey::MinorBodies)
        store.WriteBool(SettingsSection::chkbKisBolygok, body.Key, true);
    store.WriteBool(SettingsSection::chkbFixedStars, SettingsKey::KELL_E_MEGJELENITES, true);
    QStringList ids;
    for (int i = 0; i < StarCount; ++i)
        ids << QString::number(BodyId::FixedStarFirst + i);
    store.WriteString(SettingsSection::chkbFixedStars, SettingsKey::SELECTED_STARIDS,
                      ids.join(QLatin1Char(',')));
    const TSettingsProvider settings(store);
    TAspectOrbProvider orbs;
    orbs.LoadRows(settings);
    const TBenchStars stars;

    TSzuletesiKepletInfo birth;
    bench::FillBudapestBirth(birth, 2000, 1, 1, 13, 0);
    TSWECalculator calculator(nullptr, &orbs, &settings);
    calculator.SetFixedStars(&stars);
    TCalcResult result;
    calculator.SetResult(&result);
    calculator.Calculate(&birth);
    if (result.Planets.CountByCategory(TBodyCategory::FixedStar) != StarCount)
        state.SkipWithError("the fixed stars were not calculated");
    for (auto _ : state) {
        calculator.PostProcess();
        benchmark::DoNotOptimize(result.Aspects.Count());
    }
    state.counters["aspects"] = result.Aspects.Count();
    state.counters["bodies"] = result.Planets.Count();
}
BENCHMARK(BM_PostProcessBusyChart);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const velkaris::TSWESession session(QStringLiteral("/usr/share/libswe/ephe"));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
