#include "ChartCommand.h"

#include "ChartOptions.h"
#include "ChartReport.h"
#include "ChartSource.h"
#include "CliSettings.h"
#include "calc/SWESession.h"
#include "core/Messages.h"
#include "core/PlanetConstInfoProvider.h"
#include "data/ProgramFolders.h"
#include "data/SettingsINIFileLoader.h"

#include <QJsonDocument>

namespace velkaris {

int RunChartCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                    QTextStream& err) {
    const auto parsed = ParseChartOptions(args);
    if (const auto* error = std::get_if<QString>(&parsed)) {
        err << "velkaris-cli chart: " << *error << "\n";
        return 2;
    }
    const TChartOptions& options = std::get<TChartOptions>(parsed);
    TCliSettings settings(folders);
    settings.Override(options.HouseSystem, options.Zodiac);
    const auto calculated = CalculateChart(options, folders, settings);
    if (const auto* error = std::get_if<QString>(&calculated)) {
        err << "velkaris-cli chart: " << *error << "\n";
        return 1;
    }
    const TCalculatedChart& chart = *std::get<std::unique_ptr<TCalculatedChart>>(calculated);
    const TSWEPlanetNames libraryNames;
    const TPlanetConstInfoProvider names(nullptr, &libraryNames);
    if (options.Json)
        out << QJsonDocument(ChartResultJson(chart.Result, chart.JulianDayUT, names))
                   .toJson(QJsonDocument::Compact)
            << "\n";
    else
        WriteChartText(out, chart.Result, chart.JulianDayUT, names);
    out.flush();
    return 0;
}

int RunSettingsCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                       QTextStream& err) {
    if (args != QStringList{QStringLiteral("restore-defaults")}) {
        err << "velkaris-cli settings: the only action is \"restore-defaults\"\n";
        return 2;
    }
    if (const auto failed = folders.EnsureHomeLayout()) {
        err << "velkaris-cli settings: cannot create " << *failed << "\n";
        return 1;
    }
    TSettingsINIFileLoader store(folders.Home(), nullptr, nullptr);
    const QString path = store.DefaultSettingsFile();
    // A damaged or foreign file is replaced too: that is what restoring is for.
    store.OpenStore(path);
    store.RestoreDefaults();
    if (store.FileName() != path || !store.SaveStore()) {
        err << "velkaris-cli settings: "
            << GetMessageText(u"uZentavoFileHandling_SaveSettingsError") << " " << path << "\n";
        return 1;
    }
    out << path << "\n";
    return 0;
}

} // namespace velkaris
