// Cost of the city lookups over the extended (world) city table.
//
// BM_FindCityRecId/N looks up place texts of N typed letters (the beginnings of names
// spread over the whole table, in lower case) as the place field does on every
// keystroke; BM_ScanCityLookupList/N is the plain scan of the lookup list for the same
// texts, for comparison. The figure to quote is the time per iteration: microseconds per
// lookup. BM_LoadExtendedCities loads table.city.dat.long and builds its lookup list;
// quote its time in milliseconds and its rss_mib counter, the memory the loaded table
// and list hold (run it alone, --benchmark_filter=Load, so that no memory freed by the
// other benchmarks is reused).

#include "data/CityLoader.h"
#include "data/ProgramFolders.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace {

using namespace velkaris;

/// Resident memory of the process, MiB.
double ResidentMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / (1024.0 * 1024.0) : 0;
}

/// The extended table, loaded once for the lookup benchmarks.
struct TWorld {
    QTemporaryDir Home;
    std::unique_ptr<TCityLoader> Cities;
    TWorld() {
        Cities = std::make_unique<TCityLoader>(TProgramFolders::Resolve(Home.path()), 1);
        if (Cities->Table().RowCount() < 100000)
            std::abort();
    }
    /// Beginnings of `letters` characters of names from every part of the table.
    QStringList Texts(int letters) const {
        QStringList texts;
        const QStringList& entries = Cities->LookupList().Entries();
        for (qsizetype i = 0; i < entries.size(); i += 499)
            texts << entries[i].left(letters).toLower();
        return texts;
    }
};

TWorld& World() {
    static TWorld world;
    return world;
}

void BM_FindCityRecId(benchmark::State& state) {
    const TCityLoader& cities = *World().Cities;
    const QStringList texts = World().Texts(static_cast<int>(state.range(0)));
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cities.FindCityRecId(texts[i]));
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(BM_FindCityRecId)->Arg(1)->Arg(3)->Arg(8)->Unit(benchmark::kMicrosecond);

void BM_ScanCityLookupList(benchmark::State& state) {
    const TCityLookupList& list = World().Cities->LookupList();
    const QStringList texts = World().Texts(static_cast<int>(state.range(0)));
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.ScanFirst(texts[i]));
        i = (i + 1) % texts.size();
    }
}
BENCHMARK(BM_ScanCityLookupList)->Arg(1)->Arg(3)->Arg(8)->Unit(benchmark::kMicrosecond);

void BM_LoadExtendedCities(benchmark::State& state) {
    QTemporaryDir home;
    const TProgramFolders folders = TProgramFolders::Resolve(home.path());
    double heldMiB = 0;
    for (auto _ : state) {
        const double before = ResidentMiB();
        TCityLoader cities(folders, 1);
        benchmark::DoNotOptimize(cities.Table().RowCount());
        heldMiB = std::max(heldMiB, ResidentMiB() - before);
    }
    state.counters["rss_mib"] = heldMiB;
}
BENCHMARK(BM_LoadExtendedCities)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
