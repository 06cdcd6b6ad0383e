#include "SelfMarkerList.h"

#include <algorithm>

namespace velkaris {

bool TSelfMarkerList::AddCopy(const TPlanet& body) {
    if (ContainsBody(body.BodyId))
        return false;
    m_Items.emplace_back(body);
    return true;
}

void TSelfMarkerList::AddCopy(const THouseCusp& cusp) {
    m_Items.emplace_back(cusp);
}

void TSelfMarkerList::AddCopy(const TZodiacSignForSelfMarkers& sign) {
    m_Items.emplace_back(sign);
}

const TSelfMarker* TSelfMarkerList::At(int index) const {
    return index >= 0 && index < Count() ? &m_Items[static_cast<size_t>(index)] : nullptr;
}

bool TSelfMarkerList::ContainsBody(int bodyId) const {
    return std::any_of(m_Items.cbegin(), m_Items.cend(), [bodyId](const TSelfMarker& m) {
        const auto* body = std::get_if<TPlanet>(&m);
        return body && body->BodyId == bodyId;
    });
}

} // namespace velkaris
