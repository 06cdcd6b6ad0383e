#include "PlanetList.h"

#include "SegedUtils.h"
#include "ZentavoConsts.h"

namespace velkaris {

TPlanet& TPlanetList::AddOrUpdateOne(int id, double longitude, double speed) {
    TPlanet* body = Find(id);
    if (!body) {
        auto created = std::make_unique<TPlanet>();
        body = &Append(std::move(created));
    }
    body->BodyId = id;
    body->Longitude = longitude;
    body->Speed = speed;
    body->InClosedSign = false;
    body->ClosedSign = -1;
    body->IsSelfMarker = false;
    return *body;
}

TPlanet& TPlanetList::AddOrUpdate(int id, double longitude, double speed) {
    TPlanet& body = AddOrUpdateOne(id, longitude, speed);
    if (id == BodyId::MeanNode || id == BodyId::TrueNode) {
        const int south = id == BodyId::MeanNode ? BodyId::MeanSouthNode : BodyId::TrueSouthNode;
        AddOrUpdateOne(south, AddNormalized(longitude, 180), speed);
    }
    return body;
}

TPlanet* TPlanetList::Find(int id) const {
    return FindIf([id](const TPlanet& p) { return p.BodyId == id; });
}

void TPlanetList::Remove(int id) {
    RemoveIf([id](const TPlanet& p) { return p.BodyId == id; });
}

int TPlanetList::CountByCategory(TBodyCategory category, bool onlyShownAspects) const {
    int count = 0;
    ForEach([&](const TPlanet& p) {
        const TBodyCategory c =
            IsFixedStarId(p.BodyId) ? TBodyCategory::FixedStar : TBodyCategory::Planet;
        if (c == category && (!onlyShownAspects || p.HasShownAspect))
            ++count;
    });
    return count;
}

} // namespace velkaris
