#include "ChartCommand.h"

#include "ChartOptions.h"
#include "CliSettings.h"
#include "calc/SWECalculator.h"
#include "calc/SWESession.h"
#include "core/CalcResult.h"
#include "core/Messages.h"
#include "core/PlanetConstInfoProvider.h"
#include "core/SegedUtils.h"
#include "core/SzuletesiKepletInfo.h"
#include "core/VelkarisError.h"
#include "core/ZentavoConsts.h"
#include "data/ProgramFolders.h"
#include "data/SzuletesiKepletAdatokINIFileLoader.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace velkaris {

namespace {

QString SiderealTimeText(const TDateTime& t) {
    return QStringLiteral("%1:%2")
        .arg(t.Hour(), 2, 10, QLatin1Char('0'))
        .arg(t.Minute(), 2, 10, QLatin1Char('0'));
}

QJsonObject ResultToJson(const TCalcResult& r, double jdUT, const TPlanetConstInfoProvider& names) {
    QJsonArray bodies;
    r.Planets.ForEach([&](const TPlanet& p) {
        bodies.append(QJsonObject{{QStringLiteral("id"), p.BodyId},
                                  {QStringLiteral("name"), names.DisplayName(p.BodyId)},
                                  {QStringLiteral("lon"), p.Longitude},
                                  {QStringLiteral("speed"), p.Speed},
                                  {QStringLiteral("house"), p.House},
                                  {QStringLiteral("in_closed_sign"), p.InClosedSign},
                                  {QStringLiteral("closed_sign"), p.ClosedSign}});
    });
    QJsonArray cusps;
    for (int n = 0; n <= 12; ++n)
        cusps.append(r.Houses.LongitudeOf(n));
    QJsonArray axes;
    for (int id = 0; id < AxisId::Count; ++id) {
        const TAxis* a = r.Axes.Find(id);
        axes.append(a ? a->Longitude : 0.0);
    }
    return QJsonObject{{QStringLiteral("ut"), r.UniversalTime.ToIsoString()},
                       {QStringLiteral("jd_ut"), jdUT},
                       {QStringLiteral("ayanamsa"), r.Ayanamsa},
                       {QStringLiteral("obliquity"), r.Obliquity},
                       {QStringLiteral("sidereal_time"), SiderealTimeText(r.SiderealTime)},
                       {QStringLiteral("bodies"), bodies},
                       {QStringLiteral("cusps"), cusps},
                       {QStringLiteral("axes"), axes}};
}

QString PositionText(double longitude) {
    return QStringLiteral("%1 %2")
        .arg(FormatAngle(true, DegreesInSign(longitude)), -10)
        .arg(ZodiacSign(SignIndexOf(longitude)).Name());
}

void WriteText(QTextStream& out, const TCalcResult& r, double jdUT,
               const TPlanetConstInfoProvider& names) {
    out << QStringLiteral("UT             %1\n").arg(r.UniversalTime.ToIsoString());
    out << QStringLiteral("JD (UT)        %1\n").arg(jdUT, 0, 'f', 6);
    out << QStringLiteral("Ayanamsa       %1\n").arg(r.Ayanamsa, 0, 'f', 7);
    out << QStringLiteral("Obliquity      %1\n").arg(r.Obliquity, 0, 'f', 7);
    out << QStringLiteral("Sidereal time  %1\n\n").arg(SiderealTimeText(r.SiderealTime));
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg(QStringLiteral("id"), 7)
               .arg(QStringLiteral("body"), -26)
               .arg(QStringLiteral("longitude"), 12)
               .arg(QStringLiteral("position"), -22)
               .arg(QStringLiteral("speed"), 11)
               .arg(QStringLiteral("house"));
    r.Planets.ForEach([&](const TPlanet& p) {
        QString closed;
        if (p.InClosedSign)
            closed = QStringLiteral("  closed sign: %1").arg(ZodiacSign(p.ClosedSign).Name());
        out << QStringLiteral("%1 %2 %3 %4 %5 %6%7%8\n")
                   .arg(p.BodyId, 7)
                   .arg(names.DisplayName(p.BodyId), -26)
                   .arg(p.Longitude, 12, 'f', 7)
                   .arg(PositionText(p.Longitude), -22)
                   .arg(p.Speed, 11, 'f', 7)
                   .arg(p.House, 5)
                   .arg(p.IsRetrograde() ? QStringLiteral(" R") : QString())
                   .arg(closed);
    });
    out << QStringLiteral("\nHouse cusps\n");
    for (int n = 1; n <= 12; ++n) {
        const double lon = r.Houses.LongitudeOf(n);
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(HouseWheelLabel(n), 7)
                   .arg(HouseName(n), -26)
                   .arg(lon, 12, 'f', 7)
                   .arg(PositionText(lon));
    }
    out << QStringLiteral("\nAxes\n");
    for (const TAxisConstInfo& info : AxisTable()) {
        const TAxis* a = r.Axes.Find(info.AxisId);
        if (!a || info.AxisId == AxisId::CountPlaceholder)
            continue;
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(AxisShortName(info), 7)
                   .arg(AxisLongName(info), -26)
                   .arg(a->Longitude, 12, 'f', 7)
                   .arg(PositionText(a->Longitude));
    }
}

} // namespace

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
        TSWECalculator calculator(nullptr, nullptr, &settings.Provider());
        TCalcResult result;
        result.SetChartKind(ChartKind::Natal);
        calculator.SetResult(&result);
        calculator.Calculate(birth.get());
        const double jdUT = calculator.JulianDayUT();
        const TSWEPlanetNames libraryNames;
        const TPlanetConstInfoProvider names(nullptr, &libraryNames);
        if (options.Json)
            out << QJsonDocument(ResultToJson(result, jdUT, names)).toJson(QJsonDocument::Compact)
                << "\n";
        else
            WriteText(out, result, jdUT, names);
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
