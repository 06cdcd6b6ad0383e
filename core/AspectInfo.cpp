#include "AspectInfo.h"

namespace velkaris {

bool TAspectInfo::JoinsSameInOrder(int id1, quint8 kind1, int id2, quint8 kind2,
                                   int aspectId) const {
    return AspectId == aspectId && Id1 == id1 && Kind1 == kind1 && Id2 == id2 && Kind2 == kind2;
}

bool TAspectInfo::JoinsSame(int id1, quint8 kind1, int id2, quint8 kind2, int aspectId) const {
    return JoinsSameInOrder(id1, kind1, id2, kind2, aspectId) ||
           JoinsSameInOrder(id2, kind2, id1, kind1, aspectId);
}

void TAspectInfoList::Append(int id1, quint8 kind1, double orb, double deviation, quint8 exactness,
                             int aspectId, quint8 kind2, int id2) {
    auto a = std::make_unique<TAspectInfo>();
    a->Id1 = id1;
    a->Kind1 = kind1;
    a->Id2 = id2;
    a->Kind2 = kind2;
    a->AspectId = aspectId;
    a->Deviation = deviation;
    a->Orb = orb;
    a->Exactness = exactness;
    TOwningList::Append(std::move(a));
}

bool TAspectInfoList::Exists(int id1, quint8 kind1, int id2, quint8 kind2, int aspectId) const {
    return FindIf([&](const TAspectInfo& a) {
               return a.JoinsSame(id1, kind1, id2, kind2, aspectId);
           }) != nullptr;
}

bool TAspectInfoList::AddIfNew(int id1, quint8 kind1, double orb, double deviation,
                               quint8 exactness, int aspectId, quint8 kind2, int id2) {
    if (Exists(id1, kind1, id2, kind2, aspectId))
        return false;
    Append(id1, kind1, orb, deviation, exactness, aspectId, kind2, id2);
    return true;
}

bool TAspectInfoList::AddIfNewStrict(int id1, quint8 kind1, double orb, double deviation,
                                     quint8 exactness, int aspectId, quint8 kind2, int id2) {
    const bool present = FindIf([&](const TAspectInfo& a) {
                             return a.JoinsSameInOrder(id1, kind1, id2, kind2, aspectId);
                         }) != nullptr;
    if (present)
        return false;
    Append(id1, kind1, orb, deviation, exactness, aspectId, kind2, id2);
    return true;
}

TAspectInfo TAspectInfoList::CopyOf(int index) const {
    const TAspectInfo* a = At(index);
    return a ? *a : TAspectInfo{};
}

void TAspectInfoList::CollectAspectsOf(int id, quint8 kind, const TByteSet& others,
                                       TAspectInfoList& target) const {
    ForEach([&](const TAspectInfo& a) {
        if (a.Kind1 != kind || a.Kind2 != kind)
            return;
        int other = -1;
        if (a.Id1 == id)
            other = a.Id2;
        else if (a.Id2 == id)
            other = a.Id1;
        else
            return;
        if (other >= 0 && other <= 255 && others.test(static_cast<size_t>(other)))
            target.TOwningList::Append(std::make_unique<TAspectInfo>(a));
    });
}

} // namespace velkaris
