#pragma once

#include "OwningList.h"

namespace velkaris {

/// One axis point of a chart (ids of `AxisId`).
class TAxis {
public:
    int AxisId = 0;
    double Longitude = 0;

    int SignIndex() const;
    double DegreesInSign() const;
};

/// The axis points 0-8 of a chart.
class TAxisList : public TOwningList<TAxis> {
public:
    TAxis& AddOrUpdate(int axisId, double longitude);
    TAxis* Find(int axisId) const;
    bool Contains(int axisId) const { return Find(axisId) != nullptr; }
};

} // namespace velkaris
