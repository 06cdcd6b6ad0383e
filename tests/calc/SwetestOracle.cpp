#include "SwetestOracle.h"

#include <QProcess>
#include <QRegularExpression>

namespace velkaris::test {

std::optional<QString> RunSwetestRaw(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("SE_EPHE_PATH"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("swetest"),
                  QStringList{QStringLiteral("-edir%1").arg(QLatin1String(EphemerisFolder))} +
                      args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

std::optional<TSwetestOutput> RunSwetest(double jdUT, const QString& bodyLetters, double lon,
                                         double lat, char houseSystem, bool sidereal,
                                         bool moshier) {
    QStringList args{QStringLiteral("-bj%1").arg(jdUT, 0, 'f', 10),
                     QStringLiteral("-ut"),
                     QStringLiteral("-p%1").arg(bodyLetters),
                     QStringLiteral("-fPls"),
                     QStringLiteral("-head"),
                     QStringLiteral("-house%1,%2,%3")
                         .arg(lon, 0, 'f', 10)
                         .arg(lat, 0, 'f', 10)
                         .arg(QLatin1Char(houseSystem))};
    if (sidereal)
        args << QStringLiteral("-sid0");
    if (moshier)
        args << QStringLiteral("-emos");
    const auto text = RunSwetestRaw(args);
    if (!text)
        return std::nullopt;

    TSwetestOutput out;
    out.RawText = *text;
    // A line is a name followed by the longitude and the speed, both decimal.
    static const QRegularExpression lineRe(
        QStringLiteral("^(.*\\S)\\s+(-?\\d+\\.\\d+)\\s+(-?\\d+\\.\\d+)\\s*$"));
    std::vector<std::pair<QString, std::pair<double, double>>> rows;
    for (const QString& line : text->split(QLatin1Char('\n'))) {
        const auto m = lineRe.match(line);
        if (m.hasMatch())
            rows.push_back(
                {m.captured(1).trimmed(), {m.captured(2).toDouble(), m.captured(3).toDouble()}});
    }
    // Bodies come first, one row each, then 12 cusps and 8 axes. swetest reports a
    // missing ephemeris file once and prints zeros for every body it has no data for.
    size_t housesAt = 0;
    while (housesAt < rows.size() && !rows[housesAt].first.startsWith(QStringLiteral("house  1")))
        ++housesAt;
    if (housesAt + 20 > rows.size())
        return std::nullopt;
    for (size_t i = 0; i < housesAt; ++i) {
        const auto& value = rows[i].second;
        if (value.first == 0 && value.second == 0)
            out.Bodies.push_back(std::nullopt);
        else
            out.Bodies.push_back(value);
    }
    for (int i = 0; i < 12; ++i)
        out.Cusps.push_back(rows[housesAt + static_cast<size_t>(i)].second.first);
    for (int i = 0; i < 8; ++i)
        out.Axes.push_back(rows[housesAt + 12 + static_cast<size_t>(i)].second.first);
    return out;
}

} // namespace velkaris::test
