#include "ChartCommand.h"
#include "core/LangManager.h"
#include "data/ProgramFolders.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

using namespace velkaris;

namespace {

const char* const Usage =
    "Usage: velkaris-cli [--home DIR] [--lang FILE] COMMAND [OPTIONS]\n"
    "\n"
    "  --home DIR   the home folder (charts, settings, data)\n"
    "  --lang FILE  a language file (*.lng) for the texts of this run\n"
    "\n"
    "Commands:\n"
    "  chart --date YYYY-MM-DD --time hh:mm[:ss] --zone +hh:mm|-hh:mm|LMT\n"
    "        --lat 47N30 --lon 19E03 [--bc] [--house P] [--zodiac T|S] [--json]\n"
    "  chart FILE.szk [--house P] [--zodiac T|S] [--json]\n"
    "        Calculates a chart with the home folder's settings and prints bodies,\n"
    "        house cusps and axes.\n"
    "  settings restore-defaults\n"
    "        Writes the default settings to <home>/data/settings.ini.\n";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velkaris"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = QCoreApplication::arguments().mid(1);
    QString home, languageFile;
    for (const auto& [option, value] : {std::pair{"--home", &home}, {"--lang", &languageFile}}) {
        const qsizetype at = args.indexOf(QLatin1String(option));
        if (at < 0)
            continue;
        if (at + 1 >= args.size()) {
            err << "velkaris-cli: " << option << " needs a value\n";
            return 2;
        }
        *value = args.at(at + 1);
        args.remove(at, 2);
    }
    if (!languageFile.isEmpty()) {
        LangManager& lang = LangManager::Instance();
        const auto id = lang.RegisterLanguageFile(languageFile);
        if (!id) {
            err << "velkaris-cli: " << languageFile
                << " is not a language file of its own language (it needs a LANGID other "
                   "than 1033)\n";
            return 2;
        }
        if (const auto error = lang.SelectLanguage(*id)) {
            err << "velkaris-cli: " << languageFile << ": " << *error << "\n";
            return 2;
        }
    }
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        (args.isEmpty() ? err : out) << Usage;
        return args.isEmpty() ? 2 : 0;
    }
    const TProgramFolders folders = TProgramFolders::Resolve(home);
    const QString command = args.takeFirst();
    if (command == QLatin1String("chart"))
        return RunChartCommand(args, folders, out, err);
    if (command == QLatin1String("settings"))
        return RunSettingsCommand(args, folders, out, err);
    err << "velkaris-cli: unknown command \"" << command << "\"\n" << Usage;
    return 2;
}
