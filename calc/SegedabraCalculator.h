#pragma once

#include "SWECalculator.h"

namespace velkaris {

/// A short-lived calculator for one derived-chart operation, so that the calculator
/// shared by the chart windows is never disturbed.
class TSegedabraCalculator : public TSWECalculator {
public:
    using TSWECalculator::TSWECalculator;
};

} // namespace velkaris
