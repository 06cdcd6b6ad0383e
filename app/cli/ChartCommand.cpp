#include "ChartCommand.h"

#include "ChartOptions.h"
#include "ChartReport.h"
#include "CliSettings.h"
#include "CliZones.h"
#include "calc/AspectOrbProvider.h"
#include "calc/SWECalculator.h"
#include "calc/SWESession.h"
#include "core/CalcResult.h"
#include "core/Messages.h"
#include "core/PlanetConstInfoProvider.h"
#include "core/SegedUtils.h"
#include "core/SzuletesiKepletInfo.h"
#include "core/VelkarisError.h"
#include "core/ZentavoConsts.h"
#include "data/DataSetInfoProvider.h"
#include "data/ProgramFolders.h"
#include "data/SzuletesiKepletAdatokINIFileLoader.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace velkaris {

int RunChartCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                    QTextStream& err) {
    const auto parsed = ParseChartOptions(args);
    if (const auto* error = std::get_if<QString>(&parsed)) {
        err << "velkaris-cli chart: " << *error << "\n";
        return 2;
    }
    const TChartOptions& options = std::get<TChartOptions>(parsed);
    try {
        std::unique_ptr<TSzuletesiKepletInfo> birth;
        if (options.ChartFile.isEmpty()) {
            birth = std::make_unique<TSzuletesiKepletInfo>();
            options.FillRecord(*birth);
        } else {
            if (!QFileInfo(options.ChartFile).isFile()) {
                err << "velkaris-cli chart: no such chart file: " << options.ChartFile << "\n";
                return 1;
            }
            TSzuletesiKepletAdatokINIFileLoader loader(folders.Home(), nullptr);
            birth = loader.LoadChartFile(options.ChartFile, false);
            if (!birth) {
                err << "velkaris-cli chart: " << GetMessageText(u"uZentavoMain_LoadSzulKepletError")
                    << " " << options.ChartFile << "\n";
                return 1;
            }
        }
        TCliSettings settings(folders);
        settings.Override(options.HouseSystem, options.Zodiac);
        const TSWESession session(folders.EphemerisPath());
        TAspectOrbProvider orbs;
        orbs.LoadRows(settings.Provider());
        const auto zones = ZoneProviderFor(*birth, folders);
        TSWECalculator calculator(zones.get(), &orbs, &settings.Provider());
        TCalcResult result;
        result.SetChartKind(ChartKind::Natal);
        calculator.SetResult(&result);
        calculator.Calculate(birth.get());
        const double jdUT = calculator.JulianDayUT();
        const TSWEPlanetNames libraryNames;
        const TPlanetConstInfoProvider names(nullptr, &libraryNames);
        if (options.Json)
            out << QJsonDocument(ChartResultJson(result, jdUT, names))
                       .toJson(QJsonDocument::Compact)
                << "\n";
        else
            WriteChartText(out, result, jdUT, names);
        out.flush();
        return 0;
    } catch (const EVelkarisError& e) {
        err << "velkaris-cli chart: " << e.UserText() << "\n";
        return 1;
    }
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
