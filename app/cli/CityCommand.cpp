#include "CityCommand.h"

#include "data/CityLoader.h"
#include "data/ProgramFolders.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace velkaris {

namespace {

struct TCityOptions {
    QString Text;
    bool Extended = false;
    bool Json = false;
};

std::variant<TCityOptions, QString> ParseCityOptions(const QStringList& args) {
    TCityOptions options;
    bool haveText = false;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--extended")) {
            options.Extended = true;
        } else if (arg == QLatin1String("--json")) {
            options.Json = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option ") + arg;
        } else if (haveText) {
            return QStringLiteral("give the place as one argument, in quotes: \"Budapest; H\"");
        } else {
            options.Text = arg;
            haveText = true;
        }
    }
    if (!haveText)
        return QStringLiteral("the place text is missing, e.g. city \"Budapest; H\"");
    return options;
}

} // namespace

int RunCityCommand(const QStringList& args, const TProgramFolders& folders, QTextStream& out,
                   QTextStream& err) {
    const auto parsed = ParseCityOptions(args);
    if (const auto* error = std::get_if<QString>(&parsed)) {
        err << "velkaris-cli city: " << *error << "\n";
        return 2;
    }
    const TCityOptions& options = std::get<TCityOptions>(parsed);
    TCityLoader cities(folders, options.Extended ? 1 : 0);
    // A damaged file keeps the rows before the damage: they are still searched.
    if (cities.LoadError())
        err << "velkaris-cli city: " << *cities.LoadError() << "\n";
    if (cities.Table().IsEmpty()) {
        err << "velkaris-cli city: the city table is empty or missing\n";
        return 1;
    }
    if (!cities.LocatePlace(options.Text)) {
        err << "velkaris-cli city: no place found for \"" << options.Text << "\"\n";
        return 1;
    }
    const TDataTable& table = cities.Table();
    const QString name = table.Text(u"CityName");
    const QString country = table.Text(u"CountryCode");
    const QString zone = table.Text(u"TimeZoneCode");
    if (options.Json) {
        QJsonObject row{{QStringLiteral("name"), name},
                        {QStringLiteral("country"), country},
                        {QStringLiteral("lon"), table.Integer(u"Longitude")},
                        {QStringLiteral("lat"), table.Integer(u"Latitude")},
                        {QStringLiteral("zone"), zone}};
        out << QJsonDocument(row).toJson(QJsonDocument::Compact) << "\n";
        return 0;
    }
    out << "name     " << name << "\n"
        << "country  " << country << "\n"
        << "lon      " << table.Text(u"Longitude") << "  ("
        << TCityLoader::CoordinateDisplayText(
               table.ValueAt(table.CurrentIndex(), table.ColumnIndex(u"Longitude")))
        << ")\n"
        << "lat      " << table.Text(u"Latitude") << "  ("
        << TCityLoader::CoordinateDisplayText(
               table.ValueAt(table.CurrentIndex(), table.ColumnIndex(u"Latitude")))
        << ")\n"
        << "zone     " << zone << "\n";
    return 0;
}

} // namespace velkaris
