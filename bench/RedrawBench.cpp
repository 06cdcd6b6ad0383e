// A full redraw of the chart wheel at 1000 x 1000 pixels, as a chart window does on every
// resize: the controller and its glyph elements live on between redraws, and the elements
// are put over the picture as the chart view shows them.

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

void FillBudapest(TSzuletesiKepletInfo& birth) {
    birth.SetLoading(true);
    birth.SetDateParts(1975, 6, 15, 8, 30, 0);
    birth.SetLocLatDegree(47);
    birth.SetLocLatMinute(30);
    birth.SetLocLongDegree(19);
    birth.SetLocLongMinute(3);
    birth.SetTZCodeIsManual(true);
    birth.SetTZoneHour(1);
    birth.SetTZoneMinute(0);
    birth.SetLoading(false);
}

/// Every option of the frame on: the rulers beside the signs, all tick bands, the cusp
/// degrees, aspect lines up to the bodies.
void SwitchEverythingOn(TSettingsINIFileLoader& store) {
    store.RestoreDefaults();
    store.WriteBool(S::chkbZodiakusJelek, K::KELL_E_ANALOG, true);
    for (const auto& key :
         {K::OUTERZODIACDEG, K::INNERZODIACDEG, K::INNERASPECTDEG, K::HOUSEDEG, K::ZODIACDEGKULON})
        store.WriteBool(S::chkbFokjelolok, key, true);
    store.WriteBool(S::chkbFenyszogVonalak, K::FSZVONALPLANETAIG, true);
}

void BM_RedrawNatalWheel1000(benchmark::State& state) {
    TSettingsINIFileLoader store;
    SwitchEverythingOn(store);
    const TSettingsProvider settings(store);
    TAspectOrbProvider orbs;
    orbs.LoadRows(settings);
    TSzuletesiKepletInfo birth;
    FillBudapest(birth);
    TSWECalculator calculator(nullptr, &orbs, &settings);
    TCalcResult result;
    result.SetChartKind(ChartKind::Natal);
    calculator.SetResult(&result);
    calculator.Calculate(&birth);

    TImageCanvas canvas(1000, 1000);
    TNatalChartDrawer drawer(canvas, -1, -1, false, settings, &orbs);
    drawer.AddChart(&result, true);
    for (auto _ : state) {
        drawer.ReDrawCalculatedResults(true);
        QImage shown = canvas.Image().copy();
        PaintElementsOver(shown, drawer);
        benchmark::DoNotOptimize(shown.constBits());
    }
    int elements = 0;
    drawer.ForEachElement([&](const TBaseGraphicControl&) { ++elements; });
    state.counters["elements"] = elements;
}
BENCHMARK(BM_RedrawNatalWheel1000)->Unit(benchmark::kMillisecond);

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
