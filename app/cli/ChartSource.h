#pragma once

#include "core/CalcResult.h"
#include "core/SzuletesiKepletInfo.h"

#include <QString>
#include <memory>
#include <variant>

namespace velkaris {

class TCliSettings;
class TProgramFolders;
struct TChartOptions;

/// A birth record with its calculated natal chart.
struct TCalculatedChart {
    std::unique_ptr<TSzuletesiKepletInfo> Birth;
    TCalcResult Result;
    double JulianDayUT = 0;
};

/// The record the options name (their chart file, or their moment and place) with its
/// natal chart calculated with `settings`; the message to show when the file is missing
/// or unreadable or the calculation fails.
std::variant<std::unique_ptr<TCalculatedChart>, QString>
CalculateChart(const TChartOptions& options, const TProgramFolders& folders,
               const TCliSettings& settings);

} // namespace velkaris
