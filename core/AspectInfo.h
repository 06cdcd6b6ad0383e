#pragma once

#include "OwningList.h"

#include <QtGlobal>
#include <bitset>

namespace velkaris {

/// What an aspect's end point is.
enum TPointKind : quint8 { PointUnset = 0, PointBody = 1, PointAxis = 2, PointHouse = 3 };

/// A set of small ids 0-255.
using TByteSet = std::bitset<256>;

/// One aspect between two chart points.
class TAspectInfo {
public:
    int Id1 = -1;
    quint8 Kind1 = PointUnset;
    int Id2 = -1;
    quint8 Kind2 = PointUnset;
    int AspectId = -1;
    /// abs(separation - exact angle), degrees.
    double Deviation = 0;
    /// The orb that was allowed for this pair, degrees.
    double Orb = 0;
    /// 1 when the separation equals the exact angle, 4 otherwise.
    quint8 Exactness = 4;

    /// Same aspect between the same two points, in either order.
    bool JoinsSame(int id1, quint8 kind1, int id2, quint8 kind2, int aspectId) const;
    /// Same aspect between the same two points in this order.
    bool JoinsSameInOrder(int id1, quint8 kind1, int id2, quint8 kind2, int aspectId) const;
};

/// The aspects of a chart.
class TAspectInfoList : public TOwningList<TAspectInfo> {
public:
    /// Appends the aspect unless one with the same aspect id joins the same two points
    /// in either order; true when it was appended.
    bool AddIfNew(int id1, quint8 kind1, double orb, double deviation, quint8 exactness,
                  int aspectId, quint8 kind2, int id2);
    /// As `AddIfNew`, but only an element with the pair in the same order blocks it.
    bool AddIfNewStrict(int id1, quint8 kind1, double orb, double deviation, quint8 exactness,
                        int aspectId, quint8 kind2, int id2);
    bool Exists(int id1, quint8 kind1, int id2, quint8 kind2, int aspectId) const;
    /// A copy of element `index`; an unset aspect past the end.
    TAspectInfo CopyOf(int index) const;
    /// Appends to `target` a copy of every aspect of point (id, kind) whose both ends are
    /// of that kind and whose other end is an id 0-255 in `others`.
    void CollectAspectsOf(int id, quint8 kind, const TByteSet& others,
                          TAspectInfoList& target) const;

private:
    void Append(int id1, quint8 kind1, double orb, double deviation, quint8 exactness, int aspectId,
                quint8 kind2, int id2);
};

} // namespace velkaris
