#include "ChartCommand.h"
#include "data/ProgramFolders.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

using namespace velkaris;

namespace {

const char* const Usage =
    "Usage: velkaris-cli [--home DIR] COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  chart --date YYYY-MM-DD --time hh:mm[:ss] --zone +hh:mm|-hh:mm|LMT\n"
    "        --lat 47N30 --lon 19E03 [--bc] [--house P] [--zodiac T|S] [--json]\n"
    "        Calculates a chart and prints bodies, house cusps and axes.\n";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velkaris"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = QCoreApplication::arguments().mid(1);
    QString home;
    const qsizetype homeAt = args.indexOf(QStringLiteral("--home"));
    if (homeAt >= 0) {
        if (homeAt + 1 >= args.size()) {
            err << "velkaris-cli: --home needs a folder\n";
            return 2;
        }
        home = args.at(homeAt + 1);
        args.remove(homeAt, 2);
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
    err << "velkaris-cli: unknown command \"" << command << "\"\n" << Usage;
    return 2;
}
