// A full redraw of the chart wheel at 1000 x 1000 pixels, as a chart window does on every
// resize: the controller and its glyph elements live on between redraws, and the elements
// are put over the picture as the chart view shows them.

#include "BenchBirth.h"
#include "calc/AspectOrbProvider.h"
#include "calc/SWECalculator.h"
#include "calc/SWESession.h"
#include "core/CalcResult.h"
#include "core/SzuletesiKepletInfo.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsKeys.h"
#include "data/SettingsProvider.h"
#include "render/ChartFonts.h"
#include "render/DrawController.h"
#include "render/ElementCompositor.h"
#include "render/ImageCanvas.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace velkaris;
namespace S = SettingsSection;
namespace K = SettingsKey;

/// Every display option on: degrees, status letters, house lords, the rulers beside the
/// signs, all tick bands, the cusp degrees, the nodes and the minor bodies, every aspect
/// with its glyph, every axis point, the ego-state markers.
void SwitchEverythingOn(TSettingsINIFileLoader& store) {
    store.RestoreDefaults();
    for (const auto& key :
         {K::PLANETDEG, K::RETROGADE, K::STACIONER, K::FERALIS, K::HOUSELORDS, K::SELFMARKERS})
        store.WriteBool(S::chkbEgyebMegjelenitesek, key, true);
    store.WriteBool(S::chkbZodiakusJelek, K::KELL_E_ANALOG, true);
    for (const auto& key :
         {K::OUTERZODIACDEG, K::INNERZODIACDEG, K::INNERASPECTDEG, K::HOUSEDEG, K::ZODIACDEGKULON})
        store.WriteBool(S::chkbFokjelolok, key, true);
    for (const auto& key : {K::FELSZ_NODE, K::LESZ_NODE}) {
        store.WriteBool(S::chkbHoldcsomo, key, true);
        store.WriteBool(S::chkbFenyszogeltCsompontok, key, true);
    }
    store.WriteBool(S::chkbKisBolygok, K::KELL_E_MEGJELENITES, true);
    for (size_t k : {0, 1, 2, 3, 4, 5, 7})
        store.WriteBool(S::chkbKisBolygok, K::MinorBodies[k].Key, true);
    for (const auto& key : K::AspectSwitches) {
        store.WriteBool(S::chkbFenyszogek, key, true);
        store.WriteBool(S::chkbFenyszogJelek, key, true);
    }
    for (const auto& key : K::Axes)
        store.WriteBool(S::chkbTengelyek, key, true);
}

/// One chart, or a natal chart with a transit as its outer ring (range 2), redrawn at
/// 1000 x 1000 pixels with every option on.
void BM_RedrawWheel1000(benchmark::State& state) {
    TSettingsINIFileLoader store;
    SwitchEverythingOn(store);
    const TSettingsProvider settings(store);
    TAspectOrbProvider orbs;
    orbs.LoadRows(settings);
    TSWECalculator calculator(nullptr, &orbs, &settings);
    TCalcResult natal, transit;
    TSzuletesiKepletInfo birth, now;
    bench::FillBudapestBirth(birth, 1975, 6, 15, 8, 30);
    bench::FillBudapestBirth(now, 2026, 12, 10, 12, 30);
    natal.SetChartKind(ChartKind::Natal);
    calculator.SetResult(&natal);
    calculator.Calculate(&birth);
    transit.SetChartKind(ChartKind::Transit);
    calculator.SetResult(&transit);
    calculator.Calculate(&now);

    TImageCanvas canvas(1000, 1000);
    TNatalChartDrawer drawer(canvas, -1, -1, false, settings, &orbs);
    drawer.AddChart(&natal, false);
    if (state.range(0) == 2)
        drawer.AddChart(&transit, false);
    drawer.ReDrawCalculatedResults(true);
    for (auto _ : state) {
        drawer.ReDrawCalculatedResults(true);
        QImage shown = canvas.Image().copy();
        PaintElementsOver(shown, drawer);
        benchmark::DoNotOptimize(shown.constBits());
    }
    int elements = 0;
    drawer.ForEachElement([&](const TBaseGraphicControl& e) { elements += e.Visible; });
    state.counters["elements"] = elements;
    state.counters["aspects"] = natal.Aspects.Count();
}
BENCHMARK(BM_RedrawWheel1000)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    QGuiApplication app(appArgc, argv);
    if (const auto failed = velkaris::RegisterChartFonts(
            QStringLiteral(VELKARIS_SOURCE_SHARE_DIR "/fonts/VelkarisWIN.ttf"))) {
        fprintf(stderr, "%s\n", qPrintable(*failed));
        return 1;
    }
    const velkaris::TSWESession session(QStringLiteral("/usr/share/libswe/ephe"));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
