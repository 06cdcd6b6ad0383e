// velkaris-chart-window: one chart window on its own, for trying a chart file out and for
// screenshots, until the main window holds the chart windows.

#include "ChartWindow.h"
#include "DesktopChartHost.h"
#include "calc/SWESession.h"
#include "core/Messages.h"
#include "core/VelkarisError.h"
#include "data/ProgramFolders.h"
#include "data/SzuletesiKepletAdatokINIFileLoader.h"
#include "render/ChartFonts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

using namespace velkaris;

namespace {

std::shared_ptr<TSzuletesiKepletInfo> ReadChart(const TProgramFolders& folders,
                                                const QString& file) {
    if (!QFileInfo(file).isFile()) {
        std::fprintf(stderr, "velkaris-chart-window: no such chart file: %s\n", qPrintable(file));
        return nullptr;
    }
    TSzuletesiKepletAdatokINIFileLoader loader(folders.Home(), nullptr);
    std::shared_ptr<TSzuletesiKepletInfo> record;
    try {
        record = loader.LoadChartFile(file, false);
    } catch (const EVelkarisError&) {
    }
    if (!record)
        std::fprintf(stderr, "velkaris-chart-window: %s %s\n",
                     qPrintable(GetMessageText(u"uZentavoMain_LoadSzulKepletError")),
                     qPrintable(file));
    return record;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velkaris"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows a chart file in a chart window."));
    parser.addHelpOption();
    const QCommandLineOption home(QStringLiteral("home"), QStringLiteral("The home folder."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption second(QStringLiteral("second"),
                                    QStringLiteral("A second chart shown with the first."),
                                    QStringLiteral("FILE.szk"));
    const QCommandLineOption shifted(QStringLiteral("shifted"),
                                     QStringLiteral("Two charts beside each other, not overlaid."));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Window size."),
                                  QStringLiteral("WxH"), QStringLiteral("1000x750"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the window to FILE.png and quit."),
        QStringLiteral("FILE.png"));
    parser.addOptions({home, second, shifted, size, screenshot});
    parser.addPositionalArgument(QStringLiteral("FILE.szk"), QStringLiteral("The chart file."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "%s", qPrintable(parser.helpText()));
        return 2;
    }

    const TProgramFolders folders = TProgramFolders::Resolve(parser.value(home));
    if (const auto failed = RegisterChartFonts(SymbolFontFile(folders.Shipped()))) {
        std::fprintf(stderr, "velkaris-chart-window: %s\n", qPrintable(*failed));
        return 1;
    }
    const TSWESession session(folders.EphemerisPath());
    TDesktopChartHost host(folders);

    auto first = ReadChart(folders, parser.positionalArguments().first());
    if (!first)
        return 1;
    std::shared_ptr<TSzuletesiKepletInfo> other;
    if (parser.isSet(second) && !(other = ReadChart(folders, parser.value(second))))
        return 1;

    std::vector<std::unique_ptr<TfrmBaseSzulKepletForm>> windows;
    auto open = [&](std::shared_ptr<TSzuletesiKepletInfo> record,
                    std::shared_ptr<TSzuletesiKepletInfo> partner) {
        auto window = std::make_unique<TfrmBaseSzulKepletForm>(host);
        window->setWindowTitle(record->Name().isEmpty() ? QStringLiteral("Születési képlet")
                                                        : record->Name());
        const QStringList wh = parser.value(size).split(QLatin1Char('x'));
        window->resize(wh.value(0).toInt() > 0 ? wh.value(0).toInt() : 1000,
                       wh.value(1).toInt() > 0 ? wh.value(1).toInt() : 750);
        window->show();
        QCoreApplication::processEvents();
        if (!window->LoadChart(record, ChartKind::Natal, !partner))
            return false;
        if (partner) {
            if (!window->LoadChart(partner, ChartKind::SynastryPartner, false))
                return false;
            window->SetDisplayMode(parser.isSet(shifted) ? 0 : 1);
        }
        windows.push_back(std::move(window));
        return true;
    };
    host.OnOpenChart = [&](std::shared_ptr<TSzuletesiKepletInfo> record) {
        open(std::move(record), nullptr);
    };
    if (!open(first, other))
        return 1;
    host.SetDialogParent(windows.front().get());

    if (parser.isSet(screenshot)) {
        QTimer::singleShot(300, &app, [&] {
            const bool saved = windows.front()->grab().save(parser.value(screenshot), "png");
            std::fprintf(saved ? stdout : stderr, "%s %s\n",
                         saved ? "wrote" : "velkaris-chart-window: cannot write",
                         qPrintable(parser.value(screenshot)));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
