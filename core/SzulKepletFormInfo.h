#pragma once

#include "CalcResult.h"
#include "SzuletesiKepletInfo.h"

#include <memory>

namespace velkaris {

/// One chart shown by a chart window: its record, its result and the kind it is shown as.
/// The record may be shared with the other tabs one command opened.
class TSzulKepletFormInfo {
public:
    std::unique_ptr<TCalcResult> Result = std::make_unique<TCalcResult>();
    quint8 ChartKind = ChartKind::Natal;
    std::shared_ptr<TSzuletesiKepletInfo> Birth;
};

} // namespace velkaris
