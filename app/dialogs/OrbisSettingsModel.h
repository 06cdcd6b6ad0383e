#pragma once

#include <QLocale>
#include <QString>
#include <array>
#include <optional>

namespace velkaris {

class TAspectOrbProvider;

/// The values the orb dialog edits, held apart from the window: per aspect the simple
/// orb and the fourteen columns of the detailed row, and the orb rows they turn into.
///
/// Aspects are 1-12 and detailed columns 1-14 (the ten planets, Ascendant, Medium Coeli,
/// the nodes, the other points and the cusps); orbs are in degrees.
class TOrbisSettingsModel {
public:
    static constexpr int DetailedColumns = 14;
    /// The largest orb the dialog accepts: beyond it every separation qualifies.
    static constexpr double MaxOrbDeg = 180;

    /// A model that writes numbers with `decimalPoint` (the locale's separator).
    explicit TOrbisSettingsModel(const QString& decimalPoint = QLocale::system().decimalPoint());

    /// Takes the simple orbs (column 1 of each simple row) and every detailed column from
    /// `orbs`; afterwards no detailed row counts as changed.
    void Load(const TAspectOrbProvider& orbs);

    double SimpleOrb(int aspectId) const;
    void SetSimpleOrb(int aspectId, double orbDeg);
    /// Column 1-14 of the aspect's detailed row.
    double DetailedOrb(int aspectId, int column) const;
    /// Sets a detailed column; a value different from the held one marks the row changed.
    void SetDetailedOrb(int aspectId, int column, double orbDeg);
    /// The aspect's detailed row was changed since `Load`.
    bool IsDetailedRowChanged(int aspectId) const;

    /// The simple row: the simple orb 14 times, separated by "|".
    QString SimpleRow(int aspectId) const;
    /// The detailed row: the fourteen columns in order, separated by "|".
    QString DetailedRow(int aspectId) const;

    /// Rebuilds every simple row in `orbs` and writes the detailed rows that were
    /// changed; untouched detailed rows keep their stored text.
    void ApplyTo(TAspectOrbProvider& orbs) const;

    /// The separator the model writes numbers with.
    const QString& DecimalPoint() const { return m_DecimalPoint; }
    /// The orb in its shortest decimal form with the model's decimal separator.
    QString FormatOrb(double orbDeg) const { return FormatOrb(orbDeg, m_DecimalPoint); }
    /// The orb in its shortest decimal form with `decimalPoint` as separator.
    static QString FormatOrb(double orbDeg, const QString& decimalPoint);
    /// The orb that `text` gives: digits with "," or "." as decimal separator, between 0
    /// and `MaxOrbDeg`, blanks around it ignored. nullopt for anything else (empty text,
    /// a lone separator, letters, signs, exponents, values out of range).
    static std::optional<double> ParseOrb(const QString& text);

private:
    struct TAspectValues {
        double Simple = 0;
        std::array<double, DetailedColumns> Detailed{};
        bool DetailedChanged = false;
    };

    const TAspectValues& Values(int aspectId) const;
    TAspectValues& Values(int aspectId);

    QString m_DecimalPoint;
    std::array<TAspectValues, 12> m_Aspects{};
};

} // namespace velkaris
