#pragma once

#include <QString>
#include <array>

namespace velkaris {

class TSettingsINIFileLoader;
class TSettingsProvider;

/// Which column of an orb row a point uses.
enum class TOrbPointKind : char {
    Body = 'P',
    Ascendant = 'A',
    MediumCoeli = 'M',
    Node = 'N',
    OtherPoint = 'H', // any other axis point or a house cusp
};

/// The orb table: per aspect a simple and a detailed row of 14 orbs (the ten planets,
/// Ascendant, MC, the nodes, other points and cusps).
class TAspectOrbProvider {
public:
    static constexpr int Columns = 14;

    /// Every row at its default.
    TAspectOrbProvider();

    /// Stores a row, replacing one that is empty or does not hold exactly 14 numbers by
    /// the default row.
    void SetRow(int aspectId, const QString& text, bool simple);
    /// The row as stored ("15|15|...").
    QString Row(int aspectId, bool simple) const;
    /// The default row: the aspect's default orb 14 times (simple), or 10 times and then
    /// "0|0|0|0" (detailed).
    static QString DefaultRow(int aspectId, bool simple);

    /// The orb in degrees allowed for `aspectId` at a point of `kind` (for bodies, the
    /// body's own column; other bodies than the planets use the Sun's).
    double OrbFor(int aspectId, int bodyId, bool simple, TOrbPointKind kind) const;

    /// Every row as the settings hold it (bad rows become default rows).
    void LoadRows(const TSettingsProvider& settings);
    /// Writes every row back to the two orb sections of the settings.
    void SaveRows(TSettingsINIFileLoader& store) const;

    /// Copies the rows aside before a dialog edits them, and back when it is cancelled.
    void KeepCopy() { m_SavedRows = m_Rows; }
    void RestoreCopy() { m_Rows = m_SavedRows; }

private:
    struct TRow {
        QString Text;
        std::array<double, Columns> Orbs{};
    };
    using TRows = std::array<TRow, 24>; // simple rows 1-12, then detailed rows 1-12

    static size_t Slot(int aspectId, bool simple) {
        return static_cast<size_t>((simple ? 0 : 12) + aspectId - 1);
    }

    TRows m_Rows;
    TRows m_SavedRows;
};

} // namespace velkaris
