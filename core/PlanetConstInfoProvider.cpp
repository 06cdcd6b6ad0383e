#include "PlanetConstInfoProvider.h"

#include "Messages.h"
#include "ZentavoConsts.h"

namespace velkaris {

namespace {

constexpr int StarSymbolLength = 10;

bool IsNamedAxis(int id) {
    return id == -1 || id == -2 || id == -4 || id == -5 || id == -7 || id == -8 ||
           id == AxisId::ImumCoeliBodyId;
}

} // namespace

QString TPlanetConstInfoProvider::SymbolText(int id) const {
    if (id == BodyId::Eris)
        return DisplayName(id);
    if (IsFixedStarId(id)) {
        if (!m_Stars)
            return {};
        const auto star = m_Stars->FindStar(id);
        return star ? star->Name.left(StarSymbolLength) : QString();
    }
    if (id < 0) {
        const TAxisConstInfo* axis = FindAxisByBodyId(id);
        return axis ? QString::fromUtf16(axis->Symbol) : QString();
    }
    const TBodyConstInfo* body = FindBodyConstInfo(id);
    return body && body->Symbol ? QString::fromUtf16(body->Symbol) : QString();
}

QString TPlanetConstInfoProvider::DisplayName(int id) const {
    if (IsFixedStarId(id)) {
        if (!m_Stars)
            return {};
        const auto star = m_Stars->FindStar(id);
        if (!star)
            return {};
        if (star->Designation.contains(QLatin1Char(',')))
            return star->Name + star->Designation;
        return star->Name + QStringLiteral(" ,") + star->Designation;
    }
    if (id < 0 && IsNamedAxis(id))
        return AxisLongName(*FindAxisByBodyId(id));
    if (const TBodyConstInfo* body = FindBodyConstInfo(id)) {
        if (body->NameConst)
            return GetMessageText(QStringView(body->NameConst));
        if (body->FixedName)
            return QString::fromUtf16(body->FixedName);
    }
    return m_LibraryNames ? m_LibraryNames->LibraryPlanetName(id) : QString();
}

} // namespace velkaris
