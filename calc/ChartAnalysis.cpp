#include "ChartAnalysis.h"

#include "core/CalcResult.h"
#include "core/SegedUtils.h"
#include "core/SorOszlopList.h"
#include "core/ZentavoConsts.h"

namespace velkaris {

namespace {

int SignOf(double longitude) {
    return SignIndexOf(longitude);
}

int NextSign(int sign) {
    return (sign + 1) % SignCount;
}

bool IsPlanet(int id) {
    return id >= 0 && id <= 9;
}

void MarkAndCopy(TCalcResult& result, int bodyId) {
    if (TPlanet* body = result.Planets.Find(bodyId)) {
        body->IsSelfMarker = true;
        result.SelfMarkers.AddCopy(*body);
    }
}

/// The house of each cell of the life-strategy grid (rows: qualities, columns: elements).
constexpr int GridHouses[3][4] = {{1, 10, 7, 4}, {5, 2, 11, 8}, {9, 6, 3, 12}};

} // namespace

QList<int> ClosedSignsOfFirstHouse(const TCalcResult& result) {
    const int a = SignOf(result.Houses.LongitudeOf(1));
    const int b = SignOf(result.Houses.LongitudeOf(2));
    QList<int> closed;
    for (int s = NextSign(a); a != b && s != b; s = NextSign(s))
        closed.append(s);
    return closed;
}

void FindSelfMarkers(TCalcResult& result) {
    result.SelfMarkers.Clear();
    MarkAndCopy(result, BodyId::Sun);
    MarkAndCopy(result, BodyId::Moon);
    if (const THouseCusp* first = result.Houses.Find(1))
        result.SelfMarkers.AddCopy(*first);
    MarkAndCopy(result, ZodiacSign(SignOf(result.Houses.LongitudeOf(1))).RulerId);
    QList<int> firstHouse;
    result.Planets.ForEach([&](const TPlanet& p) {
        if (p.House == 1 && p.BodyId >= 0 && p.BodyId < 10)
            firstHouse.append(p.BodyId);
    });
    for (int id : firstHouse)
        MarkAndCopy(result, id);
    const QList<int> closed = ClosedSignsOfFirstHouse(result);
    for (int sign : closed)
        result.SelfMarkers.AddCopy(TZodiacSignForSelfMarkers{30.0 * sign + 15, sign + 1});
    for (int sign : closed)
        MarkAndCopy(result, ZodiacSign(sign).RulerId);
}

void BuildLifeStrategy(TCalcResult& result) {
    for (auto& row : result.LifeStrategyTable)
        for (auto& cell : row)
            cell = 0;
    const TAxis* asc = result.Axes.Find(AxisId::Ascendant);
    const int ascSign = asc ? SignOf(asc->Longitude) : -1;
    const QList<int> closed = ClosedSignsOfFirstHouse(result);

    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 4; ++column) {
            const int house = GridHouses[row - 1][column - 1];
            const int sign = house - 1;
            int score = 0;
            result.Planets.ForEach([&](const TPlanet& p) {
                if (!IsPlanet(p.BodyId))
                    return;
                const int weight = p.BodyId <= BodyId::Mercury ? 2 : 1;
                if (p.House == house)
                    score += weight;
                if (p.SignIndex() == sign)
                    score += weight;
            });
            if (ascSign == sign)
                score += closed.isEmpty() ? 2 : 1;
            if (closed.contains(sign))
                score += 1;
            result.LifeStrategy(row, column) = static_cast<quint16>(score);
            result.LifeStrategy(row, 5) += static_cast<quint16>(score);
            result.LifeStrategy(4, column) += static_cast<quint16>(score);
        }
    }
    result.LifeStrategy(4, 5) = static_cast<quint16>(
        result.LifeStrategy(1, 5) + result.LifeStrategy(2, 5) + result.LifeStrategy(3, 5));

    TSorOszlopList rowMax(TSorOszlopList::KeepMaxima), rowMin(TSorOszlopList::KeepMinima);
    TSorOszlopList colMax(TSorOszlopList::KeepMaxima), colMin(TSorOszlopList::KeepMinima);
    for (int row = 1; row <= 3; ++row) {
        rowMax.Offer(row, result.LifeStrategy(row, 5));
        rowMin.Offer(row, result.LifeStrategy(row, 5));
    }
    for (int column = 1; column <= 4; ++column) {
        colMax.Offer(column, result.LifeStrategy(4, column));
        colMin.Offer(column, result.LifeStrategy(4, column));
    }
    auto pick = [&](const TSorOszlopList& columns, const TSorOszlopList& rows,
                    TSorOszlopList::TMode mode) {
        TSorOszlopList cells(mode);
        for (int c = 0; c < columns.Count(); ++c) {
            for (int r = 0; r < rows.Count(); ++r) {
                const int row = rows.At(r).Index;
                const int column = columns.At(c).Index;
                cells.Offer(SignGrid[row - 1][column - 1], result.LifeStrategy(row, column));
            }
        }
        QByteArray signs;
        for (int i = 0; i < cells.Count(); ++i)
            signs.append(static_cast<char>(cells.At(i).Index));
        return signs;
    };
    result.EmphasizedSigns = pick(colMax, rowMax, TSorOszlopList::KeepMaxima);
    result.UntroddenSigns = pick(colMin, rowMin, TSorOszlopList::KeepMinima);
}

void FindHouseLords(TCalcResult& result) {
    int cuspSigns[13] = {};
    for (int n = 1; n <= HouseCount; ++n)
        cuspSigns[n] = SignOf(result.Houses.LongitudeOf(n));
    for (int id = 0; id <= 9; ++id) {
        TPlanet* body = result.Planets.Find(id);
        if (!body)
            continue;
        body->HouseLords.Clear();
        for (int sign = 0; sign < SignCount; ++sign) {
            if (ZodiacSign(sign).RulerId != id)
                continue;
            bool direct = false;
            for (int n = 1; n <= HouseCount; ++n) {
                if (cuspSigns[n] == sign) {
                    body->HouseLords.AddLordship(n);
                    direct = true;
                }
            }
            if (direct)
                continue;
            // An intercepted sign lies in the house whose cusp is the nearest one behind
            // it that leaves its own sign. Eleven steps reach every other sign, so the
            // search ends even for degenerate cusps (where it finds nothing).
            for (int e = 1; e < SignCount; ++e) {
                const int behind = (sign - e + SignCount) % SignCount;
                int found = 0;
                for (int n = 1; n <= HouseCount && !found; ++n) {
                    const int next = n == HouseCount ? 1 : n + 1;
                    if (cuspSigns[n] == behind && cuspSigns[next] != behind)
                        found = n;
                }
                if (found) {
                    body->HouseLords.AddClosedLordship(found);
                    break;
                }
            }
        }
    }
}

} // namespace velkaris
