#include "RenderCommand.h"

#include "ChartOptions.h"
#include "ChartSource.h"
#include "CliSettings.h"
#include "calc/AspectOrbProvider.h"
#include "data/ProgramFolders.h"
#include "render/ChartFonts.h"
#include "render/ChartPicture.h"
#include "render/ImageCanvas.h"

#include <QImageWriter>
#include <QRegularExpression>

namespace velkaris {

namespace {

struct TRenderOptions {
    QString Output;
    /// A second chart file drawn as the outer ring.
    QString Second;
    int Width = 800;
    int Height = 800;
    bool Timing = false;
    QStringList ChartArgs;
};

std::variant<TRenderOptions, QString> ParseRenderOptions(const QStringList& args) {
    TRenderOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("-o") || arg == QLatin1String("--size") ||
            arg == QLatin1String("--second")) {
            if (i + 1 >= args.size())
                return arg + QStringLiteral(" needs a value");
            const QString value = args.at(++i);
            if (arg == QLatin1String("-o")) {
                options.Output = value;
                continue;
            }
            if (arg == QLatin1String("--second")) {
                options.Second = value;
                continue;
            }
            static const QRegularExpression size(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
            const auto match = size.match(value);
            if (!match.hasMatch())
                return QStringLiteral("--size wants WIDTHxHEIGHT in pixels, e.g. 800x800");
            options.Width = match.captured(1).toInt();
            options.Height = match.captured(2).toInt();
            if (options.Width < 100 || options.Height < 100 ||
                options.Width > TImageCanvas::MaxSide || options.Height > TImageCanvas::MaxSide)
                return QStringLiteral("--size wants each side between 100 and %1 pixels")
                    .arg(TImageCanvas::MaxSide);
        } else if (arg == QLatin1String("--timing")) {
            options.Timing = true;
        } else if (arg == QLatin1String("--json")) {
            return QStringLiteral("--json is an option of chart, not of render");
        } else {
            options.ChartArgs << arg;
        }
    }
    if (options.Output.isEmpty())
        return QStringLiteral("-o OUT.png is missing");
    return options;
}

} // namespace

int RunRenderCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                     QTextStream& err) {
    const auto parsedRender = ParseRenderOptions(args);
    if (const auto* error = std::get_if<QString>(&parsedRender)) {
        err << "velkaris-cli render: " << *error << "\n";
        return 2;
    }
    const TRenderOptions& options = std::get<TRenderOptions>(parsedRender);
    const auto parsedChart = ParseChartOptions(options.ChartArgs);
    if (const auto* error = std::get_if<QString>(&parsedChart)) {
        err << "velkaris-cli render: " << *error << "\n";
        return 2;
    }
    const TChartOptions& chartOptions = std::get<TChartOptions>(parsedChart);

    if (const auto failed = RegisterChartFonts(SymbolFontFile(folders.Shipped()))) {
        err << "velkaris-cli render: " << *failed << "\n";
        return 1;
    }
    TCliSettings settings(folders);
    settings.Override(chartOptions.HouseSystem, chartOptions.Zodiac);
    const auto calculated = CalculateChart(chartOptions, folders, settings);
    if (const auto* error = std::get_if<QString>(&calculated)) {
        err << "velkaris-cli render: " << *error << "\n";
        return 1;
    }
    const TCalculatedChart& chart = *std::get<std::unique_ptr<TCalculatedChart>>(calculated);
    std::unique_ptr<TCalculatedChart> second;
    if (!options.Second.isEmpty()) {
        TChartOptions secondOptions;
        secondOptions.ChartFile = options.Second;
        auto other = CalculateChart(secondOptions, folders, settings);
        if (const auto* error = std::get_if<QString>(&other)) {
            err << "velkaris-cli render: " << *error << "\n";
            return 1;
        }
        second = std::move(std::get<std::unique_ptr<TCalculatedChart>>(other));
        second->Result.SetChartKind(ChartKind::SynastryPartner);
    }

    TAspectOrbProvider orbs;
    orbs.LoadRows(settings.Provider());
    TChartPictureRequest request;
    request.Charts = {&chart.Result};
    if (second)
        request.Charts.push_back(&second->Result);
    request.Width = options.Width;
    request.Height = options.Height;
    if (options.Timing)
        request.TimingLog = [&err](const QString& line) { err << line << "\n"; };
    const QImage picture = DrawChartPicture(request, settings.Provider(), &orbs);
    if (picture.isNull()) {
        err << "velkaris-cli render: a picture of " << options.Width << " x " << options.Height
            << " pixels cannot be made\n";
        return 1;
    }

    QImageWriter writer(options.Output, "png");
    if (!writer.write(picture)) {
        err << "velkaris-cli render: " << options.Output
            << " cannot be written: " << writer.errorString() << "\n";
        return 1;
    }
    out << options.Output << "\n";
    out.flush();
    return 0;
}

} // namespace velkaris
