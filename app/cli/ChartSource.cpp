#include "ChartSource.h"

#include "ChartOptions.h"
#include "CliSettings.h"
#include "CliZones.h"
#include "calc/AspectOrbProvider.h"
#include "calc/SWECalculator.h"
#include "calc/SWESession.h"
#include "core/Messages.h"
#include "core/VelkarisError.h"
#include "data/DataSetInfoProvider.h"
#include "data/ProgramFolders.h"
#include "data/SzuletesiKepletAdatokINIFileLoader.h"

#include <QFileInfo>

namespace velkaris {

std::variant<std::unique_ptr<TCalculatedChart>, QString>
CalculateChart(const TChartOptions& options, const TProgramFolders& folders,
               const TCliSettings& settings) {
    auto chart = std::make_unique<TCalculatedChart>();
    if (options.ChartFile.isEmpty()) {
        chart->Birth = std::make_unique<TSzuletesiKepletInfo>();
        options.FillRecord(*chart->Birth);
    } else {
        if (!QFileInfo(options.ChartFile).isFile())
            return QStringLiteral("no such chart file: ") + options.ChartFile;
        TSzuletesiKepletAdatokINIFileLoader loader(folders.Home(), nullptr);
        try {
            chart->Birth = loader.LoadChartFile(options.ChartFile, false);
        } catch (const EVelkarisError& e) {
            return e.UserText() + QLatin1Char(' ') + options.ChartFile;
        }
        if (!chart->Birth)
            return GetMessageText(u"uZentavoMain_LoadSzulKepletError") + QLatin1Char(' ') +
                   options.ChartFile;
    }
    try {
        const TSWESession session(folders.EphemerisPath());
        TAspectOrbProvider orbs;
        orbs.LoadRows(settings.Provider());
        const auto zones = ZoneProviderFor(*chart->Birth, folders);
        TSWECalculator calculator(zones.get(), &orbs, &settings.Provider());
        chart->Result.SetChartKind(ChartKind::Natal);
        calculator.SetResult(&chart->Result);
        calculator.Calculate(chart->Birth.get());
        chart->JulianDayUT = calculator.JulianDayUT();
    } catch (const EVelkarisError& e) {
        return e.UserText();
    }
    return chart;
}

} // namespace velkaris
