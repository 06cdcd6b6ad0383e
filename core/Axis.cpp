#include "Axis.h"

#include "SegedUtils.h"

namespace velkaris {

int TAxis::SignIndex() const {
    return SignIndexOf(Longitude);
}

double TAxis::DegreesInSign() const {
    return velkaris::DegreesInSign(Longitude);
}

TAxis& TAxisList::AddOrUpdate(int axisId, double longitude) {
    TAxis* axis = Find(axisId);
    if (!axis)
        axis = &Append(std::make_unique<TAxis>());
    axis->AxisId = axisId;
    axis->Longitude = longitude;
    return *axis;
}

TAxis* TAxisList::Find(int axisId) const {
    return FindIf([axisId](const TAxis& a) { return a.AxisId == axisId; });
}

} // namespace velkaris
