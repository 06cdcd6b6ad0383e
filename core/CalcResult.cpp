#include "CalcResult.h"

namespace velkaris {

void TCalcResult::SetChartKind(quint8 kind) {
    ChartKind = kind;
    if (BaseChartKind == ChartKind::Unassigned)
        BaseChartKind = kind;
}

} // namespace velkaris
