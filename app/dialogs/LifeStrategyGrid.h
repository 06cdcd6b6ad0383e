#pragma once

#include <QByteArray>
#include <QString>
#include <array>

namespace velkaris {

class TCalcResult;

/// The texts of the life-strategy grid as the window shows it, indexed
/// [grid row][grid column]. Row 0 and column 0 are the headers; grid column i (1-4) is
/// table row i (the qualities, then the element totals) and grid row j (1-5) is table
/// column j (the elements, then the quality totals), so every cell holds the number of
/// `LifeStrategy(i, j)`.
struct TLifeStrategyGridTexts {
    static constexpr int Rows = 6;
    static constexpr int Columns = 5;
    std::array<std::array<QString, Columns>, Rows> Cells;

    const QString& At(int row, int column) const {
        return Cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
    }
};

/// The grid's texts for `result`.
TLifeStrategyGridTexts LifeStrategyGridTexts(const TCalcResult& result);

/// The signs of `signs` (indices 0-11) as "sign name / house name" joined by ", ", for
/// example "Kos / Első Ház, Bak / Tizedik Ház". Bytes outside 0-11 are left out.
QString LifeStrategySignList(const QByteArray& signs);

} // namespace velkaris
