// Cost of resolving a zone on the shipped world rule table (table.cest.v2.dat.long),
// loaded once before the runs. BM_ResolveZone/<year> resolves a summer moment of that
// year in US-New_York, one of the countries with the most rows (about 470, every
// daylight-saving change since 1883): the later the year, the more rows the resolution
// passes; 2040 lies after the table and takes the projected rules. BM_LoadWorldRules
// reloads the whole table, as a switch to the extended city database does. The figures
// to quote are the times per iteration.

#include "data/CalendarUtils.h"
#include "data/DataSetInfoProvider.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace velkaris;

TDataSetInfoProvider& WorldTables() {
    static QTemporaryDir home;
    static TDataSetInfoProvider provider = [] {
        qputenv("VELKARIS_SHARE_DIR", VELKARIS_SOURCE_SHARE_DIR);
        return TDataSetInfoProvider(TProgramFolders::Resolve(home.path()), 1);
    }();
    return provider;
}

void BM_ResolveZone(benchmark::State& state) {
    TDataSetInfoProvider& places = WorldTables();
    const double jd = JulianDayOfParts(static_cast<int>(state.range(0)), 7, 1, 12, 0);
    const QString country = QStringLiteral("US-New_York");
    for (auto _ : state) {
        TTimeZoneInfo_v2 zone = places.ResolveZone(country, true, -74.0, jd);
        benchmark::DoNotOptimize(zone);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ResolveZone)->Arg(1900)->Arg(1970)->Arg(2037)->Arg(2040);

void BM_LoadWorldRules(benchmark::State& state) {
    TCestLoader_v2& rules = WorldTables().Loader().CestLoader();
    for (auto _ : state)
        benchmark::DoNotOptimize(rules.Reload());
    state.counters["rows"] = rules.Table().RowCount();
}
BENCHMARK(BM_LoadWorldRules)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
