#pragma once

#include "OwningList.h"
#include "Planet.h"

namespace velkaris {

/// Body categories of `TPlanetList::CountByCategory`.
enum class TBodyCategory { Planet, FixedStar };

/// The bodies of a chart, fixed stars included.
class TPlanetList : public TOwningList<TPlanet> {
public:
    /// Finds the body `id` or appends a new one, sets its position and speed and resets
    /// its closed-sign and ego-state marks. A north node (10, 11) also updates its south
    /// twin (24, 25) at the opposite longitude with the same speed.
    TPlanet& AddOrUpdate(int id, double longitude, double speed);
    /// The first body with `id`; null when there is none.
    TPlanet* Find(int id) const;
    bool Contains(int id) const { return Find(id) != nullptr; }
    void Remove(int id);
    /// How many bodies fall in `category` (fixed stars are the ids above 10 000 000);
    /// with `onlyShownAspects`, only those that take part in a shown aspect.
    int CountByCategory(TBodyCategory category, bool onlyShownAspects = false) const;

private:
    TPlanet& AddOrUpdateOne(int id, double longitude, double speed);
};

} // namespace velkaris
