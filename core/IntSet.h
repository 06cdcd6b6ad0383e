#pragma once

#include <QList>

namespace velkaris {

/// A growable array of integers used as a set.
class TIntSet {
public:
    /// Adds `value` unless it is present.
    void Add(int value);
    void Clear() { m_Values.clear(); }
    int Count() const { return static_cast<int>(m_Values.size()); }
    /// Position of `value`, searched from the last element backwards; -1 when absent.
    int IndexOf(int value) const;
    bool Contains(int value) const { return IndexOf(value) >= 0; }
    int At(int index) const { return m_Values.at(index); }

private:
    QList<int> m_Values;
};

} // namespace velkaris
