#pragma once

#include <QJsonObject>
#include <QTextStream>

namespace velkaris {

class TCalcResult;
class TPlanetConstInfoProvider;

/// The whole result of one chart as the JSON object of `velkaris-cli chart --json`.
QJsonObject ChartResultJson(const TCalcResult& result, double jdUT,
                            const TPlanetConstInfoProvider& names);

/// The whole result of one chart as readable text with Hungarian names.
void WriteChartText(QTextStream& out, const TCalcResult& result, double jdUT,
                    const TPlanetConstInfoProvider& names);

} // namespace velkaris
