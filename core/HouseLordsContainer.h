#pragma once

#include <QString>
#include <QtGlobal>

namespace velkaris {

/// The houses one body rules: directly, through a sign that holds the house's cusp, and
/// through a closed sign that no cusp falls in. Bit n of each set stands for house n.
class THouseLordsContainer {
public:
    quint16 ClosedLordships = 0;
    quint16 Lordships = 0;

    void AddLordship(int house) { Lordships |= Bit(house); }
    void AddClosedLordship(int house) { ClosedLordships |= Bit(house); }
    bool HasLordship(int house) const { return (Lordships & Bit(house)) != 0; }
    bool HasClosedLordship(int house) const { return (ClosedLordships & Bit(house)) != 0; }
    bool IsEmpty() const { return Lordships == 0 && ClosedLordships == 0; }
    void Clear() { Lordships = ClosedLordships = 0; }

    /// Houses 1-12 in order separated by ",": a closed lordship as "(n)", a direct one
    /// as "n".
    QString ToText() const;

private:
    static quint16 Bit(int house) { return static_cast<quint16>(1u << house); }
};

} // namespace velkaris
