// Cost of opening chart files: BM_LoadChartFiles reads 1,000 chart files (each with its
// notes file look-up) from a folder written once before the runs. The figure to quote is
// items_per_second, chart files opened per second.

#include "core/SzuletesiKepletInfo.h"
#include "data/SzuletesiKepletAdatokINIFileLoader.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

using namespace velkaris;

constexpr int FileCount = 1000;

void FillChart(TSzuletesiKepletInfo& r, int index) {
    r.SetName(QStringLiteral("Kovács Éva %1").arg(index));
    r.SetGender(index % 3);
    r.SetDateParts(1900 + index % 120, 1 + index % 12, 1 + index % 28, index % 24, index % 60, 0);
    r.SetTZoneCode(QStringLiteral("CET"));
    r.SetTZoneHour(1);
    r.SetTZoneMinute(0);
    r.SetLocCity(QStringLiteral("Győr"));
    r.SetLocCountry(QStringLiteral("Magyarország"));
    r.SetLocCountryID(QStringLiteral("HU"));
    r.SetLocLongDegree(17);
    r.SetLocLongMinute(38);
    r.SetLocLongSecond(0);
    r.SetLocLatDegree(47);
    r.SetLocLatMinute(41);
    r.SetLocLatSecond(0);
    r.SetTags({QStringLiteral("család"), QStringLiteral("ügyfél")});
    r.SetNotes({QStringLiteral("Első találkozás: 2001. őszén"), QStringLiteral("Asc = Skorpió?")});
    r.SetPictureFilename(QStringLiteral("hors\\images\\kovacs.jpg"));
    r.SetFileVersionId(TSzuletesiKepletAdatokINIFileLoader::CurrentFileVersionId);
    r.SetAttachments({QStringLiteral("hors\\docs\\level.rtf")});
}

/// A home folder holding the chart files, written once for every run.
class TChartFolder {
public:
    TChartFolder() {
        if (!m_Home.isValid() || !QDir().mkpath(m_Home.filePath(QStringLiteral("hors/docs"))))
            std::abort();
        const TSzuletesiKepletAdatokINIFileLoader loader(m_Home.path(), nullptr);
        for (int i = 0; i < FileCount; ++i) {
            TSzuletesiKepletInfo chart;
            FillChart(chart, i);
            m_Paths << loader.SaveChartFile(
                chart,
                m_Home.filePath(QStringLiteral("hors/chart%1").arg(i, 4, 10, QLatin1Char('0'))));
        }
    }
    QString Home() const { return m_Home.path(); }
    const QStringList& Paths() const { return m_Paths; }

private:
    QTemporaryDir m_Home;
    QStringList m_Paths;
};

void BM_LoadChartFiles(benchmark::State& state) {
    static const TChartFolder Folder;
    const TSzuletesiKepletAdatokINIFileLoader loader(Folder.Home(), nullptr);
    for (auto _ : state) {
        for (const QString& path : Folder.Paths()) {
            auto chart = loader.LoadChartFile(path, false);
            benchmark::DoNotOptimize(chart);
        }
    }
    state.SetItemsProcessed(state.iterations() * FileCount);
}
BENCHMARK(BM_LoadChartFiles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
