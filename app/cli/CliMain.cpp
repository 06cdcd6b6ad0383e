#include "ChartCommand.h"
#include "CityCommand.h"
#include "RenderCommand.h"
#include "ZoneCommand.h"
#include "core/LangManager.h"
#include "data/ProgramFolders.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

using namespace velkaris;

namespace {

const char* const Usage =
    "Usage: velkaris-cli [--home DIR] [--lang FILE] COMMAND [OPTIONS]\n"
    "\n"
    "  --home DIR   the home folder (charts, settings, data)\n"
    "  --lang FILE  a language file (*.lng) for the texts of this run\n"
    "\n"
    "Commands:\n"
    "  chart --date YYYY-MM-DD --time hh:mm[:ss] --zone +hh:mm|-hh:mm|LMT|--country CODE\n"
    "        --lat 47N30 --lon 19E03 [--bc] [--house P] [--zodiac T|S] [--json]\n"
    "  chart FILE.szk [--house P] [--zodiac T|S] [--json]\n"
    "        Calculates a chart with the home folder's settings and prints bodies,\n"
    "        house cusps and axes.\n"
    "  render FILE.szk -o OUT.png [--size 800x800] [--second FILE.szk] [--house P]\n"
    "         [--zodiac T|S] [--timing]\n"
    "        Draws the chart's wheel as the chart window shows it into a PNG picture\n"
    "        (white background); --second draws another chart as its outer ring;\n"
    "        --timing prints the drawing steps' times.\n"
    "  zone --country CODE --local \"YYYY-MM-DD hh:mm\" [--lon DEG] [--json]\n"
    "        Prints the time zone in force in a country at a local clock moment.\n"
    "  city \"TEXT\" [--extended] [--json]\n"
    "        Prints the city row that a place text finds (\"Budapest; H\", or the\n"
    "        beginning of a name) in the small or, with --extended, the world table.\n"
    "  settings restore-defaults\n"
    "        Writes the default settings to <home>/data/settings.ini.\n";

} // namespace

namespace {

/// True when the command needs fonts and so a GUI application: the first argument that
/// is neither an option of the tool nor its value is "render".
bool NeedsGui(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--home" || arg == "--lang") {
            ++i;
            continue;
        }
        return arg == "render";
    }
    return false;
}

/// Passes Qt's messages on to standard error, except the note that a GUI application
/// without a session has no runtime folder: the tool only draws into images, so the
/// note says nothing to its user.
void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
    if (!NeedsGui(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    qInstallMessageHandler(FilterQtMessages);
    // Pictures are drawn into images, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const auto app = MakeApplication(argc, argv);
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
    if (command == QLatin1String("render"))
        return RunRenderCommand(args, folders, out, err);
    if (command == QLatin1String("zone"))
        return RunZoneCommand(args, folders, out, err);
    if (command == QLatin1String("city"))
        return RunCityCommand(args, folders, out, err);
    if (command == QLatin1String("settings"))
        return RunSettingsCommand(args, folders, out, err);
    err << "velkaris-cli: unknown command \"" << command << "\"\n" << Usage;
    return 2;
}
